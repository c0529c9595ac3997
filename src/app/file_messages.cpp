#include "app/file_messages.h"

namespace brindlex {

std::string SizeMessage(const std::string& text, long long width, long long height) {
  return text + "\r\n\r\n" + std::to_string(width) + " x " + std::to_string(height) + " pixels.";
}

std::string ReplaceFailureText(const ReplaceResult& result) {
  switch (result.error) {
    case ReplaceError::kSourceDamaged:
      return app_text::kSourceDamagedText;
    case ReplaceError::kSourceImageMissing:
      return app_text::kSourceImageMissingText;
    case ReplaceError::kPlaneSizeMismatch:
      return app_text::kPlaneSizeMismatchText;
    case ReplaceError::kUnsupportedDepth:
      return app_text::kUnsupportedDepthText;
    case ReplaceError::kCannotRead:
    case ReplaceError::kCannotWrite:
    case ReplaceError::kNone:
      break;
  }
  return result.system_error;
}

}  // namespace brindlex
