#pragma once

#include <array>
#include <vector>

#include <opencv2/core.hpp>

namespace dodoru::recognition {

inline constexpr int kGlyphPixels = 24;      // the side of a glyph's normalised image
inline constexpr int kFeatureCount = 16 * 9 + 64 + 1;

// The ink of one cell: whether it holds a digit, and if so its glyph scaled into kGlyphPixels square.
struct CellGlyph {
    bool present = false;
    bool faint = false;    // no digit, but a mark almost tall enough for one: its glyph is kept
    double inkHeight = 0;  // the tallest mark's height, as a share of the cell's side
    double aspect = 0;     // the digit's width against its height, when present
    cv::Mat glyph;         // CV_32F, 0 paper .. 1 ink, when present or faint
};

// The ink of the straightened grid without its lines: 255 where dark against its surroundings.
cv::Mat gridInk(const cv::Mat& straightenedGrid);

// The glyphs of the 81 cells, row by row, from the grid's ink.
std::array<CellGlyph, 81> cellGlyphs(const cv::Mat& ink);

// What the classifier sees of a glyph: gradient orientation histograms over a 4 by 4 grid, the glyph
// shrunk to 8 by 8, and its width against its height.
std::vector<float> glyphFeatures(const cv::Mat& glyph, double aspect);

// The glyph of one cell image (kCellPixels square, ink 255), or an absent one.
CellGlyph glyphOfCell(const cv::Mat& cellInk);

}  // namespace dodoru::recognition
