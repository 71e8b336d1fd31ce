#pragma once

#include "forms/BoardLabel.h"
#include "forms/ControlArray.h"
#include "forms/LineShape.h"

#include <cstdint>

namespace board {

// The font of the letters: "ＭＳ Ｐゴシック" bold, 21.75 pt (29 pixels at 96 dpi).
forms::FontRequest letterFont();

// The parts of the figure by name, as indices of their arrays: Line2(kDE) is
// DE, the segment that is dragged.
constexpr int kAB = 0, kBC = 1, kCA = 2; // Line1, triangle ABC
constexpr int kAD = 0, kDE = 1, kEA = 2; // Line2, triangle ADE
// Line3, the arrow heads: each mark's lower barb, then its upper one.
constexpr int kBCMarkLower = 0, kBCMarkUpper = 1, kDEMarkLower = 2, kDEMarkUpper = 3;
constexpr int kLetterA = 0, kLetterB = 1, kLetterC = 2; // Label2
constexpr int kLetterD = 1, kLetterE = 2;               // Label3

// DE's colours, as QBColor indices: red at rest, magenta while it is held.
constexpr int16_t kDEAtRest = 12;
constexpr int16_t kDEHeld = 13;

// The retained objects of the figure, children of the board: the sides of
// triangle ABC (Line1) and of triangle ADE (Line2), the two arrow-head marks
// that tell BC and DE are parallel (Line3, two strokes each), and the letters
// A to C (Label2) and D, E (Label3). Construction gives every object its fixed
// look; positions come from ResetBoard.
struct Figure {
    Figure();

    forms::ControlArray<forms::LineShape, 0, 3> Line1;
    forms::ControlArray<forms::LineShape, 0, 3> Line2;
    forms::ControlArray<forms::LineShape, 0, 4> Line3;
    forms::ControlArray<forms::BoardLabel, 0, 3> Label2;
    forms::ControlArray<forms::BoardLabel, 1, 2> Label3;
};

} // namespace board
