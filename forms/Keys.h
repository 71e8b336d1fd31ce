#pragma once

#include <cstdint>

namespace forms {

// Key codes as KeyDown and KeyUp deliver them.
constexpr int16_t vbKeyPageUp = 33;
constexpr int16_t vbKeyPageDown = 34;
constexpr int16_t vbKeyUp = 38;
constexpr int16_t vbKeyDown = 40;

// The Shift argument of key and mouse events: the modifier keys held, summed.
constexpr int16_t vbShiftMask = 1;
constexpr int16_t vbCtrlMask = 2;
constexpr int16_t vbAltMask = 4;
// The Command or Windows key, which keyboards of today add to the three.
constexpr int16_t kMetaMask = 8;

} // namespace forms
