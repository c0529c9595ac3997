#pragma once

// The frames and steps of an animated cursor: a RIFF "ACON" file with an "anih" header, a
// LIST "fram" of "icon" chunks (each an icon or cursor container of one image) and an
// optional "seq " chunk giving the frame of every step.

#include <cstdint>
#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

class AniFrames {
 public:
  // True when the bytes start with "RIFF" and the form type "ACON". The chunks are then
  // walked inside the RIFF chunk and the file, whichever ends first; the frames are the
  // "icon" chunks of every LIST "fram" that lie wholly in the file, and the steps are the
  // entries of the first "seq " chunk, or one per frame without it. The header's own frame
  // and step counts are not trusted: only what the file holds counts. Only chunk headers are
  // read: no frame is decoded and the sequence stays in the file.
  bool Read(LibraryBytes& bytes);

  // Where the frame of `step` lies in the file: an icon or cursor container. False for a step
  // past the end, naming a frame that does not exist, or whose entry cannot be read.
  bool StepFrame(LibraryBytes& bytes, std::uint64_t step, ResourceSpan& frame) const;

  std::size_t FrameCount() const { return frames_.size(); }
  // Where frame `index` (below FrameCount) lies in the file: the frames count in the file's
  // order, whatever the steps.
  ResourceSpan Frame(std::size_t index) const;
  std::uint64_t StepCount() const { return has_sequence_ ? sequence_steps_ : frames_.size(); }

 private:
  // A frame's place, in 32 bits each: the walk stops at 4 GiB, and a file that large is
  // never read as an animated cursor. Half the memory of a ResourceSpan, for a file of many
  // tiny chunks.
  struct FramePlace {
    std::uint32_t offset, size;
  };
  void WalkChunks(LibraryBytes& bytes, std::uint64_t begin, std::uint64_t end, bool in_frames);

  std::vector<FramePlace> frames_;
  bool has_sequence_ = false;
  std::uint64_t sequence_at_ = 0;
  std::uint64_t sequence_steps_ = 0;
};

}  // namespace brindlex
