#pragma once

#include "forms/FormWindow.h"
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
// handler of that name, and every pointer event to Form1. Start-up has run
// when the constructor returns. Once the program has ended, the page's entry
// points call nothing here (ended()).
class PageForm : public forms::FormWindow {
public:
    PageForm();

    bool ended() const { return ended_; }
    window::Form1& form1() { return form1_; }

    // Whether the board took the key, so that the page does nothing more with it.
    bool keyDown(int16_t keyCode, int16_t shift);
    bool keyUp(int16_t keyCode, int16_t shift);
    // The page is hidden: the board's record, to keep.
    const std::string& hidden();
    // A board kept before, shown instead of this one with its chalk (which
    // the page has put back first); false when the record does not read back.
    bool restore(const char* record);
    // A click on the control in row `control` of the layout table.
    void click(int control);
    void paintFrame() { view_->paintFrame(); }
    // The board's canvas has a new size in device pixels (the page was fitted
    // to another viewport, or the device pixel ratio changed): show it all again.
    void resized() { view_->resized(); }

    void setCaption(const std::string& caption) override;
    void End() override;

private:
    void buildControls();

    CanvasSurface surface_;
    DomPalette palette_;
    window::Form1 form1_;
    std::optional<PageView> view_;
    bool ended_ = false;
    std::string record_;
};

} // namespace web
