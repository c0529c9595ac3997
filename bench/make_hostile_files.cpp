// Writes files built to make the readers do needless work, for bench/time_hostile_files.sh:
//   ani_400_large_steps.ani   400 steps, each its own 2048 x 2048 1-bit PNG frame (~250 KB)
//   ani_500_tall_steps.ani    500 steps, each its own 1 x 4,194,304 1-bit PNG frame (~4 MB)
//   pe_65535_icons.dll        a 32-bit library whose one group lists 65,535 icons, each icon
//                             in two languages (the group's language second), and five groups
//                             sharing that one directory
//   ico_16_entries_one_png.ico  an icon file whose 16 directory entries all point at one
//                             60 MB PNG entry (2048 x 2048, a large private chunk before it)
//   ico_16_damaged_pngs.ico   16 PNG entries of 2048 x 2048, each failing only at the end of
//                             its compressed data (~260 KB)
//   ani_empty_frames.ani      64 MiB of empty "icon" chunks: 8,388,605 frames
//
// Usage: make_hostile_files FOLDER
#include <libdeflate.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& b, std::uint32_t v) {
  b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
}
void PutU32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void PutU32At(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}
void PutU32BigEndian(Bytes& b, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void Append(Bytes& to, const Bytes& from) { to.insert(to.end(), from.begin(), from.end()); }

void PngChunk(Bytes& png, const char* type, const Bytes& data) {
  PutU32BigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  Append(png, data);
  PutU32BigEndian(png, libdeflate_crc32(0, png.data() + start, png.size() - start));
}

Bytes Deflate(const Bytes& raw, int level) {
  libdeflate_compressor* compressor = libdeflate_alloc_compressor(level);
  Bytes out(libdeflate_zlib_compress_bound(compressor, raw.size()));
  out.resize(libdeflate_zlib_compress(compressor, raw.data(), raw.size(), out.data(), out.size()));
  libdeflate_free_compressor(compressor);
  return out;
}

// A PNG stream of the given size: bit depth and colour type as given, the filtered rows
// `raw` (a filter byte before each row) compressed without their last `cut` bytes, and an
// ancillary private chunk of `padding` bytes.
Bytes Png(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t color_type,
          const Bytes& raw, int level, std::size_t padding = 0, std::size_t cut = 0) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutU32BigEndian(header, width);
  PutU32BigEndian(header, height);
  header.insert(header.end(), {depth, color_type, 0, 0, 0});
  PngChunk(png, "IHDR", header);
  if (padding > 0) PngChunk(png, "prIv", Bytes(padding, 0x5A));
  Bytes compressed = Deflate(raw, level);
  compressed.resize(compressed.size() - cut);
  PngChunk(png, "IDAT", compressed);
  PngChunk(png, "IEND", {});
  return png;
}

// A 1-bit greyscale PNG of black pixels.
Bytes BlackPng(std::uint32_t width, std::uint32_t height) {
  const std::size_t row = 1 + (width + 7) / 8;
  return Png(width, height, 1, 0, Bytes(row * height, 0), 12);
}

// An icon container of the images, one directory entry each.
Bytes IconFileOf(const std::vector<Bytes>& images) {
  Bytes file;
  PutU16(file, 0);
  PutU16(file, 1);
  PutU16(file, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const Bytes& image : images) {
    file.insert(file.end(), {0, 0, 0, 0});
    PutU16(file, 1);
    PutU16(file, 32);
    PutU32(file, static_cast<std::uint32_t>(image.size()));
    PutU32(file, offset);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const Bytes& image : images) Append(file, image);
  return file;
}

// Sixteen 2048 x 2048 transparent PNG streams, told apart by a private chunk, whose
// compressed data lack their last 8 bytes.
Bytes DamagedPngs() {
  constexpr std::uint32_t kEdge = 2048;
  const Bytes raw(std::size_t{kEdge} * (1 + 4 * kEdge), 0);
  std::vector<Bytes> images;
  for (std::size_t i = 1; i <= 16; ++i) images.push_back(Png(kEdge, kEdge, 8, 6, raw, 9, i, 8));
  return IconFileOf(images);
}

// An animated cursor of empty "icon" chunks filling 64 MiB.
Bytes EmptyFrames() {
  const std::uint32_t frames = ((64u << 20) - 24) / 8;
  Bytes file{'R', 'I', 'F', 'F'};
  PutU32(file, (64u << 20) - 8);
  file.insert(file.end(), {'A', 'C', 'O', 'N', 'L', 'I', 'S', 'T'});
  PutU32(file, 4 + 8 * frames);
  file.insert(file.end(), {'f', 'r', 'a', 'm'});
  file.reserve(64u << 20);
  for (std::uint32_t i = 0; i < frames; ++i) {
    file.insert(file.end(), {'i', 'c', 'o', 'n'});
    PutU32(file, 0);
  }
  return file;
}

// An icon container whose `entries` directory entries all point at the one image.
Bytes IconFile(const Bytes& image, int entries) {
  Bytes file;
  PutU16(file, 0);
  PutU16(file, 1);
  PutU16(file, static_cast<std::uint32_t>(entries));
  const std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries);
  for (int i = 0; i < entries; ++i) {
    file.insert(file.end(), {0, 0, 0, 0});
    PutU16(file, 1);
    PutU16(file, 32);
    PutU32(file, static_cast<std::uint32_t>(image.size()));
    PutU32(file, offset);
  }
  Append(file, image);
  return file;
}

Bytes RiffChunk(const char* id, const Bytes& data) {
  Bytes c(id, id + 4);
  PutU32(c, static_cast<std::uint32_t>(data.size()));
  Append(c, data);
  if (data.size() % 2) c.push_back(0);
  return c;
}

// An animated cursor of `steps` frames, each a copy of `frame`, without a sequence.
Bytes AnimatedCursor(const Bytes& frame, int steps) {
  Bytes header;
  for (std::uint32_t v : {36u, std::uint32_t(steps), std::uint32_t(steps), 0u, 0u, 0u, 0u, 6u, 1u})
    PutU32(header, v);
  Bytes body{'A', 'C', 'O', 'N'};
  Append(body, RiffChunk("anih", header));
  Bytes list{'f', 'r', 'a', 'm'};
  for (int i = 0; i < steps; ++i) Append(list, RiffChunk("icon", frame));
  Append(body, RiffChunk("LIST", list));
  return RiffChunk("RIFF", body);
}

// A 1 x 1 1-bit bitmap image: header, two palette colours, one colour row and one mask row.
Bytes TinyBitmap() {
  Bytes b;
  for (std::uint32_t v : {40u, 1u, 2u}) PutU32(b, v);
  PutU16(b, 1);
  PutU16(b, 1);
  for (int i = 0; i < 6; ++i) PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, 0x00FFFFFF);
  PutU32(b, 0x80000000);
  PutU32(b, 0);
  return b;
}

// A PE32 library with one ".rsrc" section. Image resources 1..65535 each have two
// languages (0x409 first, 0x407 second) pointing at one data entry; five group resources
// in language 0x407 all point at one group directory listing every image.
Bytes PeLibrary() {
  constexpr std::uint32_t kRva = 0x1000, kFile = 0x200, kIcons = 65535, kGroups = 5;
  Bytes r;
  auto reserve = [&r](std::size_t n) {
    const std::size_t at = r.size();
    r.resize(at + n, 0);
    return static_cast<std::uint32_t>(at);
  };
  auto directory = [&](std::uint32_t ids) {
    const std::uint32_t at = reserve(16 + 8 * ids);
    r[at + 14] = std::uint8_t(ids);
    r[at + 15] = std::uint8_t(ids >> 8);
    return at;
  };
  const std::uint32_t root = directory(2);
  const std::uint32_t icon_names = directory(kIcons);
  const std::uint32_t group_names = directory(kGroups);
  PutU32At(r, root + 16, 3);
  PutU32At(r, root + 20, 0x80000000u | icon_names);
  PutU32At(r, root + 24, 14);
  PutU32At(r, root + 28, 0x80000000u | group_names);
  const Bytes image = TinyBitmap();
  Bytes group;
  PutU16(group, 0);
  PutU16(group, 1);
  PutU16(group, kIcons);
  for (std::uint32_t id = 1; id <= kIcons; ++id) {
    group.insert(group.end(), {1, 1, 2, 0});
    PutU16(group, 1);
    PutU16(group, 1);
    PutU32(group, static_cast<std::uint32_t>(image.size()));
    PutU16(group, id);
  }
  std::vector<std::pair<std::uint32_t, const Bytes*>> data_entries;
  auto languages = [&](std::uint32_t name_entry, std::uint32_t name, const Bytes& data, bool both) {
    const std::uint32_t language = directory(both ? 2 : 1);
    const std::uint32_t entry = reserve(16);
    PutU32At(r, name_entry, name);
    PutU32At(r, name_entry + 4, 0x80000000u | language);
    PutU32At(r, language + 16, both ? 0x409 : 0x407);
    PutU32At(r, language + 20, entry);
    if (both) {
      PutU32At(r, language + 24, 0x407);
      PutU32At(r, language + 28, entry);
    }
    data_entries.push_back({entry, &data});
  };
  for (std::uint32_t id = 1; id <= kIcons; ++id)
    languages(icon_names + 8 + 8 * id, id, image, true);
  const std::size_t first_group = data_entries.size();
  for (std::uint32_t g = 1; g <= kGroups; ++g) languages(group_names + 8 + 8 * g, g, group, false);
  // The data, each after the one before; every group's data entry names the first group's.
  std::uint32_t group_rva = 0;
  for (std::size_t i = 0; i < data_entries.size(); ++i) {
    const Bytes& data = *data_entries[i].second;
    if (i <= first_group) {
      reserve((4 - r.size() % 4) % 4);
      const std::uint32_t at = reserve(data.size());
      std::copy(data.begin(), data.end(), r.begin() + at);
      if (i == first_group) group_rva = kRva + at;
      PutU32At(r, data_entries[i].first, kRva + at);
    } else {
      PutU32At(r, data_entries[i].first, group_rva);
    }
    PutU32At(r, data_entries[i].first + 4, static_cast<std::uint32_t>(data.size()));
  }
  r.resize((r.size() + 511) / 512 * 512, 0);

  Bytes b(kFile, 0);
  b[0] = 'M';
  b[1] = 'Z';
  PutU32At(b, 0x3C, 0x40);
  b[0x40] = 'P';
  b[0x41] = 'E';
  b[0x44] = 0x4C;
  b[0x45] = 0x01;
  b[0x46] = 1;    // one section
  b[0x54] = 224;  // optional header size
  const std::size_t optional = 0x58;
  b[optional] = 0x0B;
  b[optional + 1] = 0x01;
  PutU32At(b, optional + 60, kFile);
  PutU32At(b, optional + 92, 16);
  PutU32At(b, optional + 96 + 16, kRva);
  PutU32At(b, optional + 96 + 20, static_cast<std::uint32_t>(r.size()));
  const std::size_t section = optional + 224;
  std::copy_n(".rsrc", 5, b.begin() + static_cast<std::ptrdiff_t>(section));
  PutU32At(b, section + 8, static_cast<std::uint32_t>(r.size()));
  PutU32At(b, section + 12, kRva);
  PutU32At(b, section + 16, static_cast<std::uint32_t>(r.size()));
  PutU32At(b, section + 20, kFile);
  Append(b, r);
  return b;
}

// A 2048 x 2048 RGBA PNG of noise, stored as it comes, after a private chunk that brings
// the stream to 60 MB.
Bytes LargePng() {
  constexpr std::uint32_t kEdge = 2048;
  Bytes raw(std::size_t{kEdge} * (1 + 4 * kEdge));
  std::mt19937 random(7);
  for (std::size_t i = 0; i < raw.size(); ++i)
    raw[i] = i % (1 + 4 * kEdge) == 0 ? 0 : std::uint8_t(random());
  const Bytes bare = Png(kEdge, kEdge, 8, 6, raw, 0);
  return Png(kEdge, kEdge, 8, 6, raw, 0, 60'000'000 - bare.size() - 12);
}

bool Write(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "make_hostile_files: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: make_hostile_files FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = Write(folder + "/ani_400_large_steps.ani",
                             AnimatedCursor(IconFile(BlackPng(2048, 2048), 1), 400)) &&
                       Write(folder + "/ani_500_tall_steps.ani",
                             AnimatedCursor(IconFile(BlackPng(1, 4194304), 1), 500)) &&
                       Write(folder + "/pe_65535_icons.dll", PeLibrary()) &&
                       Write(folder + "/ico_16_entries_one_png.ico", IconFile(LargePng(), 16)) &&
                       Write(folder + "/ico_16_damaged_pngs.ico", DamagedPngs()) &&
                       Write(folder + "/ani_empty_frames.ani", EmptyFrames());
  return written ? 0 : 1;
}
