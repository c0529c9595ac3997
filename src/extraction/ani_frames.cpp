#include "extraction/ani_frames.h"

#include <algorithm>
#include <cstring>

#include "files/icon_format.h"

namespace brindlex {
namespace {

constexpr int kChunkHeaderBytes = 8;
constexpr int kSequenceEntryBytes = 4;

bool IdIs(const std::uint8_t* id, const char (&name)[5]) { return std::memcmp(id, name, 4) == 0; }

}  // namespace

void AniFrames::WalkChunks(LibraryBytes& bytes, std::uint64_t begin, std::uint64_t end,
                           bool in_frames) {
  // Each chunk moves the walk at least 8 bytes on, and lists nest one level only. A list of
  // frames holds at most one per 8 bytes: room for them all is made at once, so that a file
  // of many tiny frames is not copied as the list grows (the room no frame takes is never
  // touched, and costs no memory).
  std::uint64_t at = begin;
  if (in_frames) frames_.reserve(frames_.size() + (end - begin) / kChunkHeaderBytes);
  while (at + kChunkHeaderBytes <= end) {
    std::uint8_t header[kChunkHeaderBytes];
    if (!bytes.Read(at, kChunkHeaderBytes, header)) return;
    const std::uint64_t size = ReadU32(header + 4);
    const std::uint64_t data = at + kChunkHeaderBytes;
    const std::uint64_t data_end = std::min(end, data + size);
    if (in_frames) {
      if (IdIs(header, "icon") && data + size <= end)
        frames_.push_back({static_cast<std::uint32_t>(data), static_cast<std::uint32_t>(size)});
    } else if (IdIs(header, "LIST")) {
      std::uint8_t list_type[4];
      if (data + 4 <= data_end && bytes.Read(data, 4, list_type) && IdIs(list_type, "fram"))
        WalkChunks(bytes, data + 4, data_end, true);
    } else if (IdIs(header, "seq ") && !has_sequence_) {
      has_sequence_ = true;
      sequence_at_ = data;
      sequence_steps_ = (data_end - data) / kSequenceEntryBytes;
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
      std::min<std::uint64_t>({bytes.Size(), 8 + std::uint64_t{ReadU32(header + 4)}, UINT32_MAX});
  WalkChunks(bytes, sizeof header, end, false);
  return true;
}

ResourceSpan AniFrames::Frame(std::size_t index) const {
  return {frames_[index].offset, frames_[index].size};
}

bool AniFrames::StepFrame(LibraryBytes& bytes, std::uint64_t step, ResourceSpan& frame) const {
  if (step >= StepCount()) return false;
  std::uint64_t index = step;
  if (has_sequence_) {
    std::uint32_t stored = 0;
    if (!bytes.ReadU32(sequence_at_ + kSequenceEntryBytes * step, stored)) return false;
    index = stored;
  }
  if (index >= frames_.size()) return false;
  frame = Frame(static_cast<std::size_t>(index));
  return true;
}

}  // namespace brindlex
