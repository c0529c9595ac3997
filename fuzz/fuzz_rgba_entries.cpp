// Fuzzes the RGBA engine: the container directory, the decoding of every entry (and of the
// whole input as one bare entry, as a program's icon resource is read), and the writers.
// Every picture that decodes is written again as its smallest entry (and, for small ones,
// as a PNG stream too) and read back, which must give the same pixels.

#include <cstdint>
#include <vector>

#include "files/container_writer.h"
#include "files/entry_decoder.h"
#include "files/entry_encoder.h"
#include "files/icon_container.h"
#include "files/picture_file.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// What a picture reads back as after its smallest entry: a bitmap with a 1-bit mask keeps
// the colour of no transparent pixel.
RgbaImage AsStored(RgbaImage image) {
  if (AlphaOnlyZeroOrFull(image))
    for (std::size_t i = 0; i < image.pixels.size(); i += 4)
      if (image.pixels[i + 3] == 0) image.pixels[i] = image.pixels[i + 1] = image.pixels[i + 2] = 0;
  return image;
}

void CheckRoundTrip(const RgbaImage& image) {
  // Large pictures are written through the PNG encoder, which is slow at fuzzing speed.
  constexpr std::size_t kMaxRewrittenPixels = 64 * 64;
  if (image.PixelCount() > kMaxRewrittenPixels) return;
  for (const bool png : {false, true}) {
    const EncodedEntry entry = EncodeSmallestEntry(image, png);
    EntryDecodeResult decoded;
    Check(DecodeEntryImage(entry.bytes, decoded));
    Check(decoded.image == (png || HasPartialAlpha(image) ? image : AsStored(image)));
  }
}

// Inverting pixels written again into a bitmap entry read back at their places, in their
// colours, the other pixels as before.
void CheckInvertingKept(const EntryDecodeResult& decoded) {
  constexpr std::size_t kMaxRewrittenPixels = 64 * 64;
  if (decoded.inverting.empty() || decoded.image.PixelCount() > kMaxRewrittenPixels) return;
  const EncodedEntry entry = EncodeSmallestEntry(decoded.image, false, {}, decoded.inverting);
  EntryDecodeResult again;
  Check(DecodeEntryImage(entry.bytes, again));
  Check(again.image == AsStored(decoded.image) && again.inverting == decoded.inverting);
}

void CheckDecoded(std::span<const std::uint8_t> entry) {
  EntryHeader header;
  EntryDecodeResult decoded;
  if (!DecodeEntryImage(entry, decoded)) return;
  Check(ReadEntryHeader(entry, header));
  Check(decoded.image.width == header.width && decoded.image.height == header.height);
  Check(IsWellFormed(decoded.image));
  Check(decoded.inverting.size() ==
        (decoded.image.width <= kMaxEntryEdge && decoded.image.height <= kMaxEntryEdge
             ? static_cast<std::size_t>(decoded.inverting_pixels)
             : 0));
  CheckRoundTrip(decoded.image);
  CheckInvertingKept(decoded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckDecoded(bytes);

  IconContainer container;
  if (ReadIconContainer(bytes, container)) {
    std::vector<ContainerPicture> pictures;
    std::size_t first_decoded = 0;  // the entry pictures[0] was decoded from
    for (std::size_t k = 0; k < container.entries.size() && k < 64; ++k) {
      const ContainerEntry& entry = container.entries[k];
      const auto entry_bytes = ContainerEntryBytes(bytes, entry);
      Check(entry_bytes.size() == entry.stored_bytes &&
            entry.stored_bytes <= entry.bytes_in_resource);
      CheckDecoded(entry_bytes);
      EntryDecodeResult decoded;
      if (DecodeEntryImage(entry_bytes, decoded) && decoded.image.PixelCount() <= 32 * 32) {
        if (pictures.empty()) first_decoded = k;
        pictures.push_back({decoded.image, entry.hot_spot_x, entry.hot_spot_y});
      }
    }
    // The decoded pictures as one container again: every one is read back.
    std::vector<std::uint8_t> written;
    if (!pictures.empty()) {
      Check(BuildContainerFileBytes(container.type, pictures, false, written));
      IconContainer again;
      Check(ReadIconContainer(written, again));
      Check(again.entries.size() == pictures.size() && again.type == container.type);
      // The first picture written back into the input, first: the directory reads again,
      // as long as the input's.
      if (BuildContainerWithPictureFirst(bytes, first_decoded, pictures[0], false, written)) {
        Check(ReadIconContainer(written, again));
        Check(again.entries.size() == container.entries.size() && again.type == container.type);
      }
    }
  }

  FilePicture picture;
  const PictureReadResult result = ReadFilePicture(bytes, 0, picture);
  if (result.status == PictureReadStatus::kOk) Check(IsWellFormed(picture.image));
  return 0;
}
