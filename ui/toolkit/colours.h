#pragma once

#include <QColor>
#include <cstdint>

namespace dodoru {

// Colours as the window's properties hold them: 0x00BBGGRR, or, with the top bit set, a system colour
// named by the number in the low bits.
using ColourValue = std::uint32_t;
inline constexpr ColourValue kSystemColourFlag = 0x80000000u;
inline constexpr ColourValue kButtonFaceColour = 0x8000000Fu; // system colour 15
inline constexpr ColourValue kHighlightColour = 0x0000FFFFu;  // yellow

// The colour to paint; system colours come from the application palette.
QColor toQColor(ColourValue value);
// The 0x00BBGGRR value of an opaque colour.
ColourValue fromQColor(const QColor& colour);

} // namespace dodoru
