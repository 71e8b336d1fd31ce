#pragma once

#include "forms/MouseEvents.h"

#include <cstdint>

namespace forms {
class OptionArray;
}

namespace board {
struct Scene;
}

namespace window {

// The window's event handlers, free of widgets: each event goes to the one
// handler named after its control and event, which decides between the drag
// of DE and the chalk by memo mode. The board's mouse calls come from the
// window's pointer arbiter (forms::MouseEvents), as the handlers named for them.
class FormHandlers : public forms::MouseEvents {
public:
    FormHandlers(board::Scene& scene, forms::OptionArray& palette);

    // The board's part of start-up: width 3, red chalk, thin red selected, reset.
    void StartUp();

    void ResetBoard();
    void Command1_Click();
    void Command3_Click();
    void Option1_Click(int16_t Index);

    // Presses and moves at a position that is not a finite number are ignored
    // whole; a release does not look at its position.
    void gamen_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void gamen_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void gamen_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // Keys on the board while it has the focus: the arrow and page keys move
    // DE (board::KeyStep), unless memo mode is on or a pointer button is held
    // on the board; DE is magenta while a move key is down. A handler that
    // takes a key sets KeyCode to 0, and the platform then does nothing more
    // with it: no scrolling, no moving of the focus.
    void gamen_KeyDown(int16_t& KeyCode, int16_t Shift);
    void gamen_KeyUp(int16_t& KeyCode, int16_t Shift);
    // The board lost the focus: the keys held on it no longer count.
    void gamen_LostFocus();

private:
    void mouseDown(int16_t Button, int16_t Shift, float X, float Y) override { gamen_MouseDown(Button, Shift, X, Y); }
    void mouseMove(int16_t Button, int16_t Shift, float X, float Y) override { gamen_MouseMove(Button, Shift, X, Y); }
    void mouseUp(int16_t Button, int16_t Shift, float X, float Y) override { gamen_MouseUp(Button, Shift, X, Y); }
    // The last move key let go: DE red again, unless a pointer's drag holds it.
    void moveKeysReleased();

    board::Scene& scene_;
    forms::OptionArray& palette_;
    int16_t buttonsHeld_ = 0; // pressed on the board and not yet released
    int moveKeysHeld_ = 0;    // board::MoveKeyBit of each move key down
};

} // namespace window
