// brindlex-tool build: a multi-image icon file from single icons, as the builder window
// makes it.
#include <cstdint>
#include <vector>

#include "cli/export_commands.h"
#include "cli/tool_support.h"
#include "files/file_bytes.h"
#include "forms/frm_mir.h"

namespace brindlex {
namespace {

// The window's refusal of an input, without its line breaks.
std::string Refusal(BuilderReadResult result) {
  switch (result) {
    case BuilderReadResult::kNotAnIcon:
      return "not an icon file";
    case BuilderReadResult::kNoImages:
      return "unable to read data: the file holds no image";
    case BuilderReadResult::kSeveralImages:
      return "a multi icon resource; only single icons can be loaded";
    case BuilderReadResult::kUnableToLoad:
      return "unable to load icon (only square 16, 32 and 48-pixel images at 1, 4, 8 or 24 "
             "bits, stored whole in the file, can be loaded)";
    case BuilderReadResult::kLoaded:
      break;
  }
  return {};
}

}  // namespace

int BuildCommand(const std::string& output, const std::vector<std::string>& inputs,
                 std::ostream& err) {
  if (inputs.size() < 2)
    return UsageError(err, "build takes an output file and two inputs or more");
  if (!HasExtension(output, ".ico"))
    return UsageError(err, "the output must be an .ico file: " + output);

  // The window's own form does the loading, so the slots fill exactly as they do there.
  StreamUi ui(err, output);
  FrmMir builder(ui);
  builder.Form_Load();
  for (const std::string& input : inputs) {
    if (builder.UsedCount() == kBuilderMaxIcons)
      return Failure(err, input, "a maximum of ten icons has been reached");
    // The builder takes any file it cannot read for no icon; reading it once first names
    // the true cause (missing, not a regular file, too large).
    std::vector<std::uint8_t> readable;
    if (!ReadInput(input, kMaxIconFileBytes, readable, err)) return kToolFailure;
    const BuilderReadResult result = builder.LoadIconIntoSlot(input);
    if (result != BuilderReadResult::kLoaded) return Failure(err, input, Refusal(result));
  }
  if (builder.UsedCount() < 2)
    return Failure(err, output,
                   "the inputs fill only one slot (they all have the same size and depth); a "
                   "multi-image file needs two at least");

  std::vector<std::uint8_t> bytes;
  if (!builder.BuildFileBytes(bytes)) return Failure(err, output, "nothing to write");
  return WriteOutputFile(output, bytes, err);
}

}  // namespace brindlex
