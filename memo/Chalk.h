#pragma once

namespace board {
struct Scene;
}

namespace memo {

// The chalk in memo mode. Strokes live only as pixels on the board's surface.

// A left press: the chalk goes down. Nothing is drawn yet.
void ChalkDown(board::Scene& scene);

// A move: with the chalk down, one straight segment from the last pointer
// position to (x, y) in the chalk colour at the board's current width.
void ChalkMove(board::Scene& scene, float x, float y);

// The release of any button lifts the chalk.
void ChalkUp(board::Scene& scene);

} // namespace memo
