#include "cli/tool_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

#include "app/file_messages.h"
#include "cli/standard_streams.h"
#include "files/atomic_file.h"
#include "files/color_depth.h"
#include "files/decode_surfaces.h"
#include "files/file_bytes.h"
#include "files/icon_decoder.h"
#include "files/icon_image_list.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "files/image_kind.h"

namespace brindlex {

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool HasExtension(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  std::string tail = path.substr(path.size() - extension.size());
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == extension;
}

bool IsIconOutput(const std::string& output) {
  return HasExtension(output, ".ico") || IsStandardStream(output);
}

bool IsSameFile(const std::string& first, const std::string& second) {
  struct stat a {
  }, b{};
  return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsWholeNumber(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

int WholeNumberValue(const std::string& digits) {
  int value = 0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
    return INT_MAX;
  return value;
}

ImageInput ParseInput(const std::string& arg) {
  ImageInput input{arg, 0, false, "0"};
  if (FileExists(arg)) return input;
  const auto colon = arg.find_last_of(':');
  if (colon == std::string::npos || !IsWholeNumber(arg.substr(colon + 1))) return input;
  input.path = arg.substr(0, colon);
  input.indexed = true;
  input.index_text = arg.substr(colon + 1);
  input.index = WholeNumberValue(input.index_text);
  return input;
}

bool ReadInput(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
               std::ostream& err) {
  return ReadInput(path, max_bytes, TooLargeReason(max_bytes), bytes, err);
}

bool ReadInput(const std::string& path, std::size_t max_bytes, const std::string& too_large,
               std::vector<std::uint8_t>& bytes, std::ostream& err) {
  std::string error;
  const FileReadResult result = IsStandardStream(path)
                                    ? ReadStandardInput(max_bytes, bytes, &error)
                                    : ReadWholeFile(path, max_bytes, bytes, &error);
  switch (result) {
    case FileReadResult::kRead:
      return true;
    case FileReadResult::kTooLarge:
      Failure(err, path, too_large);
      return false;
    case FileReadResult::kFailed:
      break;
  }
  Failure(err, path, "cannot read: " + error);
  return false;
}

bool ReadIcon(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
  if (!ReadInput(path, kMaxIconFileBytes, bytes, err)) return false;
  if (!IsValidIconFile(IconFileBytes(bytes))) {
    Failure(err, path,
            SniffImageKind(bytes) == ImageKind::kIcon ? kDamagedImageList : kNotAPicture);
    return false;
  }
  return true;
}

bool OpenIconLibrary(IconLibrary& library, const std::string& path, std::ostream& err) {
  if (IsStandardStream(path)) {
    // Standard input cannot be read by parts: it is held whole.
    std::vector<std::uint8_t> bytes;
    if (!ReadInput(path, kMaxLibraryBytesInMemory, bytes, err)) return false;
    library.OpenOwned(std::move(bytes));
  } else if (std::string error; !library.Open(path, &error)) {
    Failure(err, path, "cannot read: " + error);
    return false;
  }
  if (library.TooLarge()) {
    TooLarge(err, path, kMaxIconFileBytes);
    return false;
  }
  return true;
}

bool OpenIconImage(const ImageInput& input, OpenedImage& image, std::ostream& err) {
  const std::string& path = input.path;
  std::vector<std::uint8_t> bytes;
  if (!ReadIcon(path, bytes, err)) return false;
  const IconFileBytes file(bytes);
  const int count = GetIconImageCount(file);
  if (input.index >= count) {
    Failure(err, path,
            "there is no image " + input.index_text + " (the file holds " + std::to_string(count) +
                (count == 1 ? " image)" : " images)"));
    return false;
  }

  image.state = MultiImageState();
  IconLoadResult loaded;
  if (count == 1) {
    loaded = LoadSingleIcon(file, image.mask, image.color, AlphaRule::kKeep);
  } else {
    // The pick is the row of the image list, as when the user picks a row.
    IconImageList list;
    if (!ListIconImages(file, count, list)) {
      Failure(err, path, kDamagedImageList);
      return false;
    }
    RecordPick(image.state, input.index, list.rows[input.index]);
    DecodeSurfaces surfaces;
    loaded = DecodeIconImage(file, input.index, surfaces, AlphaRule::kKeep);
    if (loaded.Loaded()) {
      image.mask = std::move(surfaces.MaskSurface);
      image.color = std::move(surfaces.ColorSurface);
      KeepPickAsSource(image.state);
    }
  }
  if (!loaded.Loaded()) {
    LoadFailure(err, path, loaded);
    return false;
  }
  SoftAlphaWarning(err, path, loaded);
  return true;
}

int WriteOutputFile(const std::string& output, const std::vector<std::uint8_t>& bytes,
                    std::ostream& err) {
  std::string error;
  if (IsStandardStream(output)
          ? !WriteStandardOutput(bytes, &error)
          : !WriteFileAtomically(output, bytes, &error, DiskFlush::kLeaveToSystem))
    return Failure(err, output, "cannot write: " + error);
  return kToolSuccess;
}

int SaveIconFile(const Surface& mask, const Surface& color, const std::string& output,
                 std::ostream& err) {
  std::vector<std::uint8_t> written;
  if (!BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written))
    return Failure(err, output, "the image cannot be encoded");
  return WriteOutputFile(output, written, err);
}

int SaveOpenedImage(const OpenedImage& image, const std::string& source, const std::string& output,
                    std::ostream& err) {
  if (!image.state.FromMultiIconFile || !IsSameFile(source, output))
    return SaveIconFile(image.mask, image.color, output, err);
  // The editor's save back into the file the image came from. The source is read whole
  // before the output, that same file, is replaced.
  const ReplaceResult result = ReplaceIconInFile(
      image.mask, image.color, ChooseColorDepth(image.color, true), source, output, image.state);
  if (!result.Saved()) return Failure(err, output, OneLine(ReplaceFailureText(result)));
  return kToolSuccess;
}

}  // namespace brindlex
