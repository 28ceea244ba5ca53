// A shell for tests: a desktop folder given by the test, and a record of the shortcuts the
// maker asked for instead of real link files.
#pragma once

#include <utility>
#include <vector>

#include "maker/shell.h"

namespace maker::testing {

class FakeShell final : public Shell {
 public:
  struct Shortcut {
    common::Text link;
    common::Text target;
    bool operator==(const Shortcut&) const = default;
  };

  explicit FakeShell(common::Text desktop) : desktop_(std::move(desktop)) {}

  common::Text desktopFolder() override { return desktop_; }
  bool saveShortcut(const common::Text& link, const common::Text& target) override {
    saved_.push_back({link, target});
    return saveSucceeds_;
  }

  void useDesktop(common::Text desktop) { desktop_ = std::move(desktop); }
  void failSaving() { saveSucceeds_ = false; }
  const std::vector<Shortcut>& saved() const { return saved_; }

 private:
  common::Text desktop_;
  bool saveSucceeds_ = true;
  std::vector<Shortcut> saved_;
};

}  // namespace maker::testing
