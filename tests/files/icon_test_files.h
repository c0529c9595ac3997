#pragma once

// Helpers for the icon file tests: icon files assembled byte by byte, and a private folder
// for the files a test writes.

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace brindlex::testing {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(Bytes& b, std::uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}

// A bitmap information header of 40 bytes (height already doubled by the caller).
inline Bytes BitmapHeader(std::int32_t width, std::int32_t height2, int bit_count,
                          std::uint32_t colors_used = 0) {
  Bytes b;
  PutU32(b, 40);
  PutU32(b, static_cast<std::uint32_t>(width));
  PutU32(b, static_cast<std::uint32_t>(height2));
  PutU16(b, 1);
  PutU16(b, bit_count);
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, colors_used);
  PutU32(b, 0);
  return b;
}

// One image as stored: the resource bytes and the directory entry's width/height bytes.
struct StoredImage {
  Bytes resource;
  std::uint8_t width = 16;
  std::uint8_t height = 16;
  std::uint16_t bit_count = 1;
};

// An icon file of the images, in order, each directly after the directory.
inline Bytes IconFile(const std::vector<StoredImage>& images, std::uint16_t type = 1) {
  Bytes b;
  PutU16(b, 0);
  PutU16(b, type);
  PutU16(b, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const StoredImage& image : images) {
    b.push_back(image.width);
    b.push_back(image.height);
    b.push_back(0);
    b.push_back(0);
    PutU16(b, 1);
    PutU16(b, image.bit_count);
    PutU32(b, static_cast<std::uint32_t>(image.resource.size()));
    PutU32(b, offset);
    offset += static_cast<std::uint32_t>(image.resource.size());
  }
  for (const StoredImage& image : images)
    b.insert(b.end(), image.resource.begin(), image.resource.end());
  return b;
}

// A bitmap image resource of an edge x edge image: header, palette entries (blue, green,
// red, 0 each), colour block and mask block, all given.
inline StoredImage BitmapImage(int edge, int bit_count, const Bytes& palette, const Bytes& colors,
                               const Bytes& masks) {
  StoredImage image;
  image.resource = BitmapHeader(edge, 2 * edge, bit_count);
  image.resource.insert(image.resource.end(), palette.begin(), palette.end());
  image.resource.insert(image.resource.end(), colors.begin(), colors.end());
  image.resource.insert(image.resource.end(), masks.begin(), masks.end());
  image.width = image.height = static_cast<std::uint8_t>(edge);
  image.bit_count = static_cast<std::uint16_t>(bit_count);
  return image;
}

// Row bytes padded to 4 for an edge at a bit count.
inline std::size_t PaddedRow(int edge, int bit_count) {
  return ((static_cast<std::size_t>(edge) * bit_count + 31) / 32) * 4;
}

// An edge x edge image at the bit count whose colour and mask bytes are all `fill`, with a
// palette of the depth's full size whose entry i is (i, i, i).
inline StoredImage UniformImage(int edge, int bit_count, std::uint8_t fill = 0,
                                std::uint8_t mask_fill = 0) {
  Bytes palette;
  const int entries = bit_count == 1 ? 2 : bit_count == 4 ? 16 : bit_count == 8 ? 256 : 0;
  for (int i = 0; i < entries; ++i)
    palette.insert(palette.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
  return BitmapImage(edge, bit_count, palette, Bytes(PaddedRow(edge, bit_count) * edge, fill),
                     Bytes(PaddedRow(edge, 1) * edge, mask_fill));
}

// A 32-bit edge x edge image with every pixel (b, g, r, alpha) and mask bytes `mask_fill`.
inline StoredImage ThirtyTwoBit(std::uint8_t alpha, std::uint8_t mask_fill, bool with_mask = true,
                                int edge = 16) {
  Bytes colors;
  for (int i = 0; i < edge * edge; ++i) colors.insert(colors.end(), {0x30, 0x20, 0x10, alpha});
  const Bytes masks(PaddedRow(edge, 1) * edge, mask_fill);
  return BitmapImage(edge, 32, {}, colors, with_mask ? masks : Bytes());
}

// An image whose directory entry gives 0 (256 pixels) for both sides and whose bitmap header
// gives 0 for its width and height.
inline StoredImage SizeOnlyInDirectoryImage() {
  StoredImage image = UniformImage(16, 1);
  std::fill(image.resource.begin() + 4, image.resource.begin() + 12, 0);
  image.width = image.height = 0;
  return image;
}

// A PNG stream of width x height pixels given as red, green, blue, alpha bytes.
inline Bytes PngRgba(int width, int height, const Bytes& rgba) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png,
                  const_cast<png_bytep>(rgba.data() + static_cast<std::size_t>(y) * width * 4));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "brindlex_files_XXXXXX";
    if (!::mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }
  // Names of the entries of the folder, hidden ones included.
  std::vector<std::string> Entries() const { return EntriesOf(path_); }
  // The same of any folder, sorted.
  static std::vector<std::string> EntriesOf(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

}  // namespace brindlex::testing
