#pragma once

// What the fuzz targets of the program, library and animated-cursor readers share: the
// checks every decoded icon must pass, and a run of the same bytes through a real file.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "extraction/icon_library.h"
#include "extraction/icon_library_group.h"

namespace brindlex::fuzz {

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A decoded icon is 32 x 32 with a mask of black and white only.
inline void CheckIcon(const Surface& mask, const Surface& color) {
  Check(mask.Width() == kLargeIconEdge && mask.Height() == kLargeIconEdge);
  Check(color.Width() == kLargeIconEdge && color.Height() == kLargeIconEdge);
  for (const Color c : mask.Pixels()) Check(c == kBlack || c == kWhite);
}

// Runs the whole library over the bytes: count, the first icons with their hot spots, and an
// animated cursor's first steps, each of which names a frame inside the file. Returns the count.
inline int ExerciseLibrary(IconLibrary& library, int max_icons) {
  const int count = library.IconCount();
  for (int i = 0; i < count && i < max_icons; ++i) {
    Surface mask, color;
    if (library.LoadIcon(i, mask, color)) CheckIcon(mask, color);
    // A cursor's hot spot lies on the 32 x 32 picture.
    CursorHotSpot spot;
    if (library.LoadHotSpot(i, spot))
      Check(spot.x >= 0 && spot.x < kLargeIconEdge && spot.y >= 0 && spot.y < kLargeIconEdge);
  }
  const AniFrames& animation = library.Animation();
  for (std::uint64_t step = 0; step < animation.StepCount() && step < 64; ++step) {
    ResourceSpan frame;
    if (animation.StepFrame(library.Bytes(), step, frame))
      Check(frame.offset + frame.size <= library.Bytes().Size());
  }
  return count;
}

// Every sixteenth input also goes through a file, whose paged reads must give the same
// count as the bytes in memory.
inline void CompareWithFile(std::span<const std::uint8_t> data, int count_in_memory) {
  if (data.empty() || (data[0] & 0x0F) != 0) return;
  char path[] = "/tmp/brindlex_fuzz_library_XXXXXX";
  const int fd = ::mkstemp(path);
  if (fd < 0) return;
  const bool written = ::write(fd, data.data(), data.size()) == static_cast<ssize_t>(data.size());
  ::close(fd);
  if (written) {
    IconLibrary from_file;
    Check(from_file.Open(std::string(path)));
    Check(from_file.IconCount() == count_in_memory);
  }
  ::unlink(path);
}

// One fuzz input through the reader that recognises it: every icon that decodes must be a
// 32 x 32 icon, a count can never exceed what the bytes can hold, and the same bytes read
// from a file give the same count. The PE, NE and ANI targets differ only in their corpora.
inline void FuzzLibraryBytes(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  IconLibrary library;
  library.Open(bytes);
  const int count = ExerciseLibrary(library, 12);
  Check(count >= 0 && static_cast<std::size_t>(count) <= size / 8 + 1);
  CompareWithFile(bytes, count);
}

}  // namespace brindlex::fuzz
