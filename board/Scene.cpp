#include "board/Scene.h"

namespace board {

Scene::Scene(forms::ChalkSurface& surface)
    : gamen(kBoardWidth, kBoardHeight, kBoardColor, surface)
{
    // Triangle ADE over triangle ABC, the marks over both, the letters on top,
    // so that a letter always stays readable.
    for (auto* lines : {&figure.Line1, &figure.Line2})
        for (auto& line : *lines)
            gamen.addShape(line);
    for (auto& line : figure.Line3)
        gamen.addShape(line);
    for (auto& label : figure.Label2)
        gamen.addLabel(label);
    for (auto& label : figure.Label3)
        gamen.addLabel(label);
}

} // namespace board
