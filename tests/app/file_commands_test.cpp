// The open and save commands of the main form, driven through a scripted Ui on real files.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>

#include "app/frm_brindlex.h"
#include "app/start_program.h"
#include "files/icon_reader.h"
#include "files/icon_test_files.h"
#include "pixels/pixel_alpha.h"
#include "run_unprivileged.h"
#include "scripted_ui.h"
#include "shell/recent_files.h"
#include "shell/settings_file.h"
#include "shell/settings_store.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FixedScreen;
using testing::ScriptedUi;
using testing::TempFolder;

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() : form(ui, screen, StartupPaths{}, &settings) { form.Form_Load(); }
  // The file dialogs make the chosen file's folder current: go back before it is removed.
  ~FileCommandsTest() override { std::filesystem::current_path(start_folder_); }

  // A three-image file: 16 x 16 at 1 bit (palette black, white; pixels all entry 1), 32 x 32
  // at 4 bits (entry 9 everywhere) and 48 x 48 at 8 bits; all opaque.
  std::string ThreeImageFile() {
    const std::string path = folder.File("tres.ico");
    testing::WriteBytes(path, testing::IconFile({testing::UniformImage(16, 1, 0xFF, 0),
                                                 testing::UniformImage(32, 4, 0x99, 0),
                                                 testing::UniformImage(48, 8, 0x07, 0)}));
    return path;
  }
  std::string SingleImageFile(const std::string& name, int edge, std::uint8_t mask_fill = 0) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::IconFile({testing::UniformImage(edge, 4, 0x9C, mask_fill)}));
    return path;
  }
  // Opens image 1 (32 x 32, grey 9) of a new three-image file; returns the file's path.
  std::string OpenSecondImageOfThree() {
    const std::string path = ThreeImageFile();
    ui.file_answers = {ScriptedUi::Chosen(path)};
    ui.pick_rows = {1};
    form.MenuClick("MnuOpen", -1);
    EXPECT_TRUE(form.MultiImage.FromMultiIconFile);
    return path;
  }
  // The file holds that image alone, its pixel (0, 0) edited to first_pixel: an 8-bit icon.
  static void ExpectSecondImageAlone(const std::string& path, Color first_pixel) {
    const Bytes saved = testing::ReadBytes(path);
    EXPECT_EQ(saved.size(), 22u + 2216u);
    ASSERT_EQ(GetIconImageCount(saved), 1);
    Surface mask, color;
    ASSERT_TRUE(LoadSingleIcon(saved, mask, color).Loaded());
    EXPECT_EQ(color.GetPixel(0, 0), first_pixel);
    EXPECT_EQ(color.GetPixel(5, 5), 0x090909u);
  }
  int SavePrompts() const {
    return static_cast<int>(
        std::count_if(ui.messages.begin(), ui.messages.end(),
                      [](const auto& m) { return m.text == "salvar kambios??"; }));
  }
  void Edit(Color c) {
    form.Document.PicMask.SetPixel(0, 0, kBlack);
    form.Document.PicImage.SetPixel(0, 0, c);
    form.Document.DisplayResults();
    form.History.RecordSnapshot(form.Document);
  }
  std::vector<std::string> Recent() {
    std::vector<std::string> tags;
    RecentMenu menu = RecentMenu::Of(form.Menus);
    for (int i = 1; i <= 4; ++i)
      if (menu.slots[i]->visible) tags.push_back(menu.slots[i]->tag);
    return tags;
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  TempFolder folder;
  ScriptedUi ui;
  FixedScreen screen;
  SettingsFile settings;
  FrmBrindlex form;
};

// Counts how often a file is opened while it lives (each open is followed by its close, so
// the kernel cannot fold two opens into one event).
class OpenCounter {
 public:
  explicit OpenCounter(const std::string& path) : fd_(::inotify_init1(IN_NONBLOCK)) {
    ::inotify_add_watch(fd_, path.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
  }
  ~OpenCounter() { ::close(fd_); }
  int Opens() {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;)
      for (char* p = buffer; p < buffer + got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(p);
        if (event->mask & IN_OPEN) ++opens_;
        p += sizeof(inotify_event) + event->len;
      }
    return opens_;
  }

 private:
  int fd_;
  int opens_ = 0;
};

TEST_F(FileCommandsTest, AnOpenReadsTheFileOnce) {
  const std::string single = SingleImageFile("uno.ico", 16), multi = ThreeImageFile();
  for (const std::string& path : {single, multi}) {
    OpenCounter counter(path);
    ui.file_answers = {ScriptedUi::Chosen(path)};
    ui.pick_rows = {2};
    form.MenuClick("MnuOpen", -1);
    EXPECT_EQ(form.CurrentFilePath, path);
    EXPECT_EQ(counter.Opens(), 1) << path;
  }
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_EQ(form.MultiImage.SourceIndex, 2);
  EXPECT_EQ(form.MultiImage.SourceBitCount, 8);
  EXPECT_EQ(form.MultiImage.SourceWidth, 48);
}

TEST_F(FileCommandsTest, OpeningASingleImageFileThroughTheDialog) {
  const std::string path = SingleImageFile("flag.ico", 16);
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuOpen", -1);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Quorvane 2001  editor - Abrir");
  EXPECT_EQ(ui.dialogs[0].filters[0].first, "Windows Icon (*.ico)");
  EXPECT_FALSE(ui.dialogs[0].save);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(form.Document.Edge(), 16);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x090909u);  // left nibble: entry 9
  EXPECT_EQ(form.Document.PicImage.GetPixel(1, 0), 0x0C0C0Cu);  // right nibble: entry 12
  EXPECT_EQ(form.Document.PicIcon.GetPixel(1, 0), 0x0C0C0Cu);
  EXPECT_EQ(form.Caption, "Quorvane- flag.ico");
  EXPECT_EQ(form.CurrentFilePath, path);
  EXPECT_EQ(form.CurrentFileTitle, "flag.ico");
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_FALSE(form.PicMainEnabled);
  EXPECT_TRUE(form.TmrEnableRunning);
  form.TmrEnable_Timer();
  EXPECT_TRUE(form.PicMainEnabled);
  EXPECT_EQ(Recent(), std::vector<std::string>{path});
  EXPECT_EQ(FindMenuEntry(form.Menus, "MnuRecent", 1)->caption, "&1 flag.ico");
  EXPECT_TRUE(FindMenuEntry(form.Menus, "MnuRecent", 0)->visible);
}

TEST_F(FileCommandsTest, FailedOpensReportAndLeaveTheDocument) {
  Edit(0x0000FF);
  form.Document.IconChanged = false;
  const std::string cursor = folder.File("flecha.cur");
  testing::WriteBytes(cursor, testing::IconFile({testing::UniformImage(32, 4)}, 2));
  const std::string odd = SingleImageFile("raro.ico", 24);
  for (const std::string& path : {cursor, odd}) {
    ui.file_answers = {ScriptedUi::Chosen(path)};
    form.PicMainEnabled = true;
    form.TmrEnableRunning = false;
    form.MenuClick("MnuOpen", -1);
    EXPECT_TRUE(form.TmrEnableRunning);
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "flecha.cur inono no valido");
  EXPECT_EQ(ui.messages[0].title, "Quorvane - Error");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.messages[1].text,
            "las dimenciones de este ikono no son iguales ke el Quorvane \r\n\r\n24 x 24 pixels.");
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");
  EXPECT_TRUE(Recent().empty());
  // A cancelled dialog changes nothing either.
  form.MenuClick("MnuOpen", -1);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(form.Document.Edge(), 32);
}

TEST_F(FileCommandsTest, ChangesStayUnsavedUntilAnotherIconHasReplacedThem) {
  const std::string cursor = folder.File("flecha.cur");
  testing::WriteBytes(cursor, testing::IconFile({testing::UniformImage(32, 4)}, 2));
  const std::string multi = ThreeImageFile();
  Edit(0x0000FF);
  // No at the prompt, then a cancelled dialog, a refused file, a cancelled pick, a recent
  // entry whose file has gone: the edit is on screen and still unsaved each time.
  ui.file_answers = {{}, ScriptedUi::Chosen(cursor), ScriptedUi::Chosen(multi)};
  ui.pick_rows = {-1};
  for (int open = 0; open < 3; ++open) {
    ui.answers = {MessageAnswer::kNo};
    form.MenuClick("MnuOpen", -1);
    EXPECT_TRUE(form.Document.IconChanged) << open;
  }
  const std::string gone = SingleImageFile("ido.ico", 16);
  RecentMenu recent = RecentMenu::Of(form.Menus);
  AddRecentFile(gone, recent);
  std::filesystem::remove(gone);
  ui.answers = {MessageAnswer::kNo};
  form.MenuClick("MnuRecent", 1);
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_EQ(SavePrompts(), 4);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");
  // So closing the window asks again.
  ui.answers = {MessageAnswer::kCancel};
  EXPECT_TRUE(form.Form_QueryUnload());
  EXPECT_EQ(SavePrompts(), 5);
  // A file that opens replaces them: nothing is left to ask about.
  ui.answers = {MessageAnswer::kNo};
  ui.file_answers = {ScriptedUi::Chosen(multi)};
  ui.pick_rows = {0};
  form.MenuClick("MnuOpen", -1);
  EXPECT_EQ(form.Document.Edge(), 16);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_FALSE(form.Form_QueryUnload());
  EXPECT_EQ(SavePrompts(), 6);
}

TEST_F(FileCommandsTest, ADroppedFileIsCheckedBeforeTheSavePrompt) {
  Edit(0x0000FF);
  const std::string text = folder.File("notas.txt");
  testing::WriteBytes(text, Bytes{'h', 'o', 'l', 'a'});
  form.OpenDroppedFile({text});
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "notas.txt inono no valido");
  // A multi-image file: the image is picked first; a cancelled pick asks nothing either.
  ui.pick_rows = {-1};
  form.OpenDroppedFile({ThreeImageFile()});
  EXPECT_EQ(ui.shown_rows.size(), 3u);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_TRUE(form.Document.IconChanged);
  // A file that can be opened: the prompt; Cancel keeps the edit, No opens the file.
  const std::string good = SingleImageFile("bueno.ico", 16);
  ui.answers = {MessageAnswer::kCancel};
  form.OpenDroppedFile({good});
  EXPECT_EQ(SavePrompts(), 1);
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_TRUE(form.Document.IconChanged);
  ui.answers = {MessageAnswer::kNo};
  form.OpenDroppedFile({good});
  EXPECT_EQ(SavePrompts(), 2);
  EXPECT_EQ(form.Document.Edge(), 16);
  EXPECT_EQ(form.CurrentFileTitle, "bueno.ico");
  EXPECT_FALSE(form.Document.IconChanged);
}

TEST_F(FileCommandsTest, WhiteOnWhitePixelsOpenAsOpaqueBlack) {
  // Palette entries 9 and 12 are greys; make a 1-bit file whose colour is white (entry 1
  // = white) under a transparent mask: white on white.
  const std::string path = folder.File("blanco.ico");
  Bytes palette = {0, 0, 0, 0, 255, 255, 255, 0};
  testing::WriteBytes(
      path,
      testing::IconFile({testing::BitmapImage(16, 1, palette, Bytes(64, 0xFF), Bytes(64, 0xFF))}));
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuOpen", -1);
  EXPECT_EQ(form.Document.PicMask.GetPixel(3, 3), kBlack);
  EXPECT_EQ(form.Document.PicImage.GetPixel(3, 3), kBlack);
  EXPECT_EQ(form.History.UndoList.back().mask.GetPixel(3, 3), kBlack);
}

TEST_F(FileCommandsTest, MultiImageFilesAskWhichImageAndSaveBackWithoutLosingAny) {
  const std::string path = ThreeImageFile();
  ui.file_answers = {ScriptedUi::Chosen(path)};
  ui.pick_rows = {-1};
  EXPECT_TRUE(form.MnuOpen_Click());  // a cancelled pick still counts as taken
  ASSERT_EQ(ui.shown_rows.size(), 3u);
  EXPECT_EQ(ui.shown_rows[1].text, "32 x 32 ... 16 Color");
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");  // cancelled: unchanged

  ui.file_answers = {ScriptedUi::Chosen(path)};
  ui.pick_rows = {1};
  form.MenuClick("MnuOpen", -1);
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(form.Document.PicImage.GetPixel(5, 5), 0x090909u);
  EXPECT_TRUE(form.MultiImage.FromMultiIconFile);
  EXPECT_EQ(form.MultiImage.SourceIndex, 1);

  for (Color c : {0x0000FFu, 0x00FF00u}) {
    Edit(c);
    EXPECT_TRUE(form.MnuSave_Click());
    EXPECT_FALSE(form.Document.IconChanged);
  }
  EXPECT_TRUE(ui.messages.empty());
  IconImageList list;
  const Bytes saved = testing::ReadBytes(path);
  ASSERT_EQ(GetIconImageCount(saved), 3);
  ASSERT_TRUE(ListIconImages(saved, 3, list));
  EXPECT_EQ(list.rows[0].text, "32 x 32 ... 256 Color");  // grey 9 and green: 8 bits
  EXPECT_EQ(list.rows[1].text, "16 x 16 ... Monochrome");
  EXPECT_EQ(list.rows[2].text, "48 x 48 ... 256 Color");
  // The saved image holds the latest edit; a new untitled icon saves as a single image.
  DecodeSurfaces decoded;
  ASSERT_TRUE(DecodeIconImage(saved, 0, decoded).Loaded());
  EXPECT_EQ(decoded.ColorSurface.GetPixel(0, 0), 0x00FF00u);
  form.MenuClick("MnuIconSize", 0);
  EXPECT_FALSE(form.MultiImage.FromMultiIconFile);
}

TEST_F(FileCommandsTest, AnImageWhoseMultiImageFileHasGoneIsSavedAlone) {
  const std::string notice =
      "no se enkuentra el archivo tres.ico kon las otras imagenes del "
      "ikono: se salva solo esta imagen";
  // Save: nothing is left to lose at the old path, so the image is written there alone; the
  // user is told once.
  const std::string path = OpenSecondImageOfThree();
  std::filesystem::remove(path);
  for (Color c : {0x0000FFu, 0x00FF00u}) {
    Edit(c);
    EXPECT_TRUE(form.MnuSave_Click());
    EXPECT_FALSE(form.Document.IconChanged);
    ExpectSecondImageAlone(path, c);
  }
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, notice);
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Aviso");
  EXPECT_FALSE(form.MultiImage.FromMultiIconFile);

  // Save As: the new file holds the image alone, and the caption is a one-image file's.
  ui.messages.clear();
  OpenSecondImageOfThree();
  std::filesystem::remove(path);
  Edit(0x0000FF);
  const std::string other = folder.File("otro.ico");
  ui.file_answers = {ScriptedUi::Chosen(other)};
  EXPECT_TRUE(form.MnuSaveAs_Click());
  ExpectSecondImageAlone(other, 0x0000FF);
  EXPECT_EQ(form.Caption, "Quorvane 2001  - otro.ico");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, notice);

  // A file that is there but no longer holds the image: both messages, titled, in Spanish.
  ui.messages.clear();
  OpenSecondImageOfThree();
  testing::WriteBytes(path, testing::IconFile({testing::UniformImage(16, 1, 0xFF, 0)}));
  EXPECT_FALSE(form.MnuSave_Click());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "el archivo ya no tiene la imagen ke se esta editando");
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Error");
  EXPECT_EQ(ui.messages[1].text, "chin no se puede salvar lo sentimos Quorvane tres.ico");
  EXPECT_EQ(ui.messages[1].title, "Quorvane - Error");
}

TEST_F(FileCommandsTest, AnImageWhoseMultiImageFileIsDamagedIsSavedAloneOnlyWhereNothingIsLost) {
  const std::string ask =
      "el archivo tres.ico esta dañado y las otras imagenes del ikono no se pueden "
      "konservar.\r\n\r\n¿Salvar solo esta imagen en su lugar?";
  const std::string notice =
      "el archivo tres.ico esta dañado y las otras imagenes del ikono no se pueden konservar: "
      "se salva solo esta imagen";
  // The directory is whole, the images behind it cut off.
  auto damage = [](const std::string& path) {
    Bytes bytes = testing::ReadBytes(path);
    bytes.resize(200);
    testing::WriteBytes(path, bytes);
    return bytes;
  };
  const std::string path = OpenSecondImageOfThree();
  const Bytes damaged = damage(path);
  Edit(0x0000FF);
  // Save over that file asks first; No writes nothing and shows nothing more.
  ui.answers = {MessageAnswer::kNo};
  EXPECT_FALSE(form.MnuSave_Click());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, ask);
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Aviso");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(testing::ReadBytes(path), damaged);
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_TRUE(form.MultiImage.FromMultiIconFile);

  // Save As writes the image alone into the new file, says so once, and leaves the damaged
  // one as it is; later saves go to the new file without a word.
  const std::string other = folder.File("otro.ico");
  ui.file_answers = {ScriptedUi::Chosen(other)};
  EXPECT_TRUE(form.MnuSaveAs_Click());
  ExpectSecondImageAlone(other, 0x0000FF);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, notice);
  EXPECT_EQ(ui.messages[1].title, "Quorvane 2001 - Aviso");
  EXPECT_EQ(ui.messages[1].buttons, MessageButtons::kOk);
  EXPECT_EQ(form.Caption, "Quorvane 2001  - otro.ico");
  EXPECT_FALSE(form.MultiImage.FromMultiIconFile);
  EXPECT_EQ(testing::ReadBytes(path), damaged);
  Edit(0x00FF00);
  EXPECT_TRUE(form.MnuSave_Click());
  ExpectSecondImageAlone(other, 0x00FF00);
  EXPECT_EQ(ui.messages.size(), 2u);

  // Yes to the question: the image alone replaces the damaged file.
  ui.messages.clear();
  OpenSecondImageOfThree();
  damage(path);
  Edit(0x0000FF);
  ui.answers = {MessageAnswer::kYes};
  EXPECT_TRUE(form.MnuSave_Click());
  ExpectSecondImageAlone(path, 0x0000FF);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, ask);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_FALSE(form.MultiImage.FromMultiIconFile);
}

TEST_F(FileCommandsTest, SaveAsWritesASingleImageAndRecordsTheFile) {
  Edit(0x0000FF);
  const std::string path = folder.File("nuevo.ico");
  // Save on an untitled icon asks for a name; a cancelled dialog changes nothing.
  EXPECT_FALSE(form.MnuSave_Click());
  EXPECT_TRUE(form.Document.IconChanged);
  ui.file_answers = {ScriptedUi::Chosen(path)};
  EXPECT_TRUE(form.MnuSaveAs_Click());
  EXPECT_EQ(ui.dialogs.back().title, "Quorvane 2001 editor - Salvar komo");
  EXPECT_EQ(ui.dialogs.back().default_extension, "ico");
  EXPECT_TRUE(ui.dialogs.back().save);
  EXPECT_EQ(form.Caption, "Quorvane 2001  - nuevo.ico");
  EXPECT_EQ(form.CurrentFilePath, path);
  EXPECT_EQ(Recent(), std::vector<std::string>{path});
  // Black, white, transparent and one red pixel of the 16 standard colours: 4 bits, 32 x 32.
  EXPECT_EQ(testing::ReadBytes(path).size(), 22u + 744u);
  EXPECT_EQ((std::vector<BusyPointer>{BusyPointer::kHourglass, BusyPointer::kNormal}), ui.pointers);

  // A save that cannot write reports and keeps the changes.
  Edit(0x00FF00);
  ui.file_answers = {ScriptedUi::Chosen(folder.File("no/such/folder.ico"))};
  EXPECT_FALSE(form.MnuSaveAs_Click());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "no s epuede salvar folder.ico");
  EXPECT_EQ(ui.messages[0].title, "Quorvane- Error");
  EXPECT_EQ(form.CurrentFilePath, path);
  EXPECT_TRUE(form.Document.IconChanged);
}

TEST_F(FileCommandsTest, SavePromptYesSavesAndCancelledSaveAsStopsTheCaller) {
  Edit(0x0000FF);
  ui.answers = {MessageAnswer::kYes};  // the save prompt; its Save As dialog is cancelled
  form.MenuClick("MnuIconSize", 2);
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_TRUE(form.Document.IconChanged);
  const std::string path = folder.File("guardado.ico");
  ui.answers = {MessageAnswer::kYes};
  ui.file_answers = {ScriptedUi::Chosen(path)};
  form.MenuClick("MnuIconSize", 2);
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(FileCommandsTest, RecentEntriesOpenOrAreDroppedWhenTheirFileFails) {
  const std::string a = SingleImageFile("a.ico", 16), b = SingleImageFile("b.ico", 32);
  const std::string c = ThreeImageFile();
  for (const std::string& path : {a, b, c}) {
    ui.file_answers = {ScriptedUi::Chosen(path)};
    ui.pick_rows = {0};
    form.MenuClick("MnuOpen", -1);
  }
  EXPECT_EQ(Recent(), (std::vector<std::string>{c, b, a}));
  // Cancelling the image choice keeps the entry.
  ui.pick_rows = {-1};
  form.MenuClick("MnuRecent", 1);
  EXPECT_EQ(Recent(), (std::vector<std::string>{c, b, a}));
  // A file replaced by something else is dropped after its message.
  testing::WriteBytes(b, Bytes{'n', 'o'});
  form.MenuClick("MnuRecent", 2);
  EXPECT_EQ(ui.messages.back().text, "b.ico inono no valido");
  EXPECT_EQ(Recent(), (std::vector<std::string>{c, a}));
  EXPECT_EQ(FindMenuEntry(form.Menus, "MnuRecent", 2)->caption, "&2 a.ico");
  // A missing file too.
  std::filesystem::remove(a);
  form.MenuClick("MnuRecent", 2);
  EXPECT_EQ(ui.messages.back().text, "no se enkuentra el archivo a.ico");
  EXPECT_EQ(Recent(), std::vector<std::string>{c});
  // Opening the listed file in other letters moves nothing and keeps its spelling.
  form.MenuClick("MnuRecent", 1);
  EXPECT_EQ(form.Document.Edge(), 16);
  EXPECT_EQ(Recent(), std::vector<std::string>{c});
}

TEST_F(FileCommandsTest, ARecentEntryOpensItsOwnFileWhenThePromptSavesUnderANewName) {
  const std::string a = SingleImageFile("a.ico", 16), b = SingleImageFile("b.ico", 32);
  const std::string c = SingleImageFile("c.ico", 48);
  for (const std::string& path : {a, b, c}) form.OpenDroppedFile({path});
  form.MenuClick("MnuIconSize", 1);
  Edit(0x0000FF);
  // Clicking b; the prompt's Save As puts the new file on top, so slot 2 then names c.
  const std::string saved = folder.File("nuevo.ico");
  ui.answers = {MessageAnswer::kYes};
  ui.file_answers = {ScriptedUi::Chosen(saved)};
  form.MenuClick("MnuRecent", 2);
  EXPECT_EQ(ui.messages.back().text, "salvar kambios??");
  EXPECT_EQ(form.CurrentFilePath, b);
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(Recent(), (std::vector<std::string>{b, saved, c, a}));

  // A file that fails to open after such a save loses its own entry, not its neighbour's.
  testing::WriteBytes(a, Bytes{'n', 'o'});
  form.MenuClick("MnuIconSize", 1);
  Edit(0x00FF00);
  const std::string other = folder.File("otro.ico");
  ui.answers = {MessageAnswer::kYes};
  ui.file_answers = {ScriptedUi::Chosen(other)};
  form.MenuClick("MnuRecent", 4);  // a; Save As pushes the list, dropping a from it...
  EXPECT_EQ(ui.messages.back().text, "a.ico inono no valido");  // ...yet a is what opens
  EXPECT_EQ(Recent(), (std::vector<std::string>{other, b, saved, c}));
}

TEST_F(FileCommandsTest, FileNamesOfUpTo255BytesAreSaved) {
  for (std::size_t length : {238u, 240u, 247u, 255u}) {
    std::string name(length - 4, 'l');
    name.replace(0, 7,
                 "\xC3\xB1"
                 "and\xC3\xBA");  // "ñandú": accented letters count as bytes
    name += ".ico";
    Edit(0x0000FF);
    ui.file_answers = {ScriptedUi::Chosen(folder.File(name))};
    EXPECT_TRUE(form.MnuSaveAs_Click()) << length;
    EXPECT_TRUE(ui.messages.empty()) << length;
    EXPECT_EQ(form.CurrentFileTitle, name);
    EXPECT_EQ(GetIconImageCount(testing::ReadBytes(folder.File(name))), 1);
    Edit(0x00FF00);
    EXPECT_TRUE(form.MnuSave_Click()) << length;
  }
  EXPECT_EQ(folder.Entries().size(), 4u);  // no temporary file left behind
}

TEST_F(FileCommandsTest, AWritableFileInAReadOnlyFolderIsSavedInPlace) {
  ::chmod(folder.Path().c_str(), 0755);
  const std::string locked = folder.File("solo-lectura");
  std::filesystem::create_directories(locked);
  const std::string path = locked + "/icono.ico", fixed = locked + "/fijo.ico";
  testing::WriteBytes(path, Bytes(5000, 0xAA));
  testing::WriteBytes(fixed, Bytes{1});
  ::chmod(path.c_str(), 0666);
  ::chmod(fixed.c_str(), 0444);
  ::chmod(locked.c_str(), 0555);
  form.CurrentFilePath = path;
  form.CurrentFileTitle = "icono.ico";
  Edit(0x0000FF);
  EXPECT_EQ(testing::RunUnprivileged([&] {
              if (!form.MnuSave_Click() || !ui.messages.empty()) return 1;
              form.CurrentFilePath = fixed;
              form.CurrentFileTitle = "fijo.ico";
              if (form.MnuSave_Click() || ui.messages.size() != 1) return 2;
              return ui.messages[0].text == "no se puede salvar Quorvane lo sentimos fijo.ico" ? 0
                                                                                               : 3;
            }),
            0);
  // The file holds the icon alone, cut to its length: a 4-bit 32 x 32 icon.
  EXPECT_EQ(testing::ReadBytes(path).size(), 22u + 744u);
  EXPECT_EQ(GetIconImageCount(testing::ReadBytes(path)), 1);
  EXPECT_EQ(testing::ReadBytes(fixed), Bytes{1});
  ::chmod(locked.c_str(), 0755);
}

TEST_F(FileCommandsTest, DropsOpenTheFirstFileAndTheCommandLineIsChecked) {
  const std::string a = SingleImageFile("uno.ico", 48), b = SingleImageFile("dos.ico", 16);
  form.OpenDroppedFile({});
  EXPECT_TRUE(ui.messages.empty());
  form.OpenDroppedFile({a, b});
  EXPECT_EQ(form.Document.Edge(), 48);
  EXPECT_EQ(form.CurrentFileTitle, "uno.ico");

  auto start_with = [&](const std::string& command_line) {
    ScriptedUi start_ui;
    StartupPaths paths;
    paths.CommandLine = command_line;
    SettingsFile memory;
    FrmBrindlex started(start_ui, screen, paths, &memory);
    started.Form_Load();
    return std::make_pair(start_ui.messages, started.Caption);
  };
  const std::string upper = folder.File("MAYUS.ICO");
  std::filesystem::copy_file(b, upper);
  EXPECT_EQ(start_with(upper).second, "Quorvane- MAYUS.ICO");
  auto [missing, caption] = start_with(folder.File("nada.ico"));
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0].text, "fALLO AL ABRIR EL ARCHIVO");
  EXPECT_EQ(missing[0].title, "Quorvane eRROr");
  EXPECT_EQ(caption, "Quorvane 2001 - Untitled");
  const std::string bitmap = folder.File("foto.bmp");
  testing::WriteBytes(bitmap, Bytes{'B', 'M'});
  auto bad = start_with(bitmap).first;
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_EQ(bad[0].text, "EXTENSION NO VALIDA");
  EXPECT_EQ(bad[0].title, "Quorvane ErRoR");
}

TEST_F(FileCommandsTest, ARelativeCommandLinePathNamesAFileOfTheStartFolder) {
  // Started in the icon's folder with a bare name, while the stored recent folder is another
  // one that the start-up makes current before the file is opened.
  namespace fs = std::filesystem;
  fs::create_directory(folder.File("icons"));
  fs::create_directory(folder.File("elsewhere"));
  testing::WriteBytes(folder.File("icons/TEST.ICO"),
                      testing::IconFile({testing::UniformImage(16, 4, 0x9C, 0)}));
  SettingsFile memory;
  memory.CreateKey(RegistryRoot::kCurrentUser, kRecentFolderKey);
  memory.WriteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue,
                    folder.File("elsewhere"));
  fs::current_path(folder.File("icons"));
  StartupPaths paths;
  paths.CommandLine = ResolveCommandLinePath("TEST.ICO", fs::current_path().string());
  ScriptedUi start_ui;
  FrmBrindlex started(start_ui, screen, paths, &memory);
  started.Form_Load();
  EXPECT_TRUE(start_ui.messages.empty());
  EXPECT_EQ(started.Caption, "Quorvane- TEST.ICO");
  EXPECT_EQ(started.CurrentFilePath, folder.File("icons/TEST.ICO"));
  EXPECT_EQ(started.Document.Edge(), 16);
  EXPECT_EQ(fs::current_path(), fs::path(folder.File("elsewhere")));
}

TEST_F(FileCommandsTest, A256PixelIconGetsTheSizeMessageAndAFadingOneOpensWithItsAlpha) {
  testing::StoredImage png;
  png.resource = testing::PngRgba(256, 256, Bytes(256 * 256 * 4, 0xFF));
  png.width = png.height = 0;
  const std::string big = folder.File("grande.ico");
  testing::WriteBytes(big, testing::IconFile({png}));
  ui.file_answers = {ScriptedUi::Chosen(big)};
  form.MenuClick("MnuOpen", -1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0].text,
      "las dimenciones de este ikono no son iguales ke el Quorvane \r\n\r\n256 x 256 pixels.");
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Error");
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");

  // A 16 x 16 image whose alpha fades opens without a word, every alpha kept.
  Bytes rgba;
  for (int i = 0; i < 16 * 16; ++i)
    rgba.insert(rgba.end(), {0x00, 0xFF, 0x00, static_cast<std::uint8_t>(i % 16 * 17)});
  png.resource = testing::PngRgba(16, 16, rgba);
  png.width = png.height = 16;
  const std::string fading = folder.File("sombra.ico");
  testing::WriteBytes(fading, testing::IconFile({png}));
  ui.messages.clear();
  ui.file_answers = {ScriptedUi::Chosen(fading)};
  form.MenuClick("MnuOpen", -1);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(form.Caption, "Quorvane- sombra.ico");
  const Surface& mask = form.Document.PicMask;
  const Surface& image = form.Document.PicImage;
  EXPECT_EQ(mask.GetPixel(0, 3), kWhite);  // alpha 0: transparent
  EXPECT_EQ(image.GetPixel(0, 3), kBlack);
  for (int x : {7, 8}) {  // alpha 119 and 136: partly transparent
    EXPECT_EQ(mask.GetPixel(x, 3), kBlack);
    EXPECT_EQ(image.GetPixel(x, 3), WithAlpha(0x00FF00, x * 17));
  }
  EXPECT_EQ(mask.GetPixel(15, 3), kBlack);  // alpha 255: opaque
  EXPECT_EQ(image.GetPixel(15, 3), 0x00FF00u);
  EXPECT_FALSE(form.Document.IconChanged);
}

// A 48 x 48 32-bit image as modern programs carry: alpha fading from 0 at the left edge to
// 255 at the right, colours varying, transparent pixels stored as 0, 0, 0, 0 with their mask
// bit set.
testing::StoredImage FadingThirtyTwoBitImage() {
  Bytes colors, masks(testing::PaddedRow(48, 1) * 48, 0);
  for (int r = 0; r < 48; ++r) {
    const int y = 47 - r;
    for (int x = 0; x < 48; ++x) {
      const auto alpha = static_cast<std::uint8_t>(x * 255 / 47);
      if (alpha == 0) {
        colors.insert(colors.end(), {0, 0, 0, 0});
        masks[r * testing::PaddedRow(48, 1) + x / 8] |= static_cast<std::uint8_t>(0x80 >> x % 8);
      } else {
        colors.insert(colors.end(),
                      {static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 5),
                       static_cast<std::uint8_t>((x + y) * 2), alpha});
      }
    }
  }
  return testing::BitmapImage(48, 32, {}, colors, masks);
}

TEST_F(FileCommandsTest, EditingOnePixelOfAFadingImageKeepsEveryOtherPixelsFourBytes) {
  const testing::StoredImage small = testing::UniformImage(16, 4, 0x9C, 0);
  const testing::StoredImage fading = FadingThirtyTwoBitImage();
  const std::string path = folder.File("moderno.ico");
  testing::WriteBytes(path, testing::IconFile({small, fading}));
  ui.file_answers = {ScriptedUi::Chosen(path)};
  ui.pick_rows = {1};
  form.MenuClick("MnuOpen", -1);
  ASSERT_EQ(form.Document.Edge(), 48);
  EXPECT_TRUE(ui.messages.empty());
  form.TmrEnable_Timer();
  form.OptTool_Click(kToolPencil);  // black, on pixel (20, 10)
  form.PicMain_MouseDown(kLeftButton, 0, 20 * 8 + 4, 10 * 8 + 4);
  form.PicMain_MouseUp(kLeftButton, 0, 20 * 8 + 4, 10 * 8 + 4);
  ASSERT_TRUE(form.MnuSave_Click());
  EXPECT_TRUE(ui.messages.empty());

  // The edited image comes first, at 32 bits; the other follows untouched.
  const Bytes saved = testing::ReadBytes(path);
  const std::size_t image_bytes = 40 + 48 * 48 * 4 + testing::PaddedRow(48, 1) * 48;
  ASSERT_EQ(saved.size(), 6 + 2 * 16 + image_bytes + small.resource.size());
  EXPECT_EQ(Bytes(saved.begin() + 6, saved.begin() + 22),
            (Bytes{48, 48, 0, 0, 1, 0, 32, 0, 0xA8, 0x25, 0, 0, 38, 0, 0, 0}));
  const auto edited = saved.begin() + 38;
  for (int r = 0; r < 48; ++r)
    for (int x = 0; x < 48; ++x) {
      const std::size_t at = 40 + (static_cast<std::size_t>(r) * 48 + x) * 4;
      const Bytes got(edited + at, edited + at + 4);
      const Bytes was(fading.resource.begin() + at, fading.resource.begin() + at + 4);
      const Bytes expected = x == 20 && r == 47 - 10 ? Bytes{0, 0, 0, 255} : was;
      ASSERT_EQ(got, expected) << x << ", " << 47 - r;
    }
  // The mask rows: set exactly where alpha is 0, as they were.
  EXPECT_TRUE(std::equal(edited + 40 + 48 * 48 * 4, edited + image_bytes,
                         fading.resource.begin() + 40 + 48 * 48 * 4));
  EXPECT_TRUE(std::equal(small.resource.begin(), small.resource.end(), edited + image_bytes));
}

TEST_F(FileCommandsTest, PickingAnImageOf256PixelsGivesTheIncompatibleSizeMessage) {
  // Its header gives no size: the row shows the directory's (0 standing for 256), and the
  // pick is refused as any other size the editor cannot hold, not taken for a cancel.
  const std::string path = folder.File("mixto.ico");
  testing::WriteBytes(
      path, testing::IconFile({testing::UniformImage(16, 4), testing::SizeOnlyInDirectoryImage()}));
  ui.file_answers = {ScriptedUi::Chosen(path)};
  ui.pick_rows = {1};
  form.MenuClick("MnuOpen", -1);
  ASSERT_EQ(ui.shown_rows.size(), 2u);
  EXPECT_EQ(ui.shown_rows[1].text, "256 x 256 ... Monochrome");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Quorvane 2001 no kompatibilidad de ikonos\r\n\r\n256 x 256 pixels.");
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Error");
  EXPECT_EQ(form.Document.Edge(), 32);
  EXPECT_EQ(form.Caption, "Quorvane 2001 - Untitled");
  EXPECT_TRUE(form.CurrentFilePath.empty());
}

}  // namespace
}  // namespace brindlex
