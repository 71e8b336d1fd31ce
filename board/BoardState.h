#pragma once

#include <cstdint>

namespace board {

// A general number field. Single precision holds exactly every whole value in
// the 16-bit range and every pointer coordinate, which is all that is ever
// assigned to one, and its arithmetic is the single-precision arithmetic that
// the drag is defined in.
using Number = float;

// The window's state record. Created with every field 0; start-up and
// ResetBoard give the fields their working values.
struct BoardState {
    Number xA = 0; // vertex A; the vertices never change after start-up
    Number yA = 0;
    Number xB = 0; // vertex B
    Number yB = 0;
    Number xC = 0; // vertex C
    Number yC = 0;
    Number xD = 0; // D and E of the initial figure; only ResetBoard reads them
    Number yD = 0;
    Number xE = 0;
    int16_t yE = 0;
    Number dragging = 0; // 1 while DE is held by the mouse
    Number lastX = 0;    // last pointer position taken from the board
    Number lastY = 0;
    Number memoMode = 0; // 1 while the board is a free-hand chalkboard
    Number penColor = 0; // chalk colour as a QBColor index
    int16_t penDown = 0; // 1 while the chalk is on the board
};

} // namespace board
