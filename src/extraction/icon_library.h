#pragma once

// The icons of any file the extraction accepts, recognised by content, not by name:
//  - a PE file (32- or 64-bit program, library, control, icon library): its group icons;
//  - an NE file (16-bit program, library, most icon libraries): its group icons;
//  - an animated cursor (RIFF "ACON"): its frames;
//  - an icon or cursor file: one icon.
// Anything else holds no icons. Icon n is drawn as its large image scaled to 32 x 32.
// Recognising a file reads its headers and directories only, never an image.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "extraction/ani_frames.h"
#include "extraction/icon_group_file.h"
#include "extraction/icon_library_bytes.h"
#include "extraction/ne_resources.h"
#include "extraction/pe_resources.h"
#include "pixels/surface.h"

namespace brindlex {

enum class IconLibraryKind { kNone, kPe, kNe, kAnimatedCursor, kIconFile };

// The most bytes taken from a source that cannot be read by parts, such as standard input,
// for any kind of file: such a source is held in memory whole. Programs and libraries are
// the largest files read (the largest of a Windows system are some tens of MiB); a file
// read by parts has no limit.
constexpr std::size_t kMaxLibraryBytesInMemory = 256u << 20;

class IconLibrary {
 public:
  // Reads the file's headers and resource directory (or chunk list); the file stays open
  // while the object lives. A file that cannot be opened, or is not a regular file, holds
  // no icons; False then, with the reason in `*error` when given.
  bool Open(const std::string& path, std::string* error = nullptr);
  // The same over bytes in memory, which must outlive the object.
  void Open(std::span<const std::uint8_t> bytes);
  // The same over bytes the object keeps (read from standard input, for example).
  void OpenOwned(std::vector<std::uint8_t> bytes);

  IconLibraryKind Kind() const { return kind_; }
  // Whether the file holds no icons only for its length: it is no program or library, and it
  // is longer than kMaxIconFileBytes, the most the animated-cursor and icon-file readers take.
  bool TooLarge() const { return too_large_; }

  // The number of icons, found from headers and directories alone: the groups of a PE or NE
  // file, the frames of an animated cursor (in the file's order, whatever its steps), 1 for
  // an icon or cursor file, else 0.
  int IconCount() const { return icon_count_; }
  // Decodes icon `index` (of IconCount) into 32 x 32 planes: mask white transparent, black
  // opaque; colour, a partly transparent pixel with its alpha kept (pixels/pixel_alpha.h). Only
  // that icon's chosen image is decoded. False on any fault, planes untouched.
  bool LoadIcon(int index, Surface& mask, Surface& color);
  // The hot spot of what LoadIcon draws for the same icon, when that is a cursor (an animated
  // cursor's frame or a cursor file; see ContainerHotSpot). False for an icon.
  bool LoadHotSpot(int index, CursorHotSpot& hot_spot);

  // Writes out icon `index` as the file stores it: a group as BuildIconGroupFile makes it, a
  // frame's own container, the whole icon or cursor file unchanged. False when there is no
  // such icon or it cannot be read (a frame that is no icon or cursor container).
  bool ReadGroupFile(int index, IconGroupFile& file);

  // What the readers of whole icons (rather than the 32 x 32 picture) need: the bytes of the
  // opened file, the group resources of a PE or NE file (nullptr for any other kind) and the
  // frames of an animated cursor (empty for any other kind).
  LibraryBytes& Bytes() { return *bytes_; }
  GroupIconResources* GroupResources();
  const AniFrames& Animation() const { return ani_; }

 private:
  void Recognise();

  std::unique_ptr<LibraryBytes> bytes_;
  std::vector<std::uint8_t> owned_;
  IconLibraryKind kind_ = IconLibraryKind::kNone;
  int icon_count_ = 0;
  bool too_large_ = false;
  PeResources pe_;
  NeResources ne_;
  AniFrames ani_;
};

}  // namespace brindlex
