// brindlex-tool extract: one icon of a program, library or animated cursor, taken as the
// extraction dialog takes it and saved as the editor saves it, or written out as the file
// stores it.
#include <cstdint>
#include <vector>

#include "cli/extract_groups.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"
#include "extraction/icon_extraction.h"

namespace brindlex {

int ExtractCommand(const std::string& input, const std::string& index_text,
                   const std::string& output, bool group, std::ostream& err) {
  if (!IsWholeNumber(index_text))
    return UsageError(err, "the icon number must be a whole number from 0: " + index_text);
  const int index = WholeNumberValue(index_text);
  // A group is written as stored, an icon or a cursor container, whatever the name.
  if (!group && !IsIconOutput(output))
    return UsageError(err, "the output must be an .ico file: " + output);
  // The icon is written as a new file: over the file it comes from, that would throw away
  // every other icon or image the file holds.
  if (IsSameFile(input, output))
    return Failure(err, output,
                   "is the file the icon is taken from; extract writes a new one-image file");

  IconLibrary library;
  if (!OpenIconLibrary(library, input, err)) return kToolFailure;
  if (library.Kind() == IconLibraryKind::kNone) return Failure(err, input, kNotAnIconHolder);
  const int count = library.IconCount();
  if (count == 0) return Failure(err, input, "the file holds no icons");
  if (index >= count)
    return Failure(err, input,
                   "there is no icon " + index_text + " (the file holds " + std::to_string(count) +
                       (count == 1 ? " icon)" : " icons)"));
  if (group) return WriteIconGroup(library, input, index, output, err);

  Surface mask, color;
  if (!library.LoadIcon(index, mask, color))
    return Failure(err, input, "icon " + index_text + " cannot be decoded");
  return SaveIconFile(mask, color, output, err);
}

}  // namespace brindlex
