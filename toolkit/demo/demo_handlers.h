// What the demo does: one handler per (control, event), each writing what it did into the
// main window's log label, so a driver outside the program can see the order in which
// handlers ran and returned.
#pragma once

#include "toolkit/toolkit.h"

namespace toolkit::demo {

class Demo {
 public:
  explicit Demo(Toolkit& toolkit) : ui_(toolkit) {}
  // Loads the main window; run the toolkit's loop afterwards.
  void start();

 private:
  Bindings mainBindings();
  Bindings innerBindings(const WindowDesign& window);

  void log(const Text& entry);
  void prepareWindow();
  void saveLog();
  void showTick();
  void noteScoreChange();
  void addTen();
  void rewriteScore();
  void flashStar();
  void showMessage();
  void openInnerWindow();
  void openInnermostWindow();
  void chooseFile();
  void openLink();
  void closeMainWindow();

  Toolkit& ui_;
  int ticks_ = 0;
  int flashes_ = 0;
};

}  // namespace toolkit::demo
