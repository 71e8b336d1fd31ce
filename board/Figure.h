#pragma once

#include "forms/BoardLabel.h"
#include "forms/ControlArray.h"
#include "forms/LineShape.h"

namespace board {

// The font of the letters: "ＭＳ Ｐゴシック" bold, 21.75 pt (29 pixels at 96 dpi).
forms::FontRequest letterFont();

// The retained objects of the figure, children of the board:
//   Line1(0..2)  sides AB, BC, CA of triangle ABC
//   Line2(0..2)  sides AD, DE, EA of triangle ADE; Line2(1) is DE, the one dragged
//   Line3(0..3)  the two arrow-head marks, on BC (0, 1) and on DE (2, 3)
//   Label2(0..2) the letters A, B, C;  Label3(1..2) the letters D, E
// Construction gives every object its fixed look; positions come from ResetBoard.
struct Figure {
    Figure();

    forms::ControlArray<forms::LineShape, 0, 3> Line1;
    forms::ControlArray<forms::LineShape, 0, 3> Line2;
    forms::ControlArray<forms::LineShape, 0, 4> Line3;
    forms::ControlArray<forms::BoardLabel, 0, 3> Label2;
    forms::ControlArray<forms::BoardLabel, 1, 2> Label3;
};

} // namespace board
