// The maker wizard: four step windows in a chain of modal loads, the configuration files
// "1.txt" to "3.txt", and the installation of the calculator with its desktop shortcut.
// Every handler talks to the windows only through the toolkit, so it runs unchanged on the
// headless model and on Win32.
#pragma once

#include "common/text.h"
#include "maker/shell.h"
#include "toolkit/toolkit.h"

namespace maker {

struct AnswerStep;

class Maker {
 public:
  // `runDirectory` is the maker's own folder without a trailing separator; `calculatorImage`
  // is the calculator's whole program file, written out unchanged.
  Maker(toolkit::Toolkit& toolkit, Shell& shell, common::Text runDirectory,
        common::ByteView calculatorImage);

  // Loads step 1 and runs until every window of the maker is gone.
  void start();

  // Handlers, one per (window or control, event).
  void confirmTitle();
  void confirmPrefix();
  void choosePhoto();
  void confirmPhoto();
  void closeChainFromStep1();
  void closeChainFromStep3();
  void finishInstallation();

 private:
  void confirmAnswer(const AnswerStep& step);
  void load(const toolkit::WindowDesign& window, toolkit::Mode mode);
  void showCreationFailed();

  toolkit::Toolkit& toolkit_;
  Shell& shell_;
  const common::Text runDirectory_;
  const common::ByteView calculatorImage_;
};

}  // namespace maker
