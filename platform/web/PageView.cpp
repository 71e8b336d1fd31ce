#include "platform/web/PageView.h"

#include "forms/BoardLabel.h"
#include "forms/PictureBox.h"
#include "platform/web/Dom.h"
#include "platform/web/WebTypes.h"

namespace web {

PageView::PageView(forms::PictureBox& box)
    : box_(box)
{
    for (const forms::BoardLabel* label : box_.labels()) {
        const int letter = int(letters_.size());
        letters_[label] = letter;
        const forms::FontRequest& font = label->Font();
        pbAddLetter(letter, label->Caption().c_str(), font.family.c_str(), font.pixelSize, font.weight);
    }
    box_.setView(this);
    resized(); // a new canvas shows nothing yet
}

PageView::~PageView() { box_.setView(nullptr); }

void PageView::markDirty(const forms::Rect& area)
{
    pending_ = pending_.united(area.intersected(box_.area()));
    if (pending_.isEmpty() || frameAsked_)
        return;
    frameAsked_ = true;
    pbRequestFrame();
}

void PageView::resized()
{
    const forms::Rect board = box_.area();
    deviceArea_ = {0, 0, pbBoardDeviceWidth(), pbBoardDeviceHeight()};
    scale_ = {double(deviceArea_.width) / board.width, double(deviceArea_.height) / board.height};
    markDirty(board);
}

void PageView::paintFrame()
{
    frameAsked_ = false;
    const forms::Rect area = pending_;
    pending_ = {};
    // Whole device pixels, so that the edge of a repaint at a fractional scale
    // leaves no half-covered pixel of the old drawing behind.
    const forms::Rect device = forms::devicePixels(area, scale_).intersected(deviceArea_);
    if (device.isEmpty())
        return;
    if (!pbBeginPaint(device.x, device.y, device.width, device.height)) {
        markDirty(area); // in a later frame, once the browser gives the canvas again
        return;
    }
    forms::paintFigure(box_, forms::boardBox(device, scale_), *this);
    pbEndPaint();
}

void PageView::drawLine(const forms::Segment& s, int width, forms::Color color)
{
    pbLine(s.p1.x, s.p1.y, s.p2.x, s.p2.y, width, packed(color));
}

void PageView::drawLabel(const forms::BoardLabel& label, const forms::Rect& box)
{
    const auto found = letters_.find(&label);
    if (found != letters_.end())
        pbLetter(found->second, box.x, box.y, box.width, box.height, packed(label.ForeColor()),
                 packed(label.BackColor()));
}

} // namespace web
