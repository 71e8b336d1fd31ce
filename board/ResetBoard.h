#pragma once

namespace forms {
class OptionArray;
}

namespace board {

struct Scene;

// Brings the board back to its initial screen from any state: width 3, chalk
// wiped, palette greyed out, memo mode and chalk off, the figure at its
// initial places, no drag. Leaves the chalk colour, the selected palette
// button, the last pointer position and every colour of the figure as they are.
void ResetBoard(Scene& scene, forms::OptionArray& palette);

} // namespace board
