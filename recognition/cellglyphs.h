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
    double darkness = 0;   // grey levels the darkest spot of the cell's middle lies below the paper
    cv::Mat glyph;         // CV_32F, 0 paper .. 1 ink, when present or faint
};

// The straightened grid as the glyphs are cut from it: its grey pixels and its ink without the lines.
struct GridPixels {
    cv::Mat grey;  // CV_8U
    cv::Mat ink;   // CV_8U, 255 where dark against its surroundings, the grid's lines taken out
};

// The ink of the straightened grid without its lines: 255 where dark against its surroundings.
cv::Mat gridInk(const cv::Mat& straightenedGrid);

// The grey grid and its ink.
GridPixels gridPixels(const cv::Mat& straightenedGrid);
// Both turned clockwise by a quarter turn, a half turn or three quarters (1..3); new pixels.
GridPixels turned(const GridPixels& grid, int quarterTurns);

// The glyphs of the 81 cells, row by row. A glyph is the digit's ink found in the binary image, shaded
// by the grey one: a blurred photo's digit whose holes fill up with ink keeps them in its shading.
std::array<CellGlyph, 81> cellGlyphs(const GridPixels& grid);

// What the classifier sees of a glyph: gradient orientation histograms over a 4 by 4 grid, the glyph
// shrunk to 8 by 8, and its width against its height.
std::vector<float> glyphFeatures(const cv::Mat& glyph, double aspect);

// A second look at one cell (0..80) that the grid's ink left empty: its ink is what lies darker than
// half way from the paper to the darkest spot of the cell's middle, the cell's own contrast, so that a
// faint or blurred digit the grid-wide threshold lost is found. Lines are taken out as in gridInk.
CellGlyph faintGlyph(const GridPixels& grid, int cell);

// The glyph of one cell's pixels (kCellPixels square), or an absent one.
CellGlyph glyphOfCell(const GridPixels& cell);

}  // namespace dodoru::recognition
