#pragma once

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
// of DE and the chalk by memo mode.
class FormHandlers {
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

private:
    board::Scene& scene_;
    forms::OptionArray& palette_;
};

} // namespace window
