#include "memo/Chalk.h"

#include "board/Scene.h"
#include "forms/QBColor.h"

namespace memo {

void ChalkDown(board::Scene& scene) { scene.state.penDown = 1; }

void ChalkMove(board::Scene& scene, float x, float y)
{
    const board::BoardState& s = scene.state;
    if (s.penDown != 1)
        return;
    scene.gamen.Line(s.lastX, s.lastY, x, y, forms::QBColor(int16_t(s.penColor)));
}

void ChalkUp(board::Scene& scene)
{
    if (scene.state.penDown == 1)
        scene.state.penDown = 0;
}

} // namespace memo
