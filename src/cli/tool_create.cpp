// brindlex-tool create: an icon or cursor file of several pictures, each at its smallest
// lossless entry, or of several sizes scaled from one picture.
#include <algorithm>

#include "cli/memory_failure.h"
#include "cli/tool_commands.h"
#include "cli/tool_pictures.h"
#include "files/entry_decoder.h"
#include "files/rgba_resample.h"
#include "platform/short_run_memory.h"
#include "platform/side_by_side.h"

namespace brindlex {
namespace {

// Reads "16,32,256" (blanks around the numbers allowed, " 16, 32"): sizes from 1 to 256 in the
// order given, a repeated one kept once (the first time). False for anything else.
bool ParseSizes(const std::string& text, std::vector<int>& sizes) {
  sizes.clear();
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = Trimmed(text.substr(start, comma - start));
    if (!IsWholeNumber(item)) return false;
    const int size = WholeNumberValue(item);
    if (size < 1 || size > kMaxEntryEdge) return false;
    if (std::find(sizes.begin(), sizes.end(), size) == sizes.end()) sizes.push_back(size);
    start = comma + 1;
  }
  return !sizes.empty();
}

// Where a picture scaled to fit an edge x edge square lies in it: its shape kept, centred.
struct SquareFit {
  int width, height, left, top;
};

SquareFit FitInSquare(const RgbaImage& source, int edge) {
  const int longer = std::max(source.width, source.height);
  const int width = std::max(1, source.width * edge / longer);
  const int height = std::max(1, source.height * edge / longer);
  return {width, height, (edge - width) / 2, (edge - height) / 2};
}

// The picture scaled to each edge x edge square (the rest transparent), with the hot spot
// moved along. Sizes are made largest first, each from the smallest picture made so far that
// is at least twice its size, else from the source: a 512-pixel source is read once for 256,
// and 48, 32, 16 come from that, at a quarter of the work and no visible difference. The
// largest picture, whose entry costs the most, is encoded on another processor while the
// others are made.
std::vector<ContainerPicture> ScaledToSquares(const FilePicture& source, std::vector<int> sizes,
                                              bool png) {
  std::sort(sizes.rbegin(), sizes.rend());
  const RgbaImage& image = source.image;
  // Four pictures of the largest size: what the scaling and the first steps of its encoding
  // take while both processors work (more only adds to the wait for it).
  PrepareMemory(std::size_t{4} * 4 * static_cast<std::size_t>(sizes.front()) *
                static_cast<std::size_t>(sizes.front()));
  std::vector<RgbaImage> fitted;  // each size's picture before it is placed in its square
  std::vector<ContainerPicture> pictures;
  pictures.reserve(sizes.size());  // the encoding thread reads the first picture where it lies
  BesideThread largest_encoder;
  for (const int edge : sizes) {
    const SquareFit fit = FitInSquare(image, edge);
    const RgbaImage* from = &image;
    for (const RgbaImage& made : fitted)
      if (made.width >= 2 * fit.width && made.height >= 2 * fit.height) from = &made;
    fitted.push_back(ResampleRgba(*from, fit.width, fit.height));
    ContainerPicture picture{
        RgbaImage(edge, edge),
        std::min(edge - 1, fit.left + source.hot_spot_x * fit.width / image.width),
        std::min(edge - 1, fit.top + source.hot_spot_y * fit.height / image.height)};
    for (int y = 0; y < fit.height; ++y)
      std::copy_n(fitted.back().At(0, y), 4 * static_cast<std::size_t>(fit.width),
                  picture.image.At(fit.left, fit.top + y));
    // A size the source has already keeps the source's PNG stream for its entry.
    if (picture.image == image) picture.png_source = source.png_source;
    pictures.push_back(std::move(picture));
    if (pictures.size() == 1 && sizes.size() > 1)
      largest_encoder = BesideThread([&first = pictures.front(), png] {
        first.encoded = EncodeSmallestEntry(first.image, png, first.png_source);
      });
  }
  largest_encoder.Join();
  return pictures;
}

}  // namespace

int CreateCommand(const std::string& output, const std::vector<std::string>& inputs,
                  const ToolArguments& options, std::ostream& err) {
  const bool cursor = HasExtension(output, ".cur");
  if (!cursor && !IsIconOutput(output))
    return UsageError(err, "the output must be an .ico or .cur file: " + output);
  if (options.hot_spot && !cursor)
    return UsageError(err, "--hotspot makes a cursor: the output must be a .cur file");
  if (inputs.empty()) return UsageError(err, "create takes an output file and one input or more");
  int hot_x = 0, hot_y = 0;
  if (options.hot_spot && !ParseHotSpot(*options.hot_spot, hot_x, hot_y))
    return UsageError(err, "--hotspot takes X,Y (two numbers): " + *options.hot_spot);
  std::vector<int> sizes;
  if (options.sizes) {
    if (!ParseSizes(*options.sizes, sizes))
      return UsageError(err,
                        "--sizes takes sizes from 1 to 256 separated by commas: " + *options.sizes);
    if (inputs.size() != 1) return UsageError(err, "--sizes takes one input picture");
  }

  std::vector<FilePicture> read;
  for (const std::string& input : inputs) {
    const ImageInput source = ParseInput(input);
    FilePicture picture;
    if (const int status =
            ToolStepFor(source.path, err, [&] { return ReadPictureInput(source, picture, err); }))
      return status;
    const RgbaImage& image = picture.image;
    if (!options.sizes)
      if (const int refused = CheckEntrySize(source.path, image, err)) return refused;
    const bool repeated = std::any_of(read.begin(), read.end(), [&image](const FilePicture& p) {
      return p.image.width == image.width && p.image.height == image.height;
    });
    if (repeated) {
      Warning(err, input,
              "an earlier input has the same size, " + std::to_string(image.width) + " x " +
                  std::to_string(image.height) + "; this one is left out");
      continue;
    }
    read.push_back(std::move(picture));
  }

  // A hot spot given on the command line names a pixel of the largest picture; the others
  // take it at the same place, scaled to their size.
  if (options.hot_spot) {
    const RgbaImage& largest =
        std::max_element(read.begin(), read.end(), [](const FilePicture& a, const FilePicture& b) {
          return a.image.PixelCount() < b.image.PixelCount();
        })->image;
    if (const int refused =
            CheckHotSpot(*options.hot_spot, hot_x, hot_y, largest.width, largest.height, err))
      return refused;
    for (FilePicture& picture : read) {
      picture.hot_spot_x = hot_x * picture.image.width / largest.width;
      picture.hot_spot_y = hot_y * picture.image.height / largest.height;
    }
  }

  // Memory that runs out from here on is the making of the output: of the one input's
  // pictures, else of the output file.
  const std::string made_from = inputs.size() == 1 ? ParseInput(inputs.front()).path : output;
  return ToolStepFor(made_from, err, [&] {
    std::vector<ContainerPicture> pictures;
    if (options.sizes) {
      pictures = ScaledToSquares(read.front(), sizes, options.png);
    } else {
      for (FilePicture& picture : read) {
        pictures.push_back({std::move(picture.image), picture.hot_spot_x, picture.hot_spot_y,
                            std::move(picture.png_source)});
        pictures.back().inverting = std::move(picture.inverting);
      }
    }
    const int status = WriteContainerFile(output, cursor, pictures, options.png, err);
    if (status != kToolSuccess) return status;
    if (options.sizes)
      InvertingWarning(err, output, read.front().inverting_pixels, InvertingLoss::kScaled);
    for (const ContainerPicture& picture : pictures)
      EntryInvertingWarning(err, output, picture, options.png);
    return status;
  });
}

}  // namespace brindlex
