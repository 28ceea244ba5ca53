// A fixture for the demo's e2e tests: the demo copied into a fresh folder and started,
// its main window found, and its handler log (the label 标签1) readable.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "tests/e2e/driver/driver.h"
#include "tests/unit/support/temp_folder.h"
#include "toolkit/demo/demo_windows.h"

namespace toolkit::demo {

class DemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    demo_ =
        std::make_unique<e2e::Program>(e2e::installCopy(E2E_PROGRAM(ToolkitDemo), folder_.text()));
    ASSERT_TRUE(demo_->started());
    main_ = demo_->window(kMainWindow.title);
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(logReads("创建"));
  }

  HWND control(std::string_view name) const { return e2e::control(main_, kMainWindow, name); }
  common::Text log() const { return e2e::text(control("标签1")); }

  // Waits for the log to read `expected`, and says what it read instead.
  ::testing::AssertionResult logReads(const common::Text& expected, int timeout = e2e::kPatience) {
    if (e2e::waitUntil([&] { return log() == expected; }, timeout))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the log reads \"" << log() << "\"";
  }

  // Declared first, so it goes last: after the program that runs in it.
  testing_support::TempFolder folder_;
  std::unique_ptr<e2e::Program> demo_;
  HWND main_ = nullptr;
};

}  // namespace toolkit::demo
