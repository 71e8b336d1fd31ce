#pragma once

#include "forms/DirtySink.h"
#include "forms/FigurePainter.h"

#include <map>

namespace forms {
class PictureBox;
}

namespace web {

// Shows a picture box on the page's board canvas. Changed rectangles gather
// into one, painted at the next animation frame and no sooner: the chalk
// canvas copied under it, then the figure's objects that meet it.
class PageView : public forms::DirtySink, private forms::FigureCanvas {
public:
    explicit PageView(forms::PictureBox& box);
    ~PageView() override;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    void markDirty(const forms::Rect& area) override;
    // The canvas has a new size in device pixels: everything is shown again.
    void resized();
    // The animation frame: paints what gathered since the last one.
    void paintFrame();

private:
    void drawLine(const forms::Segment& segment, int width, forms::Color color) override;
    void drawLabel(const forms::BoardLabel& label, const forms::Rect& box) override;

    forms::PictureBox& box_;
    forms::DeviceScale scale_;
    forms::Rect deviceArea_; // the whole canvas
    std::map<const forms::BoardLabel*, int> letters_; // as the page's script numbers them
    forms::Rect pending_;
    bool frameAsked_ = false;
};

} // namespace web
