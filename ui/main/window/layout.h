#pragma once

#include <QString>
#include <array>

// The main window as designed, in twips of its client area (origin top-left).
namespace dodoru::layout {

inline constexpr int kClientWidth = 9360;
inline constexpr int kClientHeight = 9150;

// Cells are 900 x 720; the steps between columns and rows are uneven on purpose.
inline constexpr int kCellWidth = 900;
inline constexpr int kCellHeight = 720;
inline constexpr std::array<int, 9> kCellLeft = {135, 1140, 2145, 3165, 4170, 5175, 6180, 7185, 8205};
inline constexpr std::array<int, 9> kCellTop = {1395, 2235, 3105, 3975, 4785, 5640, 6525, 7365, 8205};

// The chooser sits this far right of and below the cell it edits.
inline constexpr int kChooserOffsetLeft = 200;
inline constexpr int kChooserOffsetTop = 100;

struct LineSpec {
    int index;
    bool horizontal;
    int position; // y of a horizontal line, x of a vertical one
    int width;    // pixels
};
inline constexpr int kHorizontalFrom = 90, kHorizontalTo = 9150;
inline constexpr int kVerticalFrom = 1335, kVerticalTo = 8970;
inline constexpr std::array<LineSpec, 20> kLines = {{
    {1, true, 1320, 3},   {0, true, 2175, 1},   {2, true, 3030, 1},   {3, true, 3885, 3},
    {4, true, 4725, 1},   {5, true, 5580, 1},   {6, true, 6435, 3},   {7, true, 7290, 1},
    {8, true, 8145, 1},   {9, true, 9000, 3},   {10, false, 75, 3},   {11, false, 1080, 1},
    {12, false, 2100, 1}, {13, false, 3105, 3}, {14, false, 4110, 1}, {15, false, 5130, 1},
    {16, false, 6135, 3}, {17, false, 7140, 1}, {18, false, 8160, 1}, {19, false, 9165, 3},
}};

enum class ButtonFont { Small, Large };
struct ButtonSpec {
    short index;
    int left, top, width, height;
    const char* caption; // UTF-8, translated by the window; null for a level button (its level's name)
    const char16_t* tooltip;
    ButtonFont font;
};
// In tab order: 0, 1, 2, 3, 5, 6, 7, 4, 99.
inline constexpr std::array<ButtonSpec, 9> kButtons = {{
    //: The button of manual set-up mode, in which every digit entered is a given. At most 80 pixels wide.
    {0, 105, 405, 1200, 400, QT_TRANSLATE_NOOP("dodoru::MainWindow", "0.手動"), u"Set the topic", ButtonFont::Small},
    //: The button that solves the board. At most 150 pixels wide.
    {1, 3810, 405, 2300, 800, QT_TRANSLATE_NOOP("dodoru::MainWindow", "自動解題"), u"The automatic solution",
     ButtonFont::Large},
    //: The button that clears the board and starts again. At most 150 pixels wide.
    {2, 6210, 405, 2300, 800, QT_TRANSLATE_NOOP("dodoru::MainWindow", "清除重來"), u"The clearance does it again ",
     ButtonFont::Large},
    {3, 105, 795, 1200, 400, nullptr, u"Auto Set the topic (Very Easy)", ButtonFont::Small},
    {5, 1290, 795, 1200, 400, nullptr, u"Auto Set the topic (Medium)", ButtonFont::Small},
    {6, 2490, 405, 1200, 400, nullptr, u"Auto Set the topic (Hard)", ButtonFont::Small},
    {7, 2490, 795, 1200, 400, nullptr, u"Auto Set the topic (Very Hard)", ButtonFont::Small},
    {4, 1290, 405, 1200, 400, nullptr, u"Auto Set the topic (Easy)", ButtonFont::Small},
    {99, 8625, 405, 555, 800, "", u"Print", ButtonFont::Large},
}};

struct Rect {
    int left, top, width, height;
};
inline constexpr Rect kCombo1 = {300, 1500, 615, 480};
inline constexpr Rect kLabel2 = {120, 45, 8280, 240};
inline constexpr Rect kLabel3 = {9000, 60, 240, 225};
inline constexpr Rect kMessageLabel = {1800, 3855, 5760, 1440};
inline constexpr Rect kPicture1 = {0, 0, 552, 252};

inline constexpr int kTimerInterval = 300; // milliseconds

// Fonts: face, points, weight.
inline constexpr double kLargeButtonPoints = 26.25;
inline constexpr double kSmallButtonPoints = 14.25;
inline constexpr double kCellPoints = 36;
inline constexpr double kChooserPoints = 18;
inline constexpr double kHintPoints = 12;
inline constexpr double kCountPoints = 11.25;
inline constexpr double kMessagePoints = 72;

} // namespace dodoru::layout
