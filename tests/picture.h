#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "pixels/surface.h"

namespace brindlex::testing {

// Builds a surface from rows of characters; each character is looked up in the legend.
// The default legend: '.' white, '#' black, 'o' red, 'g' green, 'b' blue.
inline Surface Picture(
    const std::vector<std::string>& rows,
    std::map<char, Color> legend = {
        {'.', kWhite}, {'#', kBlack}, {'o', 0x0000FF}, {'g', 0x00FF00}, {'b', 0xFF0000}}) {
  const int height = static_cast<int>(rows.size());
  const int width = height ? static_cast<int>(rows[0].size()) : 0;
  Surface surface(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) surface.Row(y)[x] = legend.at(rows[y][x]);
  return surface;
}

// Compares two surfaces and reports the size mismatch or the first differing pixel.
inline ::testing::AssertionResult SamePixels(const Surface& expected, const Surface& actual) {
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
    return ::testing::AssertionFailure()
           << "size " << actual.Width() << "x" << actual.Height() << ", expected "
           << expected.Width() << "x" << expected.Height();
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (expected.GetPixel(x, y) != actual.GetPixel(x, y)) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer,
                      "first difference at (%d, %d): 0x%06X, expected 0x%06X", x, y,
                      actual.GetPixel(x, y), expected.GetPixel(x, y));
        return ::testing::AssertionFailure() << buffer;
      }
  return ::testing::AssertionSuccess();
}

// Renders a surface as rows of characters through the reverse of a legend ('?' for others).
inline std::vector<std::string> Rows(const Surface& surface, std::map<Color, char> legend = {
                                                                 {kWhite, '.'}, {kBlack, '#'}}) {
  std::vector<std::string> rows;
  for (int y = 0; y < surface.Height(); ++y) {
    std::string row;
    for (int x = 0; x < surface.Width(); ++x) {
      auto it = legend.find(surface.GetPixel(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace brindlex::testing
