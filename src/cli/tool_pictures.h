#pragma once

// What the tool's RGBA commands (convert with a PNG picture or a cursor on one side, create)
// share: reading a picture out of an input of any kind, and writing containers and PNG
// pictures, each failure reported on one line.

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/tool_support.h"
#include "files/container_writer.h"
#include "files/picture_file.h"

namespace brindlex {

// Reads the whole input file of a picture: of at most kMaxPictureFileBytes for a name ending
// in .png (the refusal of a longer one names the largest picture), else of at most an icon
// file's limit. Reports why when it cannot be read.
bool ReadPictureFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err);

// Reads "X,Y" (two decimal numbers, nothing else) into x and y.
bool ParseHotSpot(const std::string& text, int& x, int& y);

// The picture the input names in `bytes`, the input file's content: a PNG picture (which
// takes no image number: a usage error) or image `input.index` of an icon or cursor file.
// Returns kToolSuccess, or reports why not and returns the exit status.
int ReadPictureInput(const ImageInput& input, std::span<const std::uint8_t> bytes,
                     FilePicture& picture, std::ostream& err);
// The same after reading the input file itself.
int ReadPictureInput(const ImageInput& input, FilePicture& picture, std::ostream& err);

// Refuses (kToolFailure, reported against `file`) a picture larger than an icon or cursor
// entry holds.
int CheckEntrySize(const std::string& file, const RgbaImage& image, std::ostream& err);

// Checks that the hot spot lies inside a width x height picture; a usage error naming
// `given` (the option's text) when not.
int CheckHotSpot(const std::string& given, int x, int y, int width, int height, std::ostream& err);

// Writes the pictures to `output` as an icon container, or a cursor one when `cursor`.
int WriteContainerFile(const std::string& output, bool cursor,
                       const std::vector<ContainerPicture>& pictures, bool png, std::ostream& err);

// Writes the picture as the smallest PNG stream (its own PNG source when that is smaller).
int WritePngFile(const std::string& output, const FilePicture& picture, std::ostream& err);

// Why inverting pixels of a source were written transparent: a PNG picture (a PNG output,
// or an entry stored as PNG) cannot show them, and a scaled picture cannot keep them.
enum class InvertingLoss { kPng, kScaled };
// The warning for `inverting` pixels of a source written transparent to `output`; nothing
// when there are none.
void InvertingWarning(std::ostream& err, const std::string& output, int inverting,
                      InvertingLoss loss);
// The same for a picture written into an icon or cursor entry: a warning when the entry is
// stored as PNG (StoresAsPng), which loses them; other entries keep them.
void EntryInvertingWarning(std::ostream& err, const std::string& output,
                           const ContainerPicture& picture, bool png);

}  // namespace brindlex
