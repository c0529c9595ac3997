#include "extraction/pe_resources.h"

#include <algorithm>

#include "files/icon_format.h"

namespace brindlex {
namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kMzSignature = 0x5A4D;      // "MZ"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr int kCoffHeaderBytes = 20;
constexpr int kSectionHeaderBytes = 40;
// The loader of the original platform accepts at most 96 sections.
constexpr int kMaxSections = 96;
constexpr int kResourceDirectoryIndex = 2;
constexpr int kDirectoryHeaderBytes = 16;
constexpr int kDirectoryEntryBytes = 8;
constexpr int kDataEntryBytes = 16;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000u;
constexpr std::uint32_t kNameBit = 0x80000000u;
constexpr std::uint32_t kGroupIconType = 14;
constexpr std::uint32_t kIconResourceType = 3;

}  // namespace

bool PeResources::MapRva(std::uint64_t rva, std::uint64_t length, std::uint64_t& offset) const {
  for (const Section& s : sections_) {
    if (rva < s.virtual_address) continue;
    const std::uint64_t inside = rva - s.virtual_address;
    if (inside >= s.raw_size || length > s.raw_size - inside) continue;
    offset = std::uint64_t{s.raw_offset} + inside;
    return RangeInside(offset, length, file_size_);
  }
  if (RangeInside(rva, length, size_of_headers_)) {
    offset = rva;
    return RangeInside(offset, length, file_size_);
  }
  return false;
}

bool PeResources::ReadDirectory(LibraryBytes& bytes, std::uint32_t offset,
                                std::vector<DirectoryEntry>& entries) const {
  entries.clear();
  std::uint64_t at = 0;
  std::uint8_t header[kDirectoryHeaderBytes];
  if (!MapRva(std::uint64_t{root_rva_} + offset, kDirectoryHeaderBytes, at) ||
      !bytes.Read(at, kDirectoryHeaderBytes, header))
    return false;
  // Both counts are 16 bits wide: at most 131,070 entries of 8 bytes, all inside the file.
  return ReadEntries(bytes, offset, std::uint64_t{ReadU16(header + 12)} + ReadU16(header + 14),
                     entries);
}

bool PeResources::ReadEntries(LibraryBytes& bytes, std::uint32_t offset, std::uint64_t count,
                              std::vector<DirectoryEntry>& entries) const {
  entries.clear();
  std::uint64_t first = 0;
  std::vector<std::uint8_t> raw;
  if (!MapRva(std::uint64_t{root_rva_} + offset + kDirectoryHeaderBytes,
              count * kDirectoryEntryBytes, first) ||
      !bytes.ReadVector(first, count * kDirectoryEntryBytes, raw))
    return false;
  entries.resize(count);
  for (std::size_t i = 0; i < count; ++i)
    entries[i] = {brindlex::ReadU32(raw.data() + i * kDirectoryEntryBytes),
                  brindlex::ReadU32(raw.data() + i * kDirectoryEntryBytes + 4)};
  return true;
}

bool PeResources::ResolveLanguage(LibraryBytes& bytes, const DirectoryEntry& entry,
                                  std::optional<std::uint32_t> preferred, ResourceSpan& span,
                                  std::uint32_t& language) const {
  if (!(entry.target & kSubdirectoryBit)) return false;
  std::uint64_t at = 0;
  std::uint8_t header[kDirectoryHeaderBytes + kDirectoryEntryBytes];
  const std::uint32_t directory = entry.target & ~kSubdirectoryBit;
  if (!MapRva(std::uint64_t{root_rva_} + directory, sizeof header, at) ||
      !bytes.Read(at, sizeof header, header))
    return false;
  const int count = ReadU16(header + 12) + ReadU16(header + 14);
  if (count == 0) return false;
  DirectoryEntry chosen{brindlex::ReadU32(header + kDirectoryHeaderBytes),
                        brindlex::ReadU32(header + kDirectoryHeaderBytes + 4)};
  // Only the first entry is needed unless another language is wanted; a directory whose
  // other entries cannot be read still gives its first.
  std::vector<DirectoryEntry> languages;
  if (preferred && chosen.name != *preferred && count > 1 &&
      ReadEntries(bytes, directory, count, languages)) {
    const auto match = std::find_if(languages.begin(), languages.end(),
                                    [&](const DirectoryEntry& e) { return e.name == *preferred; });
    if (match != languages.end()) chosen = *match;
  }
  language = chosen.name;
  const std::uint32_t target = chosen.target;
  if (target & kSubdirectoryBit) return false;  // A fourth level: not a data entry.
  std::uint8_t data[kDataEntryBytes];
  if (!MapRva(std::uint64_t{root_rva_} + target, kDataEntryBytes, at) ||
      !bytes.Read(at, kDataEntryBytes, data))
    return false;
  span.size = brindlex::ReadU32(data + 4);
  return span.size > 0 && MapRva(brindlex::ReadU32(data), span.size, span.offset);
}

bool PeResources::Read(LibraryBytes& bytes) {
  *this = PeResources();
  file_size_ = bytes.Size();
  std::uint16_t mz = 0;
  std::uint32_t pe_at = 0, signature = 0;
  if (!bytes.ReadU16(0, mz) || mz != kMzSignature || !bytes.ReadU32(0x3C, pe_at) ||
      !bytes.ReadU32(pe_at, signature) || signature != kPeSignature)
    return false;
  // From here on the file is a PE file; any fault leaves it without groups.
  std::uint8_t coff[kCoffHeaderBytes];
  if (!bytes.Read(std::uint64_t{pe_at} + 4, kCoffHeaderBytes, coff)) return true;
  const int section_count = std::min<int>(ReadU16(coff + 2), kMaxSections);
  const std::uint16_t optional_size = ReadU16(coff + 16);
  const std::uint64_t optional_at = std::uint64_t{pe_at} + 4 + kCoffHeaderBytes;
  std::vector<std::uint8_t> optional;
  if (!bytes.ReadVector(optional_at, optional_size, optional) || optional.size() < 2) return true;
  const std::uint16_t magic = ReadU16(optional.data());
  std::size_t count_at = 0;
  if (magic == kPe32Magic) {
    count_at = 92;
  } else if (magic == kPe32PlusMagic) {
    count_at = 108;
  } else {
    return true;
  }
  const std::size_t directory_at = count_at + 4 + kResourceDirectoryIndex * 8;
  if (optional.size() < 64 || optional.size() < directory_at + 8 ||
      ReadU32(optional.data() + count_at) <= kResourceDirectoryIndex)
    return true;
  size_of_headers_ = ReadU32(optional.data() + 60);
  root_rva_ = ReadU32(optional.data() + directory_at);
  if (root_rva_ == 0 || ReadU32(optional.data() + directory_at + 4) == 0) return true;

  std::vector<std::uint8_t> table;
  if (!bytes.ReadVector(optional_at + optional_size,
                        std::uint64_t{kSectionHeaderBytes} * section_count, table))
    return true;
  for (int i = 0; i < section_count; ++i) {
    const std::uint8_t* s = table.data() + i * kSectionHeaderBytes;
    sections_.push_back({ReadU32(s + 12), ReadU32(s + 16), ReadU32(s + 20)});
  }
  has_resources_ = true;

  std::vector<DirectoryEntry> types, names;
  if (!ReadDirectory(bytes, 0, types)) return true;
  const auto group_type = std::find_if(types.begin(), types.end(), [](const DirectoryEntry& e) {
    return e.name == kGroupIconType && (e.target & kSubdirectoryBit);
  });
  if (group_type == types.end() ||
      !ReadDirectory(bytes, group_type->target & ~kSubdirectoryBit, names))
    return true;
  for (const DirectoryEntry& name : names) {
    ResourceSpan span;
    std::uint32_t language = 0;
    if (ResolveLanguage(bytes, name, std::nullopt, span, language)) {
      groups_.push_back(span);
      group_languages_.push_back(language);
    }
  }
  const auto icon_type = std::find_if(types.begin(), types.end(), [](const DirectoryEntry& e) {
    return e.name == kIconResourceType && (e.target & kSubdirectoryBit);
  });
  if (icon_type != types.end()) {
    has_icon_directory_ = true;
    icon_directory_ = icon_type->target & ~kSubdirectoryBit;
  }
  return true;
}

void PeResources::IndexIcons(LibraryBytes& bytes) {
  icons_read_ = true;
  if (!ReadDirectory(bytes, icon_directory_, icon_entries_)) icon_entries_.clear();
  std::erase_if(icon_entries_, [](const DirectoryEntry& e) { return (e.name & kNameBit) != 0; });
  std::stable_sort(
      icon_entries_.begin(), icon_entries_.end(),
      [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
}

bool PeResources::FindIcon(LibraryBytes& bytes, int group, std::uint16_t id, ResourceSpan& span) {
  if (!has_resources_ || !has_icon_directory_) return false;
  if (!icons_read_) IndexIcons(bytes);
  const bool known = group >= 0 && static_cast<std::size_t>(group) < group_languages_.size();
  const std::optional<std::uint32_t> language =
      known ? std::optional(group_languages_[group]) : std::nullopt;
  // The language (32 bits) above the number (16 bits); no language asked sets bit 48.
  const std::uint64_t key = (known ? std::uint64_t{*language} << 16 : std::uint64_t{1} << 48) | id;
  if (const auto found = found_.find(key); found != found_.end()) {
    span = found->second;
    return span.size > 0;
  }
  const auto entry = std::lower_bound(
      icon_entries_.begin(), icon_entries_.end(), id,
      [](const DirectoryEntry& e, std::uint32_t number) { return e.name < number; });
  ResourceSpan resolved;
  std::uint32_t taken = 0;
  if (entry == icon_entries_.end() || entry->name != id ||
      !ResolveLanguage(bytes, *entry, language, resolved, taken))
    resolved = ResourceSpan();
  found_.emplace(key, resolved);
  span = resolved;
  return span.size > 0;
}

}  // namespace brindlex
