#include "app/file_reports.h"

#include "app/file_messages.h"

namespace brindlex {
namespace {

void Warn(Ui& ui, const std::string& text, const char* title) {
  ui.ShowMessage(text, title, MessageIcon::kExclamation, MessageButtons::kOk);
}

// The size message or the load error of a load that failed.
void ReportLoadFailure(Ui& ui, const IconLoadResult& result, const char* size_text,
                       const char* error_text, const char* error_title) {
  if (result.status == IconLoadStatus::kWrongSize)
    Warn(ui, SizeMessage(size_text, result.width, result.height), app_text::kIconErrorTitle);
  else
    Warn(ui, error_text, error_title);
}

}  // namespace

void ReportSingleIconFailure(Ui& ui, const IconLoadResult& result) {
  ReportLoadFailure(ui, result, app_text::kSingleIconSizeText, app_text::kSingleIconLoadErrorText,
                    app_text::kIconLoadErrorTitle);
}

void ReportDecodeFailure(Ui& ui, const IconLoadResult& result) {
  ReportLoadFailure(ui, result, app_text::kDecodeSizeText, app_text::kDecodeErrorText,
                    app_text::kIconErrorTitle);
}

void ReportSoftAlpha(Ui& ui, const IconLoadResult& result) {
  if (result.Loaded() && result.soft_alpha)
    Warn(ui, app_text::kSoftAlphaText, app_text::kSoftAlphaTitle);
}

void ReportReplaceFailure(Ui& ui, const ReplaceResult& result) {
  Warn(ui, ReplaceFailureText(result), app_text::kIconErrorTitle);
}

}  // namespace brindlex
