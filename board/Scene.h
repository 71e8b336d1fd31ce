#pragma once

#include "board/BoardState.h"
#include "board/Figure.h"
#include "forms/Surface.h"

namespace board {

// The board's size and colour.
constexpr int kBoardWidth = 793;
constexpr int kBoardHeight = 641;
inline const QColor kBoardColor(0, 128, 0);

// Everything the board's handlers read and write: the state record, the figure
// objects and the drawing surface where the chalk goes.
struct Scene {
    BoardState state;
    Figure figure;
    forms::Surface surface{QSize(kBoardWidth, kBoardHeight), kBoardColor};
};

} // namespace board
