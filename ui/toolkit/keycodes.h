#pragma once

class QKeyEvent;

namespace dodoru {

// Codes of the digit 0: on the main keyboard the character '0', on the keypad its own.
inline constexpr short kDigitKey0 = '0';
inline constexpr short kKeypadDigitKey0 = 96;

// The virtual-key code of a key event as key handlers receive it: "0".."9" of the main keyboard give
// 48..57, the keypad digits 96..105, letters 65..90; other keys their usual codes, 0 when unknown.
short virtualKeyCode(const QKeyEvent& event);

} // namespace dodoru
