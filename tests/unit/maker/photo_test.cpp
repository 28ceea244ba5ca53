// Step 3's photo: chosen only through the open-file dialog, kept when the dialog is cancelled.
#include "tests/unit/maker/maker_run.h"

namespace maker::testing {
namespace {

TEST_F(MakerRun, ThePhotoDialogOffersJpegBmpAndGifAndFillsInTheChosenPath) {
  reachStep(3);
  choosePhoto("E:\\相册\\合影.BMP");
  common::Text path;
  common::ByteBlock illustration;
  step([&] {
    path = model.text(kStep3Window, kAnswerBox);
    illustration = model.picture(kStep3Window, "图片框1");
  });
  run();

  EXPECT_EQ(model.fileDialogFilters(),
            std::vector<common::Text>{
                "照片文件（*.JPG）|*.JPG|照片文件（*.BMP）|*.BMP|照片文件（*.GIF）|*.GIF"});
  EXPECT_EQ(path, "E:\\相册\\合影.BMP");
  const common::ByteView designed = assets::kStep3Photo.view();
  EXPECT_EQ(illustration, common::ByteBlock(designed.begin(), designed.end()))
      << "the choice leaves the step's illustration alone";
}

TEST_F(MakerRun, CancellingThePhotoDialogKeepsThePathAsItWas) {
  reachStep(3);
  common::Text afterFirstCancel = "not looked at", afterLaterCancel;
  choosePhoto(std::nullopt);
  step([&] { afterFirstCancel = model.text(kStep3Window, kAnswerBox); });
  choosePhoto("C:\\a.JPG");
  choosePhoto(std::nullopt);
  step([&] { afterLaterCancel = model.text(kStep3Window, kAnswerBox); });
  run();

  EXPECT_EQ(afterFirstCancel, "");
  EXPECT_EQ(afterLaterCancel, "C:\\a.JPG");
  EXPECT_EQ(model.fileDialogFilters().size(), 3u) << "each press runs the dialog";
}

TEST_F(MakerRun, ThePhotoPathCannotBeTyped) {
  reachStep(3);
  step([&] {
    model.type(kStep3Window, kAnswerBox, "C:\\typed.JPG");
    model.paste(kStep3Window, kAnswerBox, "C:\\pasted.JPG");
  });
  pressForward(3);
  common::Text path = "not looked at";
  step([&] { path = model.text(kStep3Window, kAnswerBox); });
  run();

  EXPECT_EQ(path, "");
  ASSERT_EQ(model.messages().size(), 1u);
  EXPECT_EQ(model.messages()[0].text, "请选择照片路径");
}

}  // namespace
}  // namespace maker::testing
