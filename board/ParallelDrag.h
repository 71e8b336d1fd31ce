#pragma once

namespace board {

struct BoardState;
struct Figure;

// The drag of segment DE (Line2(1)) up and down, with D and E sliding along
// the lines AB and AC.

// Whether a press at height y grabs DE: y within the band from 50 pixels above
// DE (included) to 50 pixels below it (excluded). The x of the press does not matter.
bool HitsDE(const Figure& figure, float y);

// DE turns magenta and the drag begins.
void GrabDE(Figure& figure, BoardState& state);

// Moves DE by the pointer's vertical travel since state.lastY and sets the
// sides AD and EA, the mark on DE and the letters D and E from DE's new ends.
// A move whose arithmetic leaves the finite range is refused whole: nothing
// changes and false is returned, so the caller keeps the last position too.
bool DragDE(Figure& figure, const BoardState& state, float y);

// Any release ends a drag: DE turns red again.
void ReleaseDE(Figure& figure, BoardState& state);

} // namespace board
