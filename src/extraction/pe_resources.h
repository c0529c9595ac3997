#pragma once

// The group icons of a PE file (32- and 64-bit programs, libraries, controls and icon
// libraries in PE form), read from its section table and resource directory only.

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

class PeResources : public GroupIconResources {
 public:
  // True when the bytes start with an MZ header that points to a "PE\0\0" header. The group
  // icons are then listed: every entry of the group-icon type (14) directory, named entries
  // first and numbered ones after, as stored, each through the first entry of its language
  // directory, provided that entry is a data entry whose bytes lie in the file. A file
  // without resources, or with a damaged directory, has no groups. Only the three levels of
  // type, name and language are walked, so a directory that points back into itself cannot
  // make the walk loop.
  bool Read(LibraryBytes& bytes);

  const std::vector<ResourceSpan>& Groups() const override { return groups_; }
  // The image resource (type 3) numbered `id` in the language of group `group` (an image
  // of the group's own language belongs to it), else in its first language. The image
  // directory is read and indexed at the first lookup, and each image's languages once for
  // each language asked, so that a group of n images costs in proportion to n.
  bool FindIcon(LibraryBytes& bytes, int group, std::uint16_t id, ResourceSpan& span) override;

 private:
  struct Section {
    std::uint32_t virtual_address, raw_size, raw_offset;
  };
  struct DirectoryEntry {
    std::uint32_t name, target;
  };
  // File offset of `length` bytes at `rva`; False when they do not lie in one section's raw
  // data (or the headers) inside the file.
  bool MapRva(std::uint64_t rva, std::uint64_t length, std::uint64_t& offset) const;
  // The entries of the directory at `offset` from the resource root, named ones first.
  bool ReadDirectory(LibraryBytes& bytes, std::uint32_t offset,
                     std::vector<DirectoryEntry>& entries) const;
  // The `count` entries of the directory at `offset`, without reading its header again.
  bool ReadEntries(LibraryBytes& bytes, std::uint32_t offset, std::uint64_t count,
                   std::vector<DirectoryEntry>& entries) const;
  // Reads the image directory and sorts its numbered entries by number.
  void IndexIcons(LibraryBytes& bytes);
  // Follows a name entry through one of its languages to the data's place in the file: the
  // language `preferred` when given and the entry has it, else its first. Sets `language` to
  // the language taken.
  bool ResolveLanguage(LibraryBytes& bytes, const DirectoryEntry& entry,
                       std::optional<std::uint32_t> preferred, ResourceSpan& span,
                       std::uint32_t& language) const;

  std::vector<Section> sections_;
  std::uint64_t size_of_headers_ = 0;
  std::uint64_t file_size_ = 0;
  std::uint32_t root_rva_ = 0;
  bool has_resources_ = false;
  std::vector<ResourceSpan> groups_;
  std::vector<std::uint32_t> group_languages_;
  // The image-resource (type 3) directory, read at the first lookup: its numbered entries
  // sorted by number, the first stored of equal numbers first.
  bool icons_read_ = false;
  std::uint32_t icon_directory_ = 0;
  bool has_icon_directory_ = false;
  std::vector<DirectoryEntry> icon_entries_;
  // The lookups made, by language asked and image number; a span of size 0 where none was
  // found.
  std::unordered_map<std::uint64_t, ResourceSpan> found_;
};

}  // namespace brindlex
