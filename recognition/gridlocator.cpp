#include "gridlocator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <opencv2/imgproc.hpp>

namespace dodoru::recognition {

namespace {

constexpr double kWorkingSide = 1000.0;  // the search runs on the image scaled to this longer side

// Orders four points clockwise from the one nearest the top left.
std::array<cv::Point2f, 4> clockwise(const std::vector<cv::Point>& quad) {
    cv::Point2f centre(0, 0);
    for (const cv::Point& p : quad) centre += cv::Point2f(static_cast<float>(p.x), static_cast<float>(p.y)) * 0.25f;
    std::array<cv::Point2f, 4> points;
    for (std::size_t i = 0; i < 4; ++i) points[i] = cv::Point2f(static_cast<float>(quad[i].x), static_cast<float>(quad[i].y));
    std::sort(points.begin(), points.end(), [&](const cv::Point2f& a, const cv::Point2f& b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) < std::atan2(b.y - centre.y, b.x - centre.x);
    });
    // atan2 ascending runs clockwise on screen (y down), from the left side.
    const auto topLeft = std::min_element(points.begin(), points.end(), [](const cv::Point2f& a, const cv::Point2f& b) {
        return a.x + a.y < b.x + b.y;
    });
    std::rotate(points.begin(), topLeft, points.end());
    return points;
}

double sideRatio(const std::vector<cv::Point>& quad) {
    double shortest = 1e9, longest = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const double side = cv::norm(quad[i] - quad[(i + 1) % 4]);
        shortest = std::min(shortest, side);
        longest = std::max(longest, side);
    }
    return longest > 0 ? shortest / longest : 0;
}

// The hull's points farthest towards the four corners of the image.
std::vector<cv::Point> extremeCorners(const std::vector<cv::Point>& hull) {
    std::vector<cv::Point> quad(4, hull.front());
    for (const cv::Point& p : hull) {
        if (p.x + p.y < quad[0].x + quad[0].y) quad[0] = p;
        if (p.x - p.y > quad[1].x - quad[1].y) quad[1] = p;
        if (p.x + p.y > quad[2].x + quad[2].y) quad[2] = p;
        if (p.y - p.x > quad[3].y - quad[3].x) quad[3] = p;
    }
    return quad;
}

// Whether the straightened grid's inner lines lie where nine even rows and columns put them. A grid the
// photo's edge cuts through is stretched over the part that shows, and its lines fall between those
// places; a grid whose outer line merely touches the edge keeps them.
bool innerLinesInPlace(const cv::Mat& grid) {
    cv::Mat ink;
    cv::adaptiveThreshold(grid, ink, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 2 * kCellPixels + 1, 4);
    const int run = 2 * kCellPixels;
    for (const cv::Size along : {cv::Size(run, 1), cv::Size(1, run)}) {
        cv::Mat lines, profile;
        cv::morphologyEx(ink, lines, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, along));
        // Ink per row for lines across, per column for lines down.
        cv::reduce(lines, profile, along.width > 1 ? 1 : 0, cv::REDUCE_SUM, CV_32S);
        profile = profile.reshape(1, 1);
        int inPlace = 0;
        for (int k = 1; k < 9; ++k) {
            int strongest = 0;
            for (int at = k * kCellPixels - 5; at <= k * kCellPixels + 5; ++at) strongest = std::max(strongest, profile.at<int>(0, at));
            inPlace += strongest >= 255 * kGridPixels * 35 / 100;
        }
        if (inPlace < 6) return false;  // a line or two may be faint, bent or hidden
    }
    return true;
}

}  // namespace

GridOutline locateGrid(const cv::Mat& grey) {
    const double scale = std::min(1.0, kWorkingSide / std::max(grey.cols, grey.rows));
    cv::Mat small;
    if (scale < 1.0) cv::resize(grey, small, cv::Size(), scale, scale, cv::INTER_AREA);
    else small = grey;
    cv::Mat blurred, ink;
    cv::GaussianBlur(small, blurred, cv::Size(5, 5), 0);
    const int block = std::max(11, (std::max(small.cols, small.rows) / 60) | 1);
    cv::adaptiveThreshold(blurred, ink, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, block, 4);
    // Thin lines of a blurred photo break up: closing the gaps keeps the grid one blob.
    cv::dilate(ink, ink, cv::getStructuringElement(cv::MORPH_CROSS, cv::Size(3, 3)));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(ink, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    std::sort(contours.begin(), contours.end(), [](const auto& a, const auto& b) {
        return cv::contourArea(a) > cv::contourArea(b);
    });
    const double imageArea = static_cast<double>(small.cols) * small.rows;
    const int margin = 1;  // a blob reaching the outermost pixels is cut off
    for (std::size_t i = 0; i < std::min<std::size_t>(contours.size(), 6); ++i) {
        std::vector<cv::Point> hull;
        cv::convexHull(contours[i], hull);
        const double hullArea = cv::contourArea(hull);
        if (hullArea < imageArea * 0.04) break;
        std::vector<cv::Point> quad;
        const double perimeter = cv::arcLength(hull, true);
        for (double epsilon = 0.01; epsilon <= 0.05 && quad.size() != 4; epsilon += 0.01)
            cv::approxPolyDP(hull, quad, epsilon * perimeter, true);
        if (quad.size() != 4) quad = extremeCorners(hull);
        if (sideRatio(quad) < 0.5) continue;
        // The grid's ink must fill its outline: a page or a photo's frame does not.
        if (cv::contourArea(quad) < hullArea * 0.85) continue;
        const cv::Rect box = cv::boundingRect(contours[i]);
        GridOutline outline;
        outline.corners = clockwise(quad);
        for (cv::Point2f& corner : outline.corners) corner *= static_cast<float>(1.0 / scale);
        if ((box.x < margin || box.y < margin || box.x + box.width > small.cols - margin ||
             box.y + box.height > small.rows - margin) &&
            !innerLinesInPlace(straightenGrid(grey, outline.corners)))
            outline.failure = ReadFailure::GridCutOff;
        return outline;
    }
    return {ReadFailure::NoGrid, {}};
}

cv::Mat straightenGrid(const cv::Mat& grey, const std::array<cv::Point2f, 4>& corners) {
    // Warp from an image no finer than twice the target, so thin lines do not alias away.
    const double side = std::max({cv::norm(corners[0] - corners[1]), cv::norm(corners[1] - corners[2]),
                                  cv::norm(corners[2] - corners[3]), cv::norm(corners[3] - corners[0])});
    const double scale = std::min(1.0, 2.0 * kGridPixels / std::max(side, 1.0));
    cv::Mat source = grey;
    std::array<cv::Point2f, 4> from = corners;
    if (scale < 1.0) {
        cv::resize(grey, source, cv::Size(), scale, scale, cv::INTER_AREA);
        for (cv::Point2f& p : from) p *= static_cast<float>(scale);
    }
    const float s = static_cast<float>(kGridPixels);
    const std::array<cv::Point2f, 4> to = {cv::Point2f(0, 0), cv::Point2f(s, 0), cv::Point2f(s, s), cv::Point2f(0, s)};
    const cv::Mat transform = cv::getPerspectiveTransform(from.data(), to.data());
    cv::Mat grid;
    cv::warpPerspective(source, grid, transform, cv::Size(kGridPixels, kGridPixels), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return grid;
}

}  // namespace dodoru::recognition
