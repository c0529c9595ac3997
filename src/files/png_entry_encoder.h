#pragma once

// Encoding an RGBA picture as the smallest PNG stream this encoder finds for it, without
// losing a byte of any pixel: the smallest lossless colour type (palette with transparency,
// grey, grey and alpha, RGB or RGBA) and the row filter that compresses it best. On small
// pictures every candidate is tried at zlib's highest level; on large ones the candidates
// are ranked by zlib's quickest level on a band of rows and the best compressed by
// libdeflate (or by run lengths alone, where the rows are as noisy as a photograph's). Only
// the chunks that make the pixels are written, so the same picture always gives the same
// bytes.

#include <cstdint>
#include <span>
#include <vector>

#include "files/rgba_image.h"

namespace brindlex {

// The smallest PNG stream found for the picture. Decoded to 8-bit RGBA it gives back every
// byte of `image`. `source`, when given, is a PNG stream the picture was read from: its
// pixel chunks (PixelChunksOf) are taken instead when they are smaller, as a stream made
// by a thorough optimiser may be. Empty when the picture is malformed.
std::vector<std::uint8_t> EncodeSmallestPng(const RgbaImage& image,
                                            std::span<const std::uint8_t> source = {});

// The chunks of the PNG stream that make its pixels (header, palette, transparency, image
// data, end), each as it stands, when the stream holds 8 bits or fewer per sample and is not
// interlaced: a stream that decodes to the same 8-bit RGBA pixels, without the chunks that
// only say how to show them (gamma, colour profile, text, time). Empty when the stream is
// not such a stream, holds another critical chunk, or is cut short.
std::vector<std::uint8_t> PixelChunksOf(std::span<const std::uint8_t> stream);

}  // namespace brindlex
