#pragma once

#include "board/Scene.h"
#include "forms/PointerArbiter.h"
#include "window/FormHandlers.h"
#include "window/FormLayout.h"

#include <string>
#include <string_view>

namespace forms {
class ChalkSurface;
class FormWindow;
class OptionArray;
}

namespace window {

inline constexpr const char* kCaption = "平行線ボード (by n.Tavio)";

// The program's one window, as the handlers know it: the board's state, its
// figure and the board itself, the handler of every event, and the arbiter
// that decides which pointer holds the board. The platform builds the
// controls from the layout, hands over the chalk surface, the palette and the
// window, hands every pointer event's facts to pointer(), routes the other
// events here and calls Form_Load before the window is first shown.
class Form1 : public forms::PointerSink {
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

    // Each pointer event on the board, to the arbiter, whose mouse calls
    // reach the board's handlers.
    bool pointer(const forms::PointerInput& input) override;
    void touchesCancelled(double time) override;
    // Whether the last pointer event drew chalk on the board, for a platform
    // that shows the ink ahead of the board's next frame.
    bool pointerDrewChalk() const { return pointerDrewChalk_; }
    const forms::PointerArbiter& pointers() const { return pointers_; }

    // The board as a record to keep while the window is away (WriteRecord),
    // the keys held on it let go first as the board's losing the focus would.
    std::string KeepBoard();
    // A kept board shown instead of this one, exactly as it was left but for
    // a drag or stroke under way, which its release ends. False, and nothing
    // changed, when the record does not read back (ReadRecord).
    bool RestoreBoard(std::string_view record);

private:
    forms::FormWindow& window_;
    forms::OptionArray& Option1_;
    board::Scene scene_;
    FormHandlers handlers_;
    forms::PointerArbiter pointers_{handlers_};
    bool pointerDrewChalk_ = false;
};

} // namespace window
