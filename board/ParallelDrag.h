#pragma once

namespace board {

struct BoardState;
struct Figure;

// The drag of segment DE (Line2(kDE)) up and down, with D and E sliding along
// the lines AB and AC.

// Whether a press at height y grabs DE: y within the band from 50 pixels above
// DE (included) to 50 pixels below it (excluded). The x of the press does not matter.
bool HitsDE(const Figure& figure, float y);

// DE turns magenta and the drag begins.
void GrabDE(Figure& figure, BoardState& state);

// Moves DE by the pointer's vertical travel since state.lastY (MoveDE).
bool DragDE(Figure& figure, const BoardState& state, float y);

// Moves DE down by dY (up when negative) and sets the sides AD and EA, the
// mark on DE and the letters D and E from DE's new ends: the drag's update,
// whatever moved DE. A move whose arithmetic leaves the finite range is
// refused whole: nothing changes and false is returned, so the caller keeps
// the last position too.
bool MoveDE(Figure& figure, const BoardState& state, float dY);

// Any release ends a drag: DE turns red again.
void ReleaseDE(Figure& figure, BoardState& state);

// DE's colour while it is held (magenta) and at rest (red), whatever holds it.
void ShowDEHeld(Figure& figure);
void ShowDEAtRest(Figure& figure);

} // namespace board
