#pragma once

#include <array>

#include <opencv2/core.hpp>

#include "photoreader.h"

namespace dodoru::recognition {

inline constexpr int kCellPixels = 40;                 // a cell's side in the straightened grid
inline constexpr int kGridPixels = 9 * kCellPixels;    // the straightened grid's side

struct GridOutline {
    ReadFailure failure = ReadFailure::None;
    std::array<cv::Point2f, 4> corners{};  // in the image given, clockwise from the top left
};

// Finds the grid's outline: the largest four-sided blob of ink that is roughly square. Refuses an image
// without one, and one that the image's edge cuts off: it touches the edge and, straightened, its
// inner lines are not where nine even rows and columns put them.
GridOutline locateGrid(const cv::Mat& grey);

// The grid straightened to kGridPixels square, its corners taken in order as top left, top right,
// bottom right, bottom left.
cv::Mat straightenGrid(const cv::Mat& grey, const std::array<cv::Point2f, 4>& corners);

}  // namespace dodoru::recognition
