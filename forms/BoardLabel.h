#pragma once

#include "forms/Color.h"
#include "forms/FontRequest.h"
#include "forms/Geometry.h"

#include <optional>
#include <string>

namespace forms {

class DirtySink;

// A retained label on a picture box: a box of fixed size whose top-left corner
// stands at (Left, Top) in the box's pixels, filled with its back colour and
// showing its caption. Moving it reports the old and the new box to the sink.
class BoardLabel {
public:
    void attach(DirtySink* sink) { sink_ = sink; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::string& Caption() const { return caption_; } // UTF-8
    const FontRequest& Font() const { return font_; }
    Color ForeColor() const { return fore_; }
    Color BackColor() const { return back_; }

    void setLeft(float value) { move(left_, value); }
    void setTop(float value) { move(top_, value); }
    // The look is fixed when the window is made; set it before the label shows.
    void setLook(const std::string& caption, const FontRequest& font, Color fore, Color back, int width, int height);

    Box extent() const;
    // The whole pixels the box covers where it is drawn; none while its place
    // is not a finite number.
    std::optional<Rect> drawnBox() const;

private:
    void move(float& field, float value);
    void markExtent() const;

    float left_ = 0, top_ = 0;
    int width_ = 0, height_ = 0;
    std::string caption_;
    FontRequest font_;
    Color fore_{}, back_{};
    DirtySink* sink_ = nullptr;
};

} // namespace forms
