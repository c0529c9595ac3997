// brindlex-tool list: one line per image of icon and cursor files (and of PNG pictures, one
// image each), told by their content: the size and depth as the choice window shows them,
// then the stored depth, the directory's colour count, the bytes and a cursor's hot spot.
#include <cstdint>
#include <vector>

#include "cli/memory_failure.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"
#include "files/file_bytes.h"
#include "files/icon_container.h"
#include "files/icon_reader.h"
#include "files/image_kind.h"

namespace brindlex {
namespace {

// "16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes[, hot spot X,Y]". The size is the
// image header's, or the directory's where the header gives none.
std::string EntryLine(const EntryHeader& image, int width, int height, int color_count,
                      std::size_t bytes, const std::string* hot_spot) {
  std::string line = IconListRowText(image.width > 0 ? image.width : width,
                                     image.height > 0 ? image.height : height, image.bit_count);
  line += image.is_png ? ", PNG" : ", " + std::to_string(image.bit_count) + "-bit";
  line += ", colour count " + std::to_string(color_count) + ", " + std::to_string(bytes) + " bytes";
  if (hot_spot) line += ", hot spot " + *hot_spot;
  return line;
}

// The lines of one file; false when it is not a file list reads or its directory is damaged.
bool FileLines(const std::string& path, IconFileBytes bytes, std::vector<std::string>& lines,
               std::ostream& err) {
  const ImageKind kind = SniffImageKind(bytes);
  if (kind == ImageKind::kPng) {
    EntryHeader header;
    if (!ReadEntryHeader(bytes, header)) {
      Failure(err, path, "the PNG picture is damaged and cannot be decoded");
      return false;
    }
    lines.push_back(EntryLine(header, 0, 0, 0, bytes.size(), nullptr));
    return true;
  }
  if (kind != ImageKind::kIcon && kind != ImageKind::kCursor) {
    Failure(err, path, kNotAPicture);
    return false;
  }
  IconContainer container;
  if (!ReadIconContainer(bytes, container)) {
    Failure(err, path, kDamagedImageList);
    return false;
  }
  for (const ContainerEntry& entry : container.entries) {
    const std::string hot_spot =
        std::to_string(entry.hot_spot_x) + "," + std::to_string(entry.hot_spot_y);
    lines.push_back(EntryLine(entry.image, entry.width, entry.height, entry.color_count,
                              entry.bytes_in_resource, container.IsCursor() ? &hot_spot : nullptr));
  }
  return true;
}

}  // namespace

int ListCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  int status = kToolSuccess;
  std::vector<std::uint8_t> bytes;
  for (const std::string& path : files) {
    std::vector<std::string> lines;
    const int read = ToolStepFor(path, err, [&] {
      return ReadInput(path, kMaxIconFileBytes, bytes, err) &&
                     FileLines(path, IconFileBytes(bytes), lines, err)
                 ? kToolSuccess
                 : kToolFailure;
    });
    if (read != kToolSuccess) {
      status = kToolFailure;
      continue;
    }
    for (const std::string& line : lines) {
      if (files.size() > 1) out << path << ": ";
      out << line << '\n';
    }
  }
  return status;
}

}  // namespace brindlex
