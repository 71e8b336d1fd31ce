#pragma once

#include <cstdint>

namespace forms {
class OptionArray;
class PictureBox;
}

namespace board {
struct BoardState;
}

namespace memo {

// The palette Option1(0..7): the lower row (0..3) thin red, yellow, blue and
// eraser, the upper row (4..7) the same thick.
constexpr int16_t kFirstOption = 0;
constexpr int16_t kLastOption = 7;

struct Chalk {
    int16_t penColor;  // QBColor index
    int16_t drawWidth; // pixels
};

// The chalk of palette button `index`, or none for an index with no button.
bool chalkOf(int16_t index, Chalk& chalk);

// A palette click: the button's colour, then its width. Other indices change nothing.
void Option1_Click(int16_t index, board::BoardState& state, forms::PictureBox& gamen);

// The memo button: palette on and memo mode 1, or palette off and memo mode 0;
// the palette is enabled or greyed out from its lowest index up.
void Command3_Click(board::BoardState& state, forms::OptionArray& palette);

} // namespace memo
