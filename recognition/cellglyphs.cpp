#include "cellglyphs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <opencv2/imgproc.hpp>

#include "gridlocator.h"

namespace dodoru::recognition {

namespace {

constexpr double kMinDigitHeight = 0.3;   // a digit stands at least this share of the cell's side
constexpr double kFaintDigitHeight = 0.18; // a shorter mark may still be a digit, read as a second guess
constexpr double kCentreInset = 0.18;    // share of a cell's side, at each edge, where no digit is centred

// Takes the grid's lines out of `ink`: the ink that runs straight for most of a cell's side, as no digit
// does, with the pixel of blurred edge beside it (left in, its bits would join the digit beside it).
void removeLines(cv::Mat& ink) {
    const int run = kCellPixels * 3 / 4;
    cv::Mat across, down;
    cv::morphologyEx(ink, across, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(run, 1)));
    cv::morphologyEx(ink, down, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(1, run)));
    cv::Mat lines = across | down;
    cv::dilate(lines, lines, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    ink.setTo(0, lines);
}

}  // namespace

cv::Mat gridInk(const cv::Mat& straightenedGrid) {
    cv::Mat blurred, padded, ink;
    cv::GaussianBlur(straightenedGrid, blurred, cv::Size(3, 3), 0);
    // The surroundings of an edge cell are mirrored from the grid's inside: repeating the grid's outer
    // line outwards would darken them until a faint digit beside that line is lost.
    cv::copyMakeBorder(blurred, padded, kCellPixels, kCellPixels, kCellPixels, kCellPixels, cv::BORDER_REFLECT_101);
    cv::adaptiveThreshold(padded, padded, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 2 * kCellPixels + 1, 4);
    ink = padded(cv::Rect(kCellPixels, kCellPixels, blurred.cols, blurred.rows)).clone();
    removeLines(ink);
    return ink;
}

GridPixels gridPixels(const cv::Mat& straightenedGrid) {
    return {straightenedGrid, gridInk(straightenedGrid)};
}

GridPixels turned(const GridPixels& grid, int quarterTurns) {
    static constexpr std::array<int, 3> kRotations = {cv::ROTATE_90_CLOCKWISE, cv::ROTATE_180, cv::ROTATE_90_COUNTERCLOCKWISE};
    GridPixels result;
    if (quarterTurns % 4 == 0) return {grid.grey.clone(), grid.ink.clone()};
    const int rotation = kRotations[static_cast<std::size_t>(quarterTurns % 4 - 1)];
    cv::rotate(grid.grey, result.grey, rotation);
    cv::rotate(grid.ink, result.ink, rotation);
    return result;
}

namespace {

// The grey of the paper: most of a cell's surroundings are paper; ink and lines are darker.
double paperLevel(const cv::Mat& grey) {
    std::vector<std::uint8_t> values;
    values.reserve(grey.total());
    for (int y = 0; y < grey.rows; ++y) values.insert(values.end(), grey.ptr<std::uint8_t>(y), grey.ptr<std::uint8_t>(y) + grey.cols);
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() * 3 / 5);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The digit whose centre lies in `cell` (a rectangle of `window`); the window reaches past the cell so
// that a digit printed off centre, or a cell the straightening placed a little off, keeps all its ink.
CellGlyph glyphInWindow(const GridPixels& pixels, const cv::Rect& cell) {
    CellGlyph result;
    const cv::Mat& window = pixels.ink;
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(window, labels, stats, centroids, 8, CV_32S);
    const double side = cell.height;
    // A digit's centre lies well inside its cell; bits of the grid's lines lie along its edges.
    const double inset = kCentreInset * side;
    const cv::Rect2d centre(cell.x + inset, cell.y + inset, cell.width - 2 * inset, cell.height - 2 * inset);
    cv::Rect box, tallestShort;
    int kept = 0;
    for (int i = 1; i < count; ++i) {
        const int x = stats.at<int>(i, cv::CC_STAT_LEFT), y = stats.at<int>(i, cv::CC_STAT_TOP);
        const int w = stats.at<int>(i, cv::CC_STAT_WIDTH), h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        const int area = stats.at<int>(i, cv::CC_STAT_AREA);
        if (area < 12) continue;
        if (!centre.contains(cv::Point2d(centroids.at<double>(i, 0), centroids.at<double>(i, 1)))) continue;
        // What is left of a grid line: long and thin.
        if ((w <= 3 && h > 0.8 * side) || (h <= 3 && w > 0.8 * side) || w > 1.2 * side || h > 1.2 * side) continue;
        if (h < kMinDigitHeight * side) {
            if (h > tallestShort.height) tallestShort = cv::Rect(x, y, w, h);
            result.inkHeight = std::max(result.inkHeight, h / side);
            continue;
        }
        result.inkHeight = std::max(result.inkHeight, h / side);
        box = kept == 0 ? cv::Rect(x, y, w, h) : (box | cv::Rect(x, y, w, h));
        ++kept;
    }
    if (kept == 0) {
        // A mark a little short of a digit's height: a faint or small digit, maybe.
        if (tallestShort.height < kFaintDigitHeight * side) return result;
        box = tallestShort;
        result.faint = true;
    }
    // Small pieces beside the digit (a broken stroke) belong to it.
    for (int i = 1; i < count; ++i) {
        const cv::Rect piece(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                             stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
        if (stats.at<int>(i, cv::CC_STAT_AREA) >= 6 && (piece & box).area() > piece.area() / 2) box |= piece;
    }
    result.present = !result.faint;
    result.aspect = static_cast<double>(box.width) / box.height;
    cv::Mat digit = cv::Mat::zeros(box.size(), CV_8U);
    for (int i = 1; i < count; ++i) {
        const cv::Rect piece(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                             stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
        if ((piece & box) == piece) digit.setTo(255, labels(box) == i);
    }
    // The digit's shading: how much darker than the paper around it, up to its darkest, within its
    // ink and a pixel beyond.
    cv::Mat near;
    cv::dilate(digit, near, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    cv::Mat grey;
    pixels.grey(box).convertTo(grey, CV_32F);
    const double paper = paperLevel(pixels.grey);
    double darkest = paper;
    cv::minMaxLoc(grey, &darkest, nullptr, nullptr, nullptr, near);
    cv::Mat shaded = (paper - grey) / std::max(paper - darkest, 8.0);
    cv::threshold(shaded, shaded, 1.0, 1.0, cv::THRESH_TRUNC);
    cv::threshold(shaded, shaded, 0.0, 0.0, cv::THRESH_TOZERO);
    shaded.setTo(0, near == 0);
    // Scaled to fit kGlyphPixels - 4 on its longer side, centred.
    const int fit = kGlyphPixels - 4;
    const double scale = static_cast<double>(fit) / std::max(box.width, box.height);
    const int w = std::max(1, static_cast<int>(std::lround(box.width * scale)));
    const int h = std::max(1, static_cast<int>(std::lround(box.height * scale)));
    result.glyph = cv::Mat::zeros(kGlyphPixels, kGlyphPixels, CV_32F);
    cv::resize(shaded, result.glyph(cv::Rect((kGlyphPixels - w) / 2, (kGlyphPixels - h) / 2, w, h)), cv::Size(w, h), 0, 0,
               cv::INTER_AREA);
    return result;
}

}  // namespace

CellGlyph glyphOfCell(const GridPixels& cell) {
    return glyphInWindow(cell, cv::Rect(0, 0, cell.ink.cols, cell.ink.rows));
}

std::array<CellGlyph, 81> cellGlyphs(const GridPixels& grid) {
    const cv::Mat& ink = grid.ink;
    std::array<CellGlyph, 81> glyphs;
    const int reach = kCellPixels / 4;
    const cv::Rect whole(0, 0, ink.cols, ink.rows);
    for (int cell = 0; cell < 81; ++cell) {
        const cv::Rect area((cell % 9) * kCellPixels, (cell / 9) * kCellPixels, kCellPixels, kCellPixels);
        const cv::Rect window = (area + cv::Point(-reach, -reach) + cv::Size(2 * reach, 2 * reach)) & whole;
        CellGlyph& glyph = glyphs[static_cast<std::size_t>(cell)];
        glyph = glyphInWindow({grid.grey(window), ink(window)}, area - window.tl());
        // The middle of the cell, clear of its lines, smoothed so that a single dark pixel does not count.
        const int inset = kCellPixels / 5;
        cv::Mat middle;
        cv::blur(grid.grey(area - cv::Point(-inset, -inset) - cv::Size(2 * inset, 2 * inset)), middle, cv::Size(3, 3));
        double darkest = 0;
        cv::minMaxLoc(middle, &darkest);
        glyph.darkness = std::max(0.0, paperLevel(grid.grey(window)) - darkest);
    }
    return glyphs;
}

CellGlyph faintGlyph(const GridPixels& grid, int cell) {
    const int reach = kCellPixels / 4;
    const cv::Rect whole(0, 0, grid.grey.cols, grid.grey.rows);
    const cv::Rect area((cell % 9) * kCellPixels, (cell / 9) * kCellPixels, kCellPixels, kCellPixels);
    const cv::Rect window = (area + cv::Point(-reach, -reach) + cv::Size(2 * reach, 2 * reach)) & whole;
    cv::Mat grey;
    cv::GaussianBlur(grid.grey(window), grey, cv::Size(3, 3), 0);
    const int inset = kCellPixels / 5;
    const cv::Rect middle = (area - window.tl()) - cv::Point(-inset, -inset) - cv::Size(2 * inset, 2 * inset);
    double darkest = 0;
    cv::minMaxLoc(grey(middle), &darkest);
    const double paper = paperLevel(grey);
    constexpr double kLeastContrast = 6;  // grey levels; less is the paper's own grain
    if (paper - darkest < kLeastContrast) return {};
    cv::Mat ink;
    cv::threshold(grey, ink, (paper + darkest) / 2, 255, cv::THRESH_BINARY_INV);
    removeLines(ink);
    return glyphInWindow({grid.grey(window), ink}, area - window.tl());
}

std::vector<float> glyphFeatures(const cv::Mat& glyph, double aspect) {
    std::vector<float> features;
    features.reserve(kFeatureCount);
    cv::Mat smooth, gx, gy, magnitude, angle;
    cv::GaussianBlur(glyph, smooth, cv::Size(3, 3), 0);
    cv::Sobel(smooth, gx, CV_32F, 1, 0);
    cv::Sobel(smooth, gy, CV_32F, 0, 1);
    cv::cartToPolar(gx, gy, magnitude, angle);
    const int cell = kGlyphPixels / 4;
    for (int by = 0; by < 4; ++by) {
        for (int bx = 0; bx < 4; ++bx) {
            std::array<float, 9> bins{};
            for (int y = by * cell; y < (by + 1) * cell; ++y) {
                for (int x = bx * cell; x < (bx + 1) * cell; ++x) {
                    // Unsigned orientation over 9 bins of 20 degrees, shared linearly between two bins.
                    float a = angle.at<float>(y, x);
                    if (a >= static_cast<float>(CV_PI)) a -= static_cast<float>(CV_PI);
                    const float position = a / static_cast<float>(CV_PI) * 9.0f - 0.5f;
                    const int low = static_cast<int>(std::floor(position));
                    const float share = position - static_cast<float>(low);
                    const float m = magnitude.at<float>(y, x);
                    bins[static_cast<std::size_t>((low + 9) % 9)] += m * (1.0f - share);
                    bins[static_cast<std::size_t>((low + 10) % 9)] += m * share;
                }
            }
            float norm = 1e-3f;
            for (float b : bins) norm += b * b;
            norm = std::sqrt(norm);
            for (float b : bins) features.push_back(b / norm);
        }
    }
    cv::Mat shrunk;
    cv::resize(glyph, shrunk, cv::Size(8, 8), 0, 0, cv::INTER_AREA);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) features.push_back(shrunk.at<float>(y, x));
    features.push_back(static_cast<float>(aspect));
    return features;
}

}  // namespace dodoru::recognition
