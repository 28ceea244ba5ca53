// Destroying windows: requests deferred until the asking handler returns, Destroying
// before removal, Esc and the close box at once, and handlers that outlive their window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/toolkit/test_windows.h"
#include "toolkit/model/model.h"

namespace toolkit::model {
namespace {

using namespace testing_windows;

using Log = std::vector<std::string>;

Binding noting(Log& log, std::string_view control, Event event, std::string entry) {
  return {control, event, [&log, entry] { log.push_back(entry); }};
}

// Notes the clock when the main window is about to go.
Binding destroyingAt(const Model& model, Log& log) {
  return {"", Event::Destroying,
          [&model, &log] { log.push_back("destroying at " + std::to_string(model.now())); }};
}

TEST(ModelDestroy, RequestInAHandlerIsCarriedOutAfterItReturns) {
  Model model;
  Log log;
  model.load(
      kMain,
      {{"按钮1", Event::Clicked,
        [&] {
          log.push_back("click");
          model.destroy(kMain);
          log.push_back(model.isLoaded(kMain) ? "still loaded" : "gone");
          model.setText(kMain, "编辑框1", "写");
          log.push_back("click ends");
        }},
       {"编辑框1", Event::Changed,
        [&] { log.push_back("changed " + model.text(kMain, "编辑框1")); }},
       {"", Event::Destroying,
        [&] { log.push_back(model.isLoaded(kMain) ? "destroying, loaded" : "destroying, gone"); }}},
      Mode::Ordinary);
  model.click(kMain, "按钮1");
  EXPECT_EQ(log, (Log{"click", "still loaded", "changed 写", "click ends", "destroying, loaded"}));
  EXPECT_FALSE(model.isLoaded(kMain));
}

TEST(ModelDestroy, RequestWithNoHandlerRunningIsCarriedOutAtOnce) {
  Model model;
  Log log;
  model.load(kMain, {noting(log, "", Event::Destroying, "destroying")}, Mode::Ordinary);
  model.destroy(kMain);
  EXPECT_EQ(log, (Log{"destroying"}));
  EXPECT_FALSE(model.isLoaded(kMain));
  model.destroy(kMain);
  EXPECT_EQ(log.size(), 1u);
}

TEST(ModelDestroy, RequestFromANestedHandlerIsCarriedOutWhenThatHandlerReturns) {
  Model model;
  Log log;
  model.load(
      kMain,
      {{"按钮1", Event::Clicked,
        [&] {
          model.setText(kMain, "编辑框1", "x");
          log.push_back(model.isLoaded(kMain) ? "click sees it loaded" : "click sees it gone");
        }},
       {"编辑框1", Event::Changed, [&] { model.destroy(kMain); }},
       noting(log, "", Event::Destroying, "destroying")},
      Mode::Ordinary);
  model.click(kMain, "按钮1");
  EXPECT_EQ(log, (Log{"destroying", "click sees it gone"}));
}

TEST(ModelDestroy, RequestsOfADestroyingHandlerFollowItInOrder) {
  // Like a wizard's first window taking the later ones with it.
  Model model;
  Log log;
  model.load(kStep1, {noting(log, "", Event::Destroying, "step1 destroying")}, Mode::Ordinary);
  model.load(kStep2, {noting(log, "", Event::Destroying, "step2 destroying")}, Mode::Ordinary);
  model.load(kMain,
             {{"", Event::Destroying,
               [&] {
                 log.push_back("main destroying");
                 model.destroy(kStep2);
                 model.destroy(kStep1);
                 model.destroy(kMain);  // already on its way: no second Destroying
                 log.push_back("main destroying ends");
               }}},
             Mode::Ordinary);
  model.destroy(kMain);
  EXPECT_EQ(log, (Log{"main destroying", "main destroying ends", "step2 destroying",
                      "step1 destroying"}));
  EXPECT_FALSE(model.isLoaded(kMain));
  EXPECT_FALSE(model.isLoaded(kStep1));
  EXPECT_FALSE(model.isLoaded(kStep2));
}

TEST(ModelDestroy, EscAndTheCloseBoxDestroyAtOnce) {
  for (const bool escape : {true, false}) {
    SCOPED_TRACE(escape ? "Esc" : "close box");
    Model model;
    Log log;
    model.load(kMain, {noting(log, "", Event::Destroying, "destroying")}, Mode::Ordinary);
    if (escape)
      model.pressEscape(kMain);
    else
      model.closeWindow(kMain);
    EXPECT_EQ(log, (Log{"destroying"}));
    EXPECT_FALSE(model.isLoaded(kMain));
  }
}

TEST(ModelDestroy, ClosingDuringAWaitRemovesTheWindowAndTheWaitingHandlerCarriesOn) {
  Model model;
  Log log;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 model.setVisible(kMain, "图片框1", true);
                 model.wait(2000);
                 log.push_back("wait over at " + std::to_string(model.now()));
                 model.setVisible(kMain, "图片框1", false);  // the window is gone: nothing
                 model.setText(kMain, "编辑框1", "x");
                 log.push_back("text now '" + model.text(kMain, "编辑框1") + "'");
               }},
              destroyingAt(model, log)},
             Mode::Ordinary);
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.after(500, [&] { model.pressEscape(kMain); });
  model.run();
  EXPECT_EQ(log, (Log{"destroying at 500", "wait over at 2000", "text now ''"}));
  EXPECT_FALSE(model.isLoaded(kMain));
}

TEST(ModelDestroy, ActionDestroyingTheWindowWhileItsHandlerWaitsIsCarriedOutAfterTheAction) {
  Model model;
  Log log;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 model.wait(1000);
                 log.push_back(model.isLoaded(kMain) ? "loaded after wait" : "gone after wait");
               }},
              destroyingAt(model, log)},
             Mode::Ordinary);
  model.after(0, [&] { model.click(kMain, "按钮1"); });
  model.after(300, [&] {
    model.destroy(kMain);
    log.push_back("action ends");
  });
  model.run();
  EXPECT_EQ(log, (Log{"action ends", "destroying at 300", "gone after wait"}));
}

TEST(ModelDestroy, AStaleRequestLeavesALaterWindowOfTheSameDesignAlone) {
  Model model;
  Log log;
  model.load(kStep1, {noting(log, "", Event::Destroying, "first destroying")}, Mode::Ordinary);
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&] {
                 model.destroy(kStep1);      // deferred
                 model.closeWindow(kStep1);  // the user was quicker
                 model.load(kStep1, {noting(log, "", Event::Destroying, "second destroying")},
                            Mode::Ordinary);
               }}},
             Mode::Ordinary);
  model.click(kMain, "按钮1");
  EXPECT_EQ(log, (Log{"first destroying"}));
  EXPECT_TRUE(model.isLoaded(kStep1));
}

TEST(ModelDestroy, ModalWindowDestroyedByItsOwnCreatedHandlerReturnsAtOnce) {
  Model model;
  Log log;
  model.after(5000, [&] { log.push_back("script goes on"); });
  model.load(kStep1, {{"", Event::Created, [&] { model.destroy(kStep1); }}}, Mode::Modal);
  log.push_back("load returned at " + std::to_string(model.now()));
  EXPECT_FALSE(model.isLoaded(kStep1));
  EXPECT_EQ(log, (Log{"load returned at 0"}));
}

TEST(ModelDestroy, HandlerThatDestroysItsWindowAndWaitsInsideItsOwnLoop) {
  // The handler's binding belongs to the window that goes while the handler still runs.
  Model model;
  Log log;
  int ticks = 0;
  model.load(kMain,
             {{"按钮1", Event::Clicked,
               [&, note = std::string("captured state survives")] {
                 model.setTimerPeriod(kMain, "时间", 100);
                 model.after(50, [&] { model.closeWindow(kMain); });
                 model.wait(1000);
                 log.push_back(note);
                 model.click(kMain, "按钮1");
                 model.destroy(kMain);
               }},
              {"时间", Event::Tick, [&] { ++ticks; }}},
             Mode::Ordinary);
  model.click(kMain, "按钮1");
  EXPECT_EQ(log, (Log{"captured state survives"}));
  EXPECT_EQ(ticks, 0) << "the timer went with its window";
  EXPECT_EQ(model.now(), 1000u);
}

}  // namespace
}  // namespace toolkit::model
