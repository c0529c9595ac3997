#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/frm_brindlex.h"
#include "pixels/pixel_alpha.h"

namespace brindlex::testing {

using Strings = std::vector<std::string>;

// Pixel states by letter: '.' transparent, 'k' black, 'w' white, 'o' red, 'g' green,
// 'b' blue (all opaque), 'i' inverting red, 'r' red of alpha 100, 'h' green of alpha 200;
// '?' anything else.
inline const std::map<char, std::pair<Color, Color>>& PixelStates() {
  static const std::map<char, std::pair<Color, Color>> states = {
      {'.', {kWhite, kBlack}},
      {'k', {kBlack, kBlack}},
      {'w', {kBlack, kWhite}},
      {'o', {kBlack, 0x0000FF}},
      {'g', {kBlack, 0x00FF00}},
      {'b', {kBlack, 0xFF0000}},
      {'i', {kWhite, 0x0000FF}},
      {'r', {kBlack, WithAlpha(0x0000FF, 100)}},
      {'h', {kBlack, WithAlpha(0x00FF00, 200)}}};
  return states;
}

// Writes pixel states into the planes at (x0, y0) and records them as the current state.
inline void SetPixels(FrmBrindlex& form, int x0, int y0, const Strings& rows) {
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      const auto [m, c] = PixelStates().at(rows[y][x]);
      form.Document.PicMask.SetPixel(x0 + x, y0 + y, m);
      form.Document.PicImage.Row(y0 + y)[x0 + x] = c;
    }
  form.Document.DisplayResults();
  form.History.CommitEdit(form.Document);
}

// The states of a block of a mask and colour plane pair.
inline Strings States(const Surface& mask, const Surface& image, int x0, int y0, int w, int h) {
  Strings rows;
  for (int y = y0; y < y0 + h; ++y) {
    std::string row;
    for (int x = x0; x < x0 + w; ++x) {
      const std::pair<Color, Color> p{mask.GetPixel(x, y), image.GetPixel(x, y)};
      char c = '?';
      for (const auto& [letter, state] : PixelStates())
        if (state == p) c = letter;
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

inline Strings Pixels(const FrmBrindlex& form, int x0, int y0, int w, int h) {
  return States(form.Document.PicMask, form.Document.PicImage, x0, y0, w, h);
}

// The floating planes as states.
inline Strings Floating(const FrmBrindlex& form) {
  const Surface& mask = form.Document.PicSelMask;
  return States(mask, form.Document.PicSelImage, 0, 0, mask.Width(), mask.Height());
}

// Marks the w x h block of icon pixels at (px, py) as the Select tool would.
inline void MarkSelection(FrmBrindlex& form, int px, int py, int w, int h) {
  const int z = form.Document.ZoomFactor;
  SelectionState& s = form.Selection;
  s.SelLeft = px * z;
  s.SelTop = py * z;
  s.SelRight = (px + w) * z;
  s.SelBottom = (py + h) * z;
  CopySelectionArea(form.Document, s);
  DrawSelectionFrame(form.Document, s);
  s.SelectionMarked = true;
}

// Marks the block and lifts it, as a press inside a marked selection does.
inline void FloatSelection(FrmBrindlex& form, int px, int py, int w, int h) {
  MarkSelection(form, px, py, w, h);
  LiftSelection(form.Document, form.Selection);
  ShowFloatingSelection(form.Document, form.Selection);
}

}  // namespace brindlex::testing
