#pragma once

// The frames and steps of an animated cursor: a RIFF "ACON" file with an "anih" header, a
// LIST "fram" of "icon" chunks (each an icon or cursor container of one image) and an
// optional "seq " chunk giving the frame of every step.

#include <cstdint>
#include <optional>
#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

class AniFrames {
 public:
  // True when the bytes start with "RIFF" and the form type "ACON". The chunks are then
  // walked inside the RIFF chunk and the file, whichever ends first; the frames are the
  // "icon" chunks of every LIST "fram" that lie wholly in the file, and the steps are the
  // entries of the first "seq " chunk, or one per frame without it. The header's own frame
  // and step counts are not trusted: only what the file holds counts.
  bool Read(LibraryBytes& bytes);

  // The number of steps, from the first, whose frame exists and decodes; the animation is
  // shown up to its first unreadable step.
  int ReadableSteps(LibraryBytes& bytes);

  // Decodes the frame of `step` (its large image, at 32 x 32). False for a step past the
  // end or a frame that cannot be decoded.
  bool LoadStep(LibraryBytes& bytes, int step, Surface& mask, Surface& color);
  // Where the frame of `step` lies in the file: an icon or cursor container. False for a step
  // past the end or naming a frame that does not exist.
  bool StepFrame(int step, ResourceSpan& frame) const;

  std::size_t FrameCount() const { return frames_.size(); }
  // Where each frame's container lies in the file, in the file's order.
  const std::vector<ResourceSpan>& Frames() const { return frames_; }
  std::size_t StepCount() const { return has_sequence_ ? sequence_.size() : frames_.size(); }

 private:
  void WalkChunks(LibraryBytes& bytes, std::uint64_t begin, std::uint64_t end, bool in_frames);
  bool FrameReadable(LibraryBytes& bytes, std::size_t frame);

  std::vector<ResourceSpan> frames_;
  std::vector<std::uint32_t> sequence_;
  bool has_sequence_ = false;
  // Whether each frame decodes, found out once.
  std::vector<std::optional<bool>> readable_;
};

}  // namespace brindlex
