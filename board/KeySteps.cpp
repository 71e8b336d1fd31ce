#include "board/KeySteps.h"

#include "board/ParallelDrag.h"
#include "board/Scene.h"
#include "forms/Keys.h"

namespace board {

namespace {

constexpr float kSmallStep = 1, kLargeStep = 10;
constexpr float kFirstRow = 0, kLastRow = kBoardHeight - 1;

// The keys that move DE: an arrow a small step, a page key a large one.
struct MoveKey {
    int16_t code;
    float down; // 1 down the board, -1 up
    bool page;
};
constexpr MoveKey kMoveKeys[] = {
    {forms::vbKeyUp, -1, false},
    {forms::vbKeyDown, 1, false},
    {forms::vbKeyPageUp, -1, true},
    {forms::vbKeyPageDown, 1, true},
};

const MoveKey* moveKey(int16_t code)
{
    for (const MoveKey& key : kMoveKeys)
        if (key.code == code)
            return &key;
    return nullptr;
}

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
    const MoveKey* key = moveKey(keyCode);
    if (!key || (shift & ~forms::vbShiftMask))
        return 0;
    return key->down * (key->page || (shift & forms::vbShiftMask) ? kLargeStep : kSmallStep);
}

int MoveKeyBit(int16_t keyCode)
{
    const MoveKey* key = moveKey(keyCode);
    return key ? 1 << (key - kMoveKeys) : 0;
}

void StepDE(Figure& figure, const BoardState& state, float step)
{
    const float dY = allowedTravel(figure.Line2(kDE).Y1(), step);
    if (dY != 0)
        MoveDE(figure, state, dY);
}

} // namespace board
