// The multi-icon builder's form: slots, menus, pop-up, messages and the written file.
#include "forms/frm_mir.h"

#include <gtest/gtest.h>

#include "files/icon_reader.h"
#include "files/icon_test_files.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::ScriptedUi;
using testing::UniformImage;

class FrmMirTest : public ::testing::Test {
 protected:
  FrmMirTest() { form.Form_Load(); }
  ~FrmMirTest() override { std::filesystem::current_path(start_folder_); }

  // A one-image file of the size and depth, written once per name.
  std::string Icon(const std::string& name, int edge, int bits, std::uint8_t fill = 0,
                   std::uint8_t mask = 0) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::IconFile({UniformImage(edge, bits, fill, mask)}));
    return path;
  }
  void Open(const std::string& path) {
    ui.file_answers.push_back(ScriptedUi::Chosen(path));
    form.MnuOpen_Click();
  }
  void ExpectWarning(const std::string& text) {
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, text);
    EXPECT_EQ(ui.messages.back().title, "Brindlex - Error");
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::kExclamation);
    EXPECT_EQ(ui.messages.back().buttons, MessageButtons::kOk);
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  testing::TempFolder folder;
  ScriptedUi ui;
  FrmMir form{ui};
};

TEST_F(FrmMirTest, StartsEmptyWithItsFramesTitlesAndSlotPictures) {
  EXPECT_EQ(form.UsedCount(), 0);
  form.MnuFile_Click();
  EXPECT_FALSE(form.MnuCreateEnabled);
  for (int slot = 0; slot < kBuilderSlotCount; ++slot) {
    EXPECT_EQ(form.PicIco[slot].Width(), SlotEdge(slot));
    EXPECT_EQ(form.PicIco[slot].GetPixel(0, 0), kButtonFace);
  }
  EXPECT_EQ(FrmMir::SlotLeft(4), 98);
  EXPECT_EQ(FrmMir::SlotTop(4), 54);
  EXPECT_EQ(FrmMir::SlotTop(11), 95);
  const Surface& b = form.Background;
  ASSERT_EQ(b.Width(), 329);
  ASSERT_EQ(b.Height(), 206);
  EXPECT_EQ(b.GetPixel(100, 0), kGrey);  // the sunken line across the top
  EXPECT_EQ(b.GetPixel(100, 1), kWhite);
  EXPECT_EQ(b.GetPixel(8, 100), kGrey);  // etched frame: outer dark, inner light
  EXPECT_EQ(b.GetPixel(9, 100), kWhite);
  EXPECT_EQ(b.GetPixel(77, 100), kWhite);
  EXPECT_EQ(b.GetPixel(76, 100), kGrey);
  EXPECT_EQ(b.GetPixel(50, 153), kWhite);
  EXPECT_EQ(b.GetPixel(30, 15), kButtonFace);  // top line blanked under "Mono"
  EXPECT_EQ(b.GetPixel(45, 16), kButtonFace);
  EXPECT_EQ(b.GetPixel(46, 15), kGrey);
  EXPECT_EQ(b.GetPixel(14, 15), kGrey);
  EXPECT_EQ(b.GetPixel(18, 28), kGrey);  // sunken edge around slot 0 (19, 29)
  EXPECT_EQ(b.GetPixel(35, 45), kWhite);
  ASSERT_EQ(form.Printed.size(), 4u);
  EXPECT_EQ(form.Printed[3].text, "True Color");
  EXPECT_EQ(form.Printed[3].x, 254);
  EXPECT_EQ(form.Printed[1].text, "16 Color");
  EXPECT_EQ(form.Printed[2].y, 9);
}

TEST_F(FrmMirTest, OpenFillsTheSlotOfTheIconAndShowsItsPicture) {
  // 32 x 32 at 4 bits, entry 9 (red in Palette16 terms; here palette entry i is grey i)
  // with the top-left pixel transparent.
  testing::StoredImage image = UniformImage(32, 4, 0x99, 0);
  image.resource[40 + 64 + 16 * 32 + 31 * 4] = 0x80;
  image.resource[40 + 64 + 31 * 16] = 0x09;
  const std::string path = folder.File("rojo.ico");
  testing::WriteBytes(path, testing::IconFile({image}));
  Open(path);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Quorvane 2001  editor - Abrir");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(form.PicIcoTag[4], "Used");
  EXPECT_EQ(form.LastSlot, 4);
  EXPECT_EQ(form.UsedCount(), 1);
  EXPECT_EQ(form.Slots.data[4].size(), 744u);
  EXPECT_EQ(form.PicIco[4].GetPixel(0, 0), kButtonFace);  // transparent over the face
  EXPECT_EQ(form.PicIco[4].GetPixel(1, 0), 0x090909u);
  EXPECT_EQ(form.PicIco[4].GetPixel(31, 31), 0x090909u);

  // A cancelled dialog changes nothing.
  form.MnuOpen_Click();
  EXPECT_EQ(form.UsedCount(), 1);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FrmMirTest, EveryRefusalHasItsMessage) {
  const std::string text = folder.File("nota.ico");
  testing::WriteBytes(text, {'h', 'o', 'l', 'a'});
  Open(text);
  ExpectWarning("nota.ico is not a valid icon file.");
  Open(folder.Path());
  ExpectWarning(folder.Path().substr(folder.Path().rfind('/') + 1) + " is not a valid icon file.");
  const std::string multi = folder.File("varios.ico");
  testing::WriteBytes(multi, testing::IconFile({UniformImage(16, 1), UniformImage(32, 1)}));
  Open(multi);
  ExpectWarning("varios.ico is a multi icon resource.\r\n\r\nOnly single icons can be loaded.");
  Open(Icon("grande.ico", 64, 8));
  ExpectWarning("Unable to load icon.");
  Open(Icon("alfa.ico", 32, 32));
  ExpectWarning("Unable to load icon.");
  EXPECT_EQ(ui.messages.size(), 5u);
  EXPECT_EQ(form.UsedCount(), 0);
  // The refused 32-bit icon did not redraw any slot.
  for (const Surface& picture : form.PicIco) EXPECT_EQ(picture.GetPixel(0, 0), kButtonFace);
}

TEST_F(FrmMirTest, TenIconsAtMostAndALoadOfAFilledSlotReplacesIt) {
  const int sizes[] = {16, 32, 48};
  const int depths[] = {1, 4, 8, 24};
  int filled = 0;
  for (int depth : depths)
    for (int size : sizes)
      if (filled < 9) {
        Open(Icon(std::to_string(size) + "_" + std::to_string(depth) + ".ico", size, depth));
        ++filled;
      }
  ASSERT_EQ(form.UsedCount(), 9);
  EXPECT_TRUE(ui.messages.empty());
  // Nine filled: a size and depth already present replaces its slot.
  Open(Icon("otro.ico", 16, 1, 0xFF));
  EXPECT_EQ(form.UsedCount(), 9);
  EXPECT_EQ(form.PicIco[0].GetPixel(0, 0), 0x010101u);  // palette entry 1
  Open(Icon("diez.ico", 16, 24));
  ASSERT_EQ(form.UsedCount(), 10);
  // Ten filled: Open refuses before its dialog, even for a slot that would be replaced.
  const std::size_t dialogs = ui.dialogs.size();
  ui.file_answers.push_back(ScriptedUi::Chosen(Icon("once.ico", 16, 1)));
  form.MnuOpen_Click();
  EXPECT_EQ(ui.dialogs.size(), dialogs);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "A maximum of ten icons has been reached.\r\n\r\nIf you wish to remove an icon, right "
            "click on it to delete.");
  EXPECT_EQ(ui.messages[0].title, "Brindlex");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kInformation);
}

TEST_F(FrmMirTest, TheDeletePopupOpensOnlyOverAFilledSlotWithTheRightButton) {
  Open(Icon("a.ico", 48, 8, 5));
  form.PicIco_MouseUp(0, 2, 0, 3, 3);
  EXPECT_FALSE(form.MnuDelPopup);
  form.PicIco_MouseUp(8, 1, 0, 3, 3);
  EXPECT_FALSE(form.MnuDelPopup);
  form.PicIco_MouseUp(8, 2, 0, 3, 3);
  EXPECT_TRUE(form.MnuDelPopup);
  EXPECT_EQ(form.MenuSlot, 8);
  form.MnuDelete_Click();
  EXPECT_EQ(form.PicIcoTag[8], "");
  EXPECT_EQ(form.PicIco[8].GetPixel(10, 10), kButtonFace);
  EXPECT_EQ(form.UsedCount(), 0);
}

TEST_F(FrmMirTest, CreateNeedsTwoSlotsAndWritesThemFromTheLastDown) {
  Open(Icon("mono.ico", 16, 1, 0xAA, 0x0F));
  form.MnuFile_Click();
  EXPECT_FALSE(form.MnuCreateEnabled);
  form.MnuCreate_Click();  // disabled: no dialog
  EXPECT_EQ(ui.dialogs.size(), 1u);
  Open(Icon("color.ico", 16, 24, 0x33));
  form.MnuFile_Click();
  EXPECT_TRUE(form.MnuCreateEnabled);

  const std::string out = folder.File("juntos.ico");
  ui.file_answers.push_back(ScriptedUi::Chosen(out));
  form.MnuCreate_Click();
  ASSERT_EQ(ui.dialogs.size(), 3u);
  EXPECT_EQ(ui.dialogs[2].title, "Quorvane 2001 editor - Salvar komo");
  EXPECT_TRUE(ui.dialogs[2].save);
  EXPECT_TRUE(ui.messages.empty());
  const Bytes written = testing::ReadBytes(out);
  ASSERT_EQ(written.size(), 1086u);
  EXPECT_EQ(written[6 + 6], 24);      // first entry: 24 bits
  EXPECT_EQ(written[6 + 12], 38);     // at 38
  EXPECT_EQ(written[22 + 6], 1);      // second: 1 bit
  EXPECT_EQ(written[22 + 12], 0x8E);  // at 910 = 0x38E
  EXPECT_EQ(written[22 + 13], 0x03);
  EXPECT_EQ(GetIconImageCount(written), 2);
  EXPECT_FALSE(form.Closed);  // the window stays open

  // A deleted slot is left out even though its bytes stay.
  form.PicIco_MouseUp(9, 2, 0, 1, 1);
  form.MnuDelete_Click();
  Open(Icon("m32.ico", 32, 1));
  ui.file_answers.push_back(ScriptedUi::Chosen(out));
  form.MnuCreate_Click();
  const Bytes again = testing::ReadBytes(out);
  EXPECT_EQ(again.size(), 6u + 32 + 304 + 176);
  EXPECT_EQ(again[6], 32);
  EXPECT_EQ(again[22], 16);

  // A file that cannot be created: the message names the path; nothing is left behind.
  const std::string bad = folder.File("no/existe.ico");
  ui.file_answers.push_back(ScriptedUi::Chosen(bad));
  form.MnuCreate_Click();
  ExpectWarning("Unable to create the file " + bad);
}

TEST_F(FrmMirTest, AnOutputNamedAsAnInputIsReplacedWhole) {
  const std::string first = Icon("uno.ico", 32, 8, 7);
  Open(first);
  Open(Icon("dos.ico", 48, 4, 0x11));
  ui.file_answers.push_back(ScriptedUi::Chosen(first));
  form.MnuCreate_Click();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(testing::ReadBytes(first).size(), 6u + 32 + 2216 + 1640);
  form.MnuExit_Click();
  EXPECT_TRUE(form.Closed);
}

}  // namespace
}  // namespace brindlex
