#pragma once

#include <cstdint>

namespace forms {

// Whoever takes a board's mouse events, with the window system's arguments:
// Button 1 left, 2 right, 4 middle, 0 any other (on a move, the buttons held,
// summed); Shift the modifier keys (Keys.h); X, Y in the board's pixels.
class MouseEvents {
public:
    virtual ~MouseEvents() = default;
    virtual void mouseDown(int16_t Button, int16_t Shift, float X, float Y) = 0;
    virtual void mouseMove(int16_t Button, int16_t Shift, float X, float Y) = 0;
    virtual void mouseUp(int16_t Button, int16_t Shift, float X, float Y) = 0;
};

} // namespace forms
