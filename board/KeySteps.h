#pragma once

#include <cstdint>

namespace board {

struct BoardState;
struct Figure;

// DE moved from the keyboard, for whoever cannot drag it: one board pixel an
// arrow key, ten a page key or Shift with an arrow, each step the drag's own
// update (MoveDE), so that keys leave what a pointer moving as far leaves.

// How far the key moves DE, in board pixels down; 0 for a key that does not
// move it, with Ctrl, Alt or Meta held among them, which belong to the browser
// or the desktop.
float KeyStep(int16_t keyCode, int16_t shift);

// The key's bit in a set of held move keys; 0 for any other key.
int MoveKeyBit(int16_t keyCode);

// Moves DE by `step` as a pointer moving as far would, but never past the
// board's first or last row: a step that would pass one stops at it, and DE
// held off the board by the pointer only comes back towards it.
void StepDE(Figure& figure, const BoardState& state, float step);

} // namespace board
