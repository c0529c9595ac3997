// brindlex-tool build: a multi-image icon file from single icons, as the builder window
// makes it.
#include <cstdint>
#include <span>
#include <vector>

#include "cli/export_commands.h"
#include "cli/tool_support.h"
#include "files/file_bytes.h"
#include "files/image_kind.h"
#include "files/multi_icon_builder.h"

namespace brindlex {
namespace {

// What makes an icon file of the pictures the builder does not take.
constexpr const char* kUseCreate = "; 'brindlex-tool create OUT.ico IN...' takes ";

// The window's refusal of an input, without its line breaks, and where the builder takes no
// such picture, the command that does.
std::string Refusal(BuilderReadResult result, std::span<const std::uint8_t> bytes) {
  switch (result) {
    case BuilderReadResult::kNotAnIcon:
      if (SniffImageKind(bytes) == ImageKind::kPng)
        return std::string("a PNG picture, not an icon file") + kUseCreate + "PNG pictures";
      return "not an icon file";
    case BuilderReadResult::kNoImages:
      return "unable to read data: the file holds no image";
    case BuilderReadResult::kSeveralImages:
      return std::string("a multi icon resource; only single icons can be loaded") + kUseCreate +
             "an image of it as FILE.ico:INDEX";
    case BuilderReadResult::kUnableToLoad:
      return std::string(
                 "unable to load icon (only square 16, 32 and 48-pixel images at 1, 4, 8 or 24 "
                 "bits, stored whole in the file, can be loaded)") +
             kUseCreate + "32-bit images, PNG pictures and every size to 256";
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
  if (!IsIconOutput(output)) return UsageError(err, "the output must be an .ico file: " + output);

  // The slots fill as the builder window fills them: each input into the slot of its size
  // and depth, a later one replacing an earlier one of the same.
  BuilderSlots slots;
  for (const std::string& input : inputs) {
    if (slots.UsedCount() == kBuilderMaxIcons)
      return Failure(err, input, "a maximum of ten icons has been reached");
    std::vector<std::uint8_t> bytes;
    if (!ReadInput(input, kMaxIconFileBytes, bytes, err)) return kToolFailure;
    SlotImage image;
    const BuilderReadResult result = ReadBuilderInput(IconFileBytes(bytes), image);
    if (result != BuilderReadResult::kLoaded) return Failure(err, input, Refusal(result, bytes));
    slots.Put(image);
  }
  if (slots.UsedCount() < 2)
    return Failure(err, output,
                   "the inputs fill only one slot (they all have the same size and depth); a "
                   "multi-image file needs two at least");

  std::vector<std::uint8_t> bytes;
  if (!slots.BuildFileBytes(bytes)) return Failure(err, output, "nothing to write");
  return WriteOutputFile(output, bytes, err);
}

}  // namespace brindlex
