#pragma once

// The group icons of a 16-bit NE file (programs, libraries and most icon libraries), read
// from its resource table only.

#include <cstdint>
#include <vector>

#include "extraction/icon_library_group.h"

namespace brindlex {

class NeResources : public GroupIconResources {
 public:
  // True when the bytes start with an MZ header that points to an "NE" header. The group
  // icons (type 0x800E) are then listed in resource-table order, and the image resources
  // (type 0x8003) by number; offsets and lengths are shifted by the table's alignment shift
  // and a length reaching past the end of the file is cut at the end. The table ends where
  // the resident-name table begins (both offsets from the NE header); it is read entry by
  // entry up to its terminating 0 or that end, whichever comes first, and never past it. A
  // resident-name table that does not follow the resource table leaves no resources; a
  // damaged table ends the listing where it breaks.
  bool Read(LibraryBytes& bytes);

  const std::vector<ResourceSpan>& Groups() const override { return groups_; }
  // 16-bit files have no languages: the image resource numbered `id`, whatever the group
  // (the first listed of equal numbers), found in the index made by Read.
  bool FindIcon(LibraryBytes& bytes, int group, std::uint16_t id, ResourceSpan& span) override;

 private:
  struct Icon {
    std::uint16_t id;
    ResourceSpan span;
  };
  std::vector<ResourceSpan> groups_;
  // Sorted by number, the first listed of equal numbers first.
  std::vector<Icon> icons_;
};

}  // namespace brindlex
