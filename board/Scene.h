#pragma once

#include "board/BoardState.h"
#include "board/Figure.h"
#include "forms/PictureBox.h"

namespace forms {
class ChalkSurface;
}

namespace board {

// The board's size and colour.
constexpr int kBoardWidth = 793;
constexpr int kBoardHeight = 641;
constexpr forms::Color kBoardColor{0, 128, 0};

// Everything the board's handlers read and write: the state record, the figure
// objects and the board gamen, which holds the figure and keeps the chalk on
// the platform's surface.
struct Scene {
    explicit Scene(forms::ChalkSurface& surface);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    BoardState state;
    Figure figure;
    forms::PictureBox gamen;
};

} // namespace board
