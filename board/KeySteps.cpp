#include "board/KeySteps.h"

#include "board/ParallelDrag.h"
#include "board/Scene.h"
#include "forms/Keys.h"

namespace board {

namespace {

constexpr float kSmallStep = 1, kLargeStep = 10;
constexpr float kFirstRow = 0, kLastRow = kBoardHeight - 1;

// How far DE may go by `step` from height y: the step itself where it stays
// on the board, exactly as far as the edge where it would pass it, nothing
// where it would leave the board further.
float allowedTravel(float y, float step)
{
    if (step > 0) {
        if (y >= kLastRow)
            return 0;
        return y + step > kLastRow ? kLastRow - y : step;
    }
    if (y <= kFirstRow)
        return 0;
    return y + step < kFirstRow ? kFirstRow - y : step;
}

} // namespace

float KeyStep(int16_t keyCode, int16_t shift)
{
    if (shift & ~forms::vbShiftMask)
        return 0;
    const float arrow = shift & forms::vbShiftMask ? kLargeStep : kSmallStep;
    switch (keyCode) {
    case forms::vbKeyUp:
        return -arrow;
    case forms::vbKeyDown:
        return arrow;
    case forms::vbKeyPageUp:
        return -kLargeStep;
    case forms::vbKeyPageDown:
        return kLargeStep;
    default:
        return 0;
    }
}

int MoveKeyBit(int16_t keyCode)
{
    switch (keyCode) {
    case forms::vbKeyUp:
        return 1;
    case forms::vbKeyDown:
        return 2;
    case forms::vbKeyPageUp:
        return 4;
    case forms::vbKeyPageDown:
        return 8;
    default:
        return 0;
    }
}

void StepDE(Figure& figure, const BoardState& state, float step)
{
    const float dY = allowedTravel(figure.Line2(1).Y1(), step);
    if (dY != 0)
        MoveDE(figure, state, dY);
}

} // namespace board
