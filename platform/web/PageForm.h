#pragma once

#include "forms/FormWindow.h"
#include "forms/PointerArbiter.h"
#include "platform/web/CanvasSurface.h"
#include "platform/web/DomPalette.h"
#include "platform/web/PageView.h"
#include "window/Form1.h"

#include <cstdint>
#include <optional>
#include <string>

namespace web {

// The program's one window as a page: the elements of the layout around
// Form1, with every DOM event the page's script hands over routed to the
// handler of that name. Start-up has run when the constructor returns.
class PageForm : public forms::FormWindow, private forms::MouseEvents {
public:
    PageForm();

    // One event of one pointer on the board; whether a pointer holds the
    // board afterwards, so that the page follows it off the board too.
    bool pointer(const forms::PointerInput& input);
    // Whether the board took the key, so that the page does nothing more with it.
    bool keyDown(int16_t keyCode, int16_t shift);
    bool keyUp(int16_t keyCode, int16_t shift);
    void lostFocus();
    // The page is hidden: the keys held count no more, and the board's record
    // is what the page keeps (window::WriteRecord).
    const std::string& hidden();
    // A board kept before is shown instead of this one, exactly as it was left
    // but for a drag or stroke under way, which its release ends. False, and
    // nothing changed, when the record does not read back.
    bool restore(const char* record);
    // A click on the control in row `control` of the layout table.
    void click(int control);
    void paintFrame();
    // The board's canvas has a new size in device pixels (the page was fitted
    // to another viewport, or the device pixel ratio changed): show it all again.
    void resized();

    void setCaption(const std::string& caption) override;
    void End() override;

private:
    void buildControls();
    void mouseDown(int16_t button, int16_t shift, float x, float y) override;
    void mouseMove(int16_t button, int16_t shift, float x, float y) override;
    void mouseUp(int16_t button, int16_t shift, float x, float y) override;

    CanvasSurface surface_;
    DomPalette palette_;
    window::Form1 form1_;
    std::optional<PageView> view_;
    forms::PointerArbiter pointers_{*this};
    bool ended_ = false;
    std::string record_;
};

} // namespace web
