#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStaticText>
#include <QString>

class QPainter;

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
    QString Caption() const { return text_.text(); }
    const QFont& Font() const { return font_; }
    QColor ForeColor() const { return fore_; }
    QColor BackColor() const { return back_; }

    void setLeft(float value) { move(left_, value); }
    void setTop(float value) { move(top_, value); }
    // The look is fixed when the window is made; set it before the label shows.
    void setLook(const QString& caption, const QFont& font, QColor fore, QColor back, int width, int height);

    QRectF extent() const;
    void paint(QPainter& painter) const;

private:
    void move(float& field, float value);
    void markExtent() const;

    float left_ = 0, top_ = 0;
    int width_ = 0, height_ = 0;
    QStaticText text_; // laid out once; a letter is drawn at every move of DE
    QFont font_;
    QColor fore_, back_;
    DirtySink* sink_ = nullptr;
};

} // namespace forms
