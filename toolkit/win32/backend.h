// The real Win32 backend of the window toolkit: classic controls through the ANSI API
// (code page 936), one top-level window per loaded design. Every control is a direct child
// of its top-level window, placed at its design rectangle offset by its containers, and
// the control in design row i has child id kFirstControlId + i.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "toolkit/toolkit.h"

namespace toolkit::win32 {

class Backend final : public Toolkit {
 public:
  Backend();
  ~Backend() override;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  void load(const WindowDesign& window, Bindings bindings, Mode mode) override;
  void destroy(const WindowDesign& window) override;
  bool isLoaded(const WindowDesign& window) const override;
  void setWindowVisible(const WindowDesign& window, bool visible) override;
  void setTitle(const WindowDesign& window, const Text& title) override;
  void setHeight(const WindowDesign& window, int height) override;
  Text text(const WindowDesign& window, std::string_view control) const override;
  void setText(const WindowDesign& window, std::string_view control, const Text& text) override;
  void setVisible(const WindowDesign& window, std::string_view control, bool visible) override;
  void setPicture(const WindowDesign& window, std::string_view control, ByteView picture) override;
  void setTimerPeriod(const WindowDesign& window, std::string_view control,
                      int milliseconds) override;
  void navigate(const WindowDesign& window, std::string_view control, const Text& link) override;
  std::optional<Text> chooseFile(const WindowDesign& window, std::string_view dialog,
                                 const Text& filter) override;
  void messageBox(const Text& text, const Text& title) override;
  void wait(int milliseconds) override;
  void run() override;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace toolkit::win32
