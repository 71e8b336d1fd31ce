#pragma once

#include "board/Scene.h"
#include "window/FormHandlers.h"
#include "window/FormLayout.h"

namespace forms {
class ChalkSurface;
class FormWindow;
class OptionArray;
}

namespace window {

inline constexpr const char* kCaption = "平行線ボード (by n.Tavio)";

// The program's one window, as the handlers know it: the board's state, its
// figure and the board itself, and the handler of every event. The platform
// builds the controls from the layout, hands over the chalk surface, the
// palette and the window, routes each event here and calls Form_Load before
// the window is first shown.
class Form1 {
public:
    Form1(forms::ChalkSurface& surface, forms::OptionArray& Option1, forms::FormWindow& window);

    board::Scene& scene() { return scene_; }
    FormHandlers& handlers() { return handlers_; }
    forms::PictureBox& gamen() { return scene_.gamen; }

    void Form_Load();
    void Command2_Click();

    // A click on a control of the layout, routed to the handler of its name:
    // Command1_Click, Command2_Click, Command3_Click or Option1_Click(Index).
    // Controls without a click handler ignore it.
    void Click(const ControlLayout& control);

private:
    forms::FormWindow& window_;
    board::Scene scene_;
    FormHandlers handlers_;
};

} // namespace window
