#pragma once

class QKeyEvent;

namespace dodoru {

// The virtual-key code of a key event as key handlers receive it: "0".."9" of the main keyboard give
// 48..57, the keypad digits 96..105, letters 65..90; other keys their usual codes, 0 when unknown.
short virtualKeyCode(const QKeyEvent& event);

} // namespace dodoru
