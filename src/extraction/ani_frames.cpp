#include "extraction/ani_frames.h"

#include <algorithm>
#include <cstring>

#include "files/icon_format.h"

namespace brindlex {
namespace {

constexpr int kChunkHeaderBytes = 8;

bool IdIs(const std::uint8_t* id, const char (&name)[5]) { return std::memcmp(id, name, 4) == 0; }

}  // namespace

void AniFrames::WalkChunks(LibraryBytes& bytes, std::uint64_t begin, std::uint64_t end,
                           bool in_frames) {
  // Each chunk moves the walk at least 8 bytes on, and lists nest one level only.
  std::uint64_t at = begin;
  while (at + kChunkHeaderBytes <= end) {
    std::uint8_t header[kChunkHeaderBytes];
    if (!bytes.Read(at, kChunkHeaderBytes, header)) return;
    const std::uint64_t size = ReadU32(header + 4);
    const std::uint64_t data = at + kChunkHeaderBytes;
    const std::uint64_t data_end = std::min(end, data + size);
    if (in_frames) {
      if (IdIs(header, "icon") && data + size <= end) frames_.push_back({data, size});
    } else if (IdIs(header, "LIST")) {
      std::uint8_t list_type[4];
      if (data + 4 <= data_end && bytes.Read(data, 4, list_type) && IdIs(list_type, "fram"))
        WalkChunks(bytes, data + 4, data_end, true);
    } else if (IdIs(header, "seq ") && !has_sequence_) {
      std::vector<std::uint8_t> raw;
      if (bytes.ReadVector(data, (data_end - data) / 4 * 4, raw)) {
        has_sequence_ = true;
        sequence_.resize(raw.size() / 4);
        for (std::size_t i = 0; i < sequence_.size(); ++i)
          sequence_[i] = ReadU32(raw.data() + 4 * i);
      }
    }
    at = data + size + (size & 1);  // Chunks are padded to an even length.
  }
}

bool AniFrames::Read(LibraryBytes& bytes) {
  *this = AniFrames();
  std::uint8_t header[12];
  if (!bytes.Read(0, sizeof header, header) || !IdIs(header, "RIFF") || !IdIs(header + 8, "ACON"))
    return false;
  const std::uint64_t end =
      std::min<std::uint64_t>(bytes.Size(), 8 + std::uint64_t{ReadU32(header + 4)});
  WalkChunks(bytes, sizeof header, end, false);
  readable_.assign(frames_.size(), std::nullopt);
  return true;
}

bool AniFrames::FrameReadable(LibraryBytes& bytes, std::size_t frame) {
  if (frame >= frames_.size()) return false;
  if (!readable_[frame]) {
    Surface mask, color;
    std::vector<std::uint8_t> container;
    readable_[frame] = bytes.ReadVector(frames_[frame].offset, frames_[frame].size, container) &&
                       LoadContainerIcon(container, mask, color);
  }
  return *readable_[frame];
}

int AniFrames::ReadableSteps(LibraryBytes& bytes) {
  int steps = 0;
  const std::size_t total = StepCount();
  while (static_cast<std::size_t>(steps) < total &&
         FrameReadable(bytes, has_sequence_ ? sequence_[steps] : steps))
    ++steps;
  return steps;
}

bool AniFrames::StepFrame(int step, ResourceSpan& frame) const {
  if (step < 0 || static_cast<std::size_t>(step) >= StepCount()) return false;
  const std::size_t index = has_sequence_ ? sequence_[step] : static_cast<std::size_t>(step);
  if (index >= frames_.size()) return false;
  frame = frames_[index];
  return true;
}

bool AniFrames::LoadStep(LibraryBytes& bytes, int step, Surface& mask, Surface& color) {
  ResourceSpan frame;
  std::vector<std::uint8_t> container;
  return StepFrame(step, frame) && bytes.ReadVector(frame.offset, frame.size, container) &&
         LoadContainerIcon(container, mask, color);
}

}  // namespace brindlex
