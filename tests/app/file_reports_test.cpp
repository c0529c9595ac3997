// The messages the file commands show for what the icon readers and writers report.
#include "app/file_reports.h"

#include <gtest/gtest.h>

#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::ScriptedUi;

// The one message a report showed: text and title, always a warning with an OK button.
std::pair<std::string, std::string> Shown(const ScriptedUi& ui) {
  EXPECT_EQ(ui.messages.size(), 1u);
  if (ui.messages.empty()) return {};
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::kOk);
  return {ui.messages[0].text, ui.messages[0].title};
}

template <typename Report, typename Result>
std::pair<std::string, std::string> ShownFor(Report report, const Result& result) {
  ScriptedUi ui;
  report(ui, result);
  return Shown(ui);
}

using Message = std::pair<std::string, std::string>;

TEST(FileReportsTest, LoadFailuresShowTheSizeOrTheLoadErrorOfTheirCommand) {
  const IconLoadResult odd{IconLoadStatus::kWrongSize, 32, 31, false};
  const IconLoadResult damaged{IconLoadStatus::kDamaged, 0, 0, false};
  EXPECT_EQ(ShownFor(ReportSingleIconFailure, odd),
            Message("las dimenciones de este ikono no son iguales ke el Quorvane \r\n\r\n32 x 31 "
                    "pixels.",
                    "Quorvane 2001 - Error"));
  EXPECT_EQ(ShownFor(ReportSingleIconFailure, damaged),
            Message("error inesperado al kargar ikono", "Quorvane 2001  - Error"));
  EXPECT_EQ(ShownFor(ReportDecodeFailure, IconLoadResult{IconLoadStatus::kWrongSize, 64, 64}),
            Message("Quorvane 2001 no kompatibilidad de ikonos\r\n\r\n64 x 64 pixels.",
                    "Quorvane 2001 - Error"));
  EXPECT_EQ(ShownFor(ReportDecodeFailure, damaged),
            Message("Quorvane 2001 error al kargar", "Quorvane 2001 - Error"));

  EXPECT_EQ(ShownFor(ReportSoftAlpha, IconLoadResult{IconLoadStatus::kLoaded, 16, 16, true}),
            Message("este ikono tiene pixels semitransparentes: los ke tienen 128 o mas de "
                    "opacidad kedan opakos y los demas transparentes.",
                    "Quorvane 2001 - Aviso"));
  ScriptedUi quiet;
  ReportSoftAlpha(quiet, IconLoadResult{IconLoadStatus::kLoaded, 16, 16, false});
  EXPECT_TRUE(quiet.messages.empty());
}

TEST(FileReportsTest, ReplaceFailuresShowTheSystemsTextOrTheFaultFound) {
  const std::pair<ReplaceResult, std::string> cases[] = {
      {{ReplaceError::kCannotRead, "No such file or directory"}, "No such file or directory"},
      {{ReplaceError::kCannotWrite, "Permission denied"}, "Permission denied"},
      {{ReplaceError::kSourceDamaged, ""},
       "The icon file to save into is damaged: its directory or an image lies outside the file."},
      {{ReplaceError::kSourceImageMissing, ""},
       "el archivo ya no tiene la imagen ke se esta editando"},
      {{ReplaceError::kPlaneSizeMismatch, ""},
       "The image being edited does not have the size of the image it replaces."},
      {{ReplaceError::kUnsupportedDepth, ""},
       "The image has colours that the chosen colour depth cannot hold."}};
  for (const auto& [result, text] : cases)
    EXPECT_EQ(ShownFor(ReportReplaceFailure, result), Message(text, "Quorvane 2001 - Error"));
}

}  // namespace
}  // namespace brindlex
