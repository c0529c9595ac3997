#include "extraction/ne_resources.h"

#include <algorithm>

#include "files/icon_format.h"

namespace brindlex {
namespace {

constexpr std::uint16_t kMzSignature = 0x5A4D;  // "MZ"
constexpr std::uint16_t kNeSignature = 0x454E;  // "NE"
constexpr int kResourceTableField = 0x24;
// The resident-name table follows the resource table: its offset is where that one ends.
constexpr int kResidentNameTableField = 0x26;
constexpr int kTypeInfoBytes = 8;
constexpr int kNameInfoBytes = 12;
constexpr std::uint16_t kGroupIconType = 0x800E;
constexpr std::uint16_t kIconResourceType = 0x8003;
constexpr std::uint16_t kIntegerBit = 0x8000;
// Shifts beyond this cannot address any byte of a file the readers accept.
constexpr int kMaxAlignmentShift = 31;

}  // namespace

bool NeResources::Read(LibraryBytes& bytes) {
  groups_.clear();
  icons_.clear();
  std::uint16_t mz = 0, ne = 0, table = 0, table_end = 0, shift = 0;
  std::uint32_t ne_at = 0;
  if (!bytes.ReadU16(0, mz) || mz != kMzSignature || !bytes.ReadU32(0x3C, ne_at) ||
      !bytes.ReadU16(ne_at, ne) || ne != kNeSignature)
    return false;
  if (!bytes.ReadU16(std::uint64_t{ne_at} + kResourceTableField, table) || table == 0 ||
      !bytes.ReadU16(std::uint64_t{ne_at} + kResidentNameTableField, table_end) ||
      table_end <= table)
    return true;
  std::uint64_t at = std::uint64_t{ne_at} + table;
  const std::uint64_t end = std::uint64_t{ne_at} + table_end;
  if (!bytes.ReadU16(at, shift) || shift > kMaxAlignmentShift) return true;
  at += 2;
  const std::uint64_t file_size = bytes.Size();
  // Every step reads at least 8 bytes further into the table, and nothing past its end.
  for (;;) {
    std::uint8_t type_info[kTypeInfoBytes];
    std::uint16_t type_id = 0;
    if (at + 2 > end || !bytes.ReadU16(at, type_id) || type_id == 0) break;
    if (at + kTypeInfoBytes > end || !bytes.Read(at, kTypeInfoBytes, type_info)) break;
    const std::uint16_t count = ReadU16(type_info + 2);
    at += kTypeInfoBytes;
    const std::uint64_t names_size = std::uint64_t{count} * kNameInfoBytes;
    std::vector<std::uint8_t> names;
    if (names_size > end - at || !bytes.ReadVector(at, names_size, names)) break;
    at += names.size();
    if (type_id != kGroupIconType && type_id != kIconResourceType) continue;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t* name = names.data() + i * kNameInfoBytes;
      ResourceSpan span;
      span.offset = std::uint64_t{ReadU16(name)} << shift;
      span.size = std::uint64_t{ReadU16(name + 2)} << shift;
      if (span.offset >= file_size || span.size == 0) continue;
      span.size = std::min(span.size, file_size - span.offset);
      if (type_id == kGroupIconType) {
        groups_.push_back(span);
      } else {
        const std::uint16_t id = ReadU16(name + 6);
        if (id & kIntegerBit)
          icons_.push_back({static_cast<std::uint16_t>(id & ~kIntegerBit), span});
      }
    }
  }
  std::stable_sort(icons_.begin(), icons_.end(),
                   [](const Icon& a, const Icon& b) { return a.id < b.id; });
  return true;
}

bool NeResources::FindIcon(LibraryBytes&, int, std::uint16_t id, ResourceSpan& span) {
  const auto icon =
      std::lower_bound(icons_.begin(), icons_.end(), id,
                       [](const Icon& i, std::uint16_t number) { return i.id < number; });
  if (icon == icons_.end() || icon->id != id) return false;
  span = icon->span;
  return true;
}

}  // namespace brindlex
