#pragma once

// Program, library and animated-cursor files assembled byte by byte for the tests: PE files
// (32- and 64-bit) and NE files with group icons, and animated cursors. The builders also
// report where their directory structures lie, so that tests can damage them on purpose.

#include <cstdint>
#include <string>
#include <vector>

#include "files/icon_test_files.h"

namespace brindlex::testing {

// An image whose every pixel is opaque colour 0x00BBGGRR, at 24 bits.
inline StoredImage SolidImage(int edge, std::uint32_t color) {
  Bytes colors;
  const std::size_t row = PaddedRow(edge, 24);
  for (int y = 0; y < edge; ++y) {
    for (int x = 0; x < edge; ++x)
      colors.insert(colors.end(),
                    {std::uint8_t(color >> 16), std::uint8_t(color >> 8), std::uint8_t(color)});
    colors.resize(colors.size() + row - 3 * edge, 0);
  }
  return BitmapImage(edge, 24, {}, colors, Bytes(PaddedRow(edge, 1) * edge, 0));
}

// One group icon of a PE or NE file: a name (numbered when empty) and its images.
struct LibraryGroup {
  std::string name;
  std::uint16_t id = 0;
  std::vector<StoredImage> images;
};

// The group directory of a group whose images are numbered first_id, first_id + 1, ...
inline Bytes GroupDirectory(const std::vector<StoredImage>& images, std::uint16_t first_id) {
  Bytes b;
  PutU16(b, 0);
  PutU16(b, 1);
  PutU16(b, static_cast<std::uint32_t>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    b.insert(b.end(), {images[i].width, images[i].height, 0, 0});
    PutU16(b, 1);
    PutU16(b, images[i].bit_count);
    PutU32(b, static_cast<std::uint32_t>(images[i].resource.size()));
    PutU16(b, static_cast<std::uint32_t>(first_id + i));
  }
  return b;
}

inline void PutAt(Bytes& b, std::size_t at, std::uint64_t v, int width) {
  for (int i = 0; i < width; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A PE file and the file offsets of its resource structures.
struct PeBuild {
  Bytes bytes;
  std::size_t optional_header = 0;     // start of the optional header
  std::size_t resource_directory = 0;  // the data directory entry of the resources
  std::size_t section_table = 0;
  std::size_t root = 0;                      // the resource root directory
  std::size_t group_type = 0;                // the group-icon type's name directory
  std::size_t icon_type = 0;                 // the image type's name directory
  std::vector<std::size_t> group_languages;  // each group's language directory
};

// A PE file (PE32+ when wide, else PE32) with one section ".rsrc" at RVA 0x1000, file offset
// 0x200, holding the group icons in the order given (named groups must come first, as the
// format requires) and their images numbered 1, 2, ... in order.
inline PeBuild PeLibrary(const std::vector<LibraryGroup>& groups, bool wide) {
  constexpr std::uint32_t kSectionRva = 0x1000, kSectionFile = 0x200;
  std::size_t image_count = 0, named = 0;
  for (const LibraryGroup& g : groups) {
    image_count += g.images.size();
    if (!g.name.empty()) ++named;
  }
  // Resource section layout: root, the two name directories, a language directory per
  // resource, a data entry per resource, the names, then the data.
  Bytes r;
  auto reserve = [&](std::size_t n) {
    const std::size_t at = r.size();
    r.resize(r.size() + n, 0);
    return at;
  };
  auto directory_header = [&](std::size_t at, std::size_t named_entries, std::size_t ids) {
    PutAt(r, at + 12, static_cast<std::uint32_t>(named_entries), 2);
    PutAt(r, at + 14, static_cast<std::uint32_t>(ids), 2);
  };
  const std::size_t root = reserve(16 + 2 * 8);
  const std::size_t icon_dir = reserve(16 + 8 * image_count);
  const std::size_t group_dir = reserve(16 + 8 * groups.size());
  directory_header(root, 0, 2);
  PutAt(r, root + 16, 3, 4);
  PutAt(r, root + 20, 0x80000000u | static_cast<std::uint32_t>(icon_dir), 4);
  PutAt(r, root + 24, 14, 4);
  PutAt(r, root + 28, 0x80000000u | static_cast<std::uint32_t>(group_dir), 4);
  directory_header(icon_dir, 0, image_count);
  directory_header(group_dir, named, groups.size() - named);

  struct Pending {
    std::size_t data_entry;
    Bytes data;
  };
  std::vector<Pending> pending;
  PeBuild build;
  auto add_resource = [&](std::size_t entry, Bytes data) {
    const std::size_t language = reserve(16 + 8);
    directory_header(language, 0, 1);
    PutAt(r, language + 16, 0x409, 4);
    const std::size_t data_entry = reserve(16);
    PutAt(r, language + 20, static_cast<std::uint32_t>(data_entry), 4);
    PutAt(r, entry + 4, 0x80000000u | static_cast<std::uint32_t>(language), 4);
    pending.push_back({data_entry, std::move(data)});
    return language;
  };
  std::uint16_t next_id = 1;
  std::vector<Bytes> group_data;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    group_data.push_back(GroupDirectory(groups[g].images, next_id));
    for (const StoredImage& image : groups[g].images) {
      const std::size_t entry = icon_dir + 16 + 8 * (next_id - 1);
      PutAt(r, entry, next_id, 4);
      add_resource(entry, image.resource);
      ++next_id;
    }
  }
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const std::size_t entry = group_dir + 16 + 8 * g;
    build.group_languages.push_back(add_resource(entry, group_data[g]) + kSectionFile);
    if (groups[g].name.empty()) {
      PutAt(r, entry, groups[g].id, 4);
    } else {
      const std::size_t name = reserve(2 + 2 * groups[g].name.size());
      PutAt(r, name, static_cast<std::uint32_t>(groups[g].name.size()), 2);
      for (std::size_t i = 0; i < groups[g].name.size(); ++i)
        PutAt(r, name + 2 + 2 * i, static_cast<std::uint8_t>(groups[g].name[i]), 2);
      PutAt(r, entry, 0x80000000u | static_cast<std::uint32_t>(name), 4);
    }
  }
  for (Pending& p : pending) {
    reserve((4 - r.size() % 4) % 4);
    const std::size_t at = reserve(p.data.size());
    std::copy(p.data.begin(), p.data.end(), r.begin() + at);
    PutAt(r, p.data_entry, kSectionRva + static_cast<std::uint32_t>(at), 4);
    PutAt(r, p.data_entry + 4, static_cast<std::uint32_t>(p.data.size()), 4);
  }
  r.resize((r.size() + 511) / 512 * 512, 0);

  Bytes& b = build.bytes;
  b.assign(kSectionFile, 0);
  b[0] = 'M';
  b[1] = 'Z';
  PutAt(b, 0x3C, 0x40, 4);
  b[0x40] = 'P';
  b[0x41] = 'E';
  const std::size_t coff = 0x44;
  PutAt(b, coff, wide ? 0x8664 : 0x14C, 2);
  PutAt(b, coff + 2, 1, 2);
  const std::uint32_t optional_size = wide ? 240 : 224;
  PutAt(b, coff + 16, optional_size, 2);
  const std::size_t optional = coff + 20;
  build.optional_header = optional;
  PutAt(b, optional, wide ? 0x20B : 0x10B, 2);
  PutAt(b, optional + 60, kSectionFile, 4);  // size of headers
  const std::size_t count_at = optional + (wide ? 108 : 92);
  PutAt(b, count_at, 16, 4);
  build.resource_directory = count_at + 4 + 2 * 8;
  PutAt(b, build.resource_directory, kSectionRva, 4);
  PutAt(b, build.resource_directory + 4, static_cast<std::uint32_t>(r.size()), 4);
  build.section_table = optional + optional_size;
  const std::size_t s = build.section_table;
  std::copy_n(".rsrc", 5, b.begin() + s);
  PutAt(b, s + 8, static_cast<std::uint32_t>(r.size()), 4);
  PutAt(b, s + 12, kSectionRva, 4);
  PutAt(b, s + 16, static_cast<std::uint32_t>(r.size()), 4);
  PutAt(b, s + 20, kSectionFile, 4);
  b.insert(b.end(), r.begin(), r.end());
  build.root = kSectionFile + root;
  build.group_type = kSectionFile + group_dir;
  build.icon_type = kSectionFile + icon_dir;
  return build;
}

// Numbered groups 1..n, group k (from 0) holding one 32 x 32 image of colour colors(k).
template <typename ColorOf>
inline Bytes NumberedPeLibrary(int n, ColorOf colors, bool wide = true) {
  std::vector<LibraryGroup> groups;
  for (int k = 0; k < n; ++k)
    groups.push_back({"", static_cast<std::uint16_t>(k + 1), {SolidImage(32, colors(k))}});
  return PeLibrary(groups, wide).bytes;
}

// A 16-bit NE file with the groups (names ignored, numbered 1, 2, ... in order) and their
// images numbered 1, 2, ..., the resource data aligned to 1 << shift bytes. Also reports
// where its resource table starts.
struct NeBuild {
  Bytes bytes;
  std::size_t table = 0;
};
inline NeBuild NeLibrary(const std::vector<LibraryGroup>& groups, int shift = 4) {
  const std::size_t align = std::size_t{1} << shift;
  std::vector<Bytes> images, group_data;
  std::uint16_t next_id = 1;
  for (const LibraryGroup& g : groups) {
    group_data.push_back(GroupDirectory(g.images, next_id));
    for (const StoredImage& image : g.images) images.push_back(image.resource);
    next_id = static_cast<std::uint16_t>(next_id + g.images.size());
  }
  NeBuild build;
  Bytes& b = build.bytes;
  b.assign(0x80, 0);
  b[0] = 'M';
  b[1] = 'Z';
  PutAt(b, 0x3C, 0x40, 4);
  b[0x40] = 'N';
  b[0x41] = 'E';
  PutAt(b, 0x40 + 0x24, 0x40, 2);  // the resource table, just after the NE header
  build.table = 0x80;
  const std::size_t table_size = 2 + 8 + 12 * images.size() + 8 + 12 * groups.size() + 2;
  std::size_t data_at = (0x80 + table_size + align - 1) / align * align;
  Bytes table;
  PutU16(table, shift);
  Bytes data;
  auto name_info = [&](const Bytes& blob, std::uint16_t id) {
    PutU16(table, static_cast<std::uint32_t>(data_at >> shift));
    PutU16(table, static_cast<std::uint32_t>((blob.size() + align - 1) >> shift));
    PutU16(table, 0x1C30);
    PutU16(table, 0x8000u | id);
    PutU32(table, 0);
    data.insert(data.end(), blob.begin(), blob.end());
    data.resize((data.size() + align - 1) / align * align, 0);
    data_at += (blob.size() + align - 1) / align * align;
  };
  PutU16(table, 0x8003);
  PutU16(table, static_cast<std::uint32_t>(images.size()));
  PutU32(table, 0);
  for (std::size_t i = 0; i < images.size(); ++i)
    name_info(images[i], static_cast<std::uint16_t>(i + 1));
  PutU16(table, 0x800E);
  PutU16(table, static_cast<std::uint32_t>(groups.size()));
  PutU32(table, 0);
  for (std::size_t g = 0; g < groups.size(); ++g)
    name_info(group_data[g], static_cast<std::uint16_t>(g + 1));
  PutU16(table, 0);
  PutAt(b, 0x40 + 0x26, static_cast<std::uint32_t>(0x40 + table.size()), 2);
  b.insert(b.end(), table.begin(), table.end());
  b.resize((b.size() + align - 1) / align * align, 0);
  b.insert(b.end(), data.begin(), data.end());
  return build;
}

// An animated cursor: the header claiming `claimed_frames` frames, the frames as "icon"
// chunks of a LIST "fram" (odd sizes padded), and a "seq " chunk when `sequence` is not
// empty.
inline Bytes AniFile(const std::vector<Bytes>& frames, const std::vector<std::uint32_t>& sequence,
                     std::uint32_t claimed_frames) {
  auto chunk = [](const char* id, const Bytes& data) {
    Bytes c(id, id + 4);
    PutU32(c, static_cast<std::uint32_t>(data.size()));
    c.insert(c.end(), data.begin(), data.end());
    if (data.size() % 2) c.push_back(0);
    return c;
  };
  Bytes header;
  for (std::uint32_t v :
       {36u, claimed_frames,
        static_cast<std::uint32_t>(sequence.empty() ? claimed_frames : sequence.size()), 0u, 0u, 0u,
        0u, 10u, sequence.empty() ? 1u : 3u})
    PutU32(header, v);
  Bytes body{'A', 'C', 'O', 'N'};
  const Bytes anih = chunk("anih", header);
  body.insert(body.end(), anih.begin(), anih.end());
  if (!sequence.empty()) {
    Bytes seq;
    for (std::uint32_t s : sequence) PutU32(seq, s);
    const Bytes c = chunk("seq ", seq);
    body.insert(body.end(), c.begin(), c.end());
  }
  Bytes list{'f', 'r', 'a', 'm'};
  for (const Bytes& f : frames) {
    const Bytes c = chunk("icon", f);
    list.insert(list.end(), c.begin(), c.end());
  }
  const Bytes l = chunk("LIST", list);
  body.insert(body.end(), l.begin(), l.end());
  return chunk("RIFF", body);
}

}  // namespace brindlex::testing
