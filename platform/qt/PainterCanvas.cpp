#include "platform/qt/PainterCanvas.h"

#include "forms/BoardLabel.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtTypes.h"

#include <QPainter>

namespace qtwin {

void drawSegment(QPainter& painter, const forms::Segment& segment)
{
    const QLineF line = toQLine(segment);
    if (line.p1() == line.p2())
        painter.drawPoint(line.p1());
    else
        painter.drawLine(line);
}

void LetterTexts::add(const forms::BoardLabel& label)
{
    Text& t = texts_[&label];
    t.font = fontFor(label.Font());
    t.text = QStaticText(toQString(label.Caption()));
    t.text.setTextFormat(Qt::PlainText);
    t.text.prepare(QTransform(), t.font);
}

const LetterTexts::Text* LetterTexts::find(const forms::BoardLabel& label) const
{
    const auto found = texts_.find(&label);
    return found == texts_.end() ? nullptr : &found->second;
}

PainterCanvas::PainterCanvas(QPainter& painter, const LetterTexts& letters)
    : painter_(painter)
    , letters_(letters)
{
}

void PainterCanvas::drawLine(const forms::Segment& segment, int width, forms::Color color)
{
    // Square ends keep Qt on its fast line rasteriser, which round ends would
    // leave for the general stroker.
    painter_.setPen(QPen(toQColor(color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    drawSegment(painter_, segment);
}

void PainterCanvas::drawLabel(const forms::BoardLabel& label, const forms::Rect& box)
{
    const LetterTexts::Text* text = letters_.find(label);
    const QRect area = toQRect(box);
    painter_.save();
    painter_.setClipRect(area, Qt::IntersectClip);
    painter_.fillRect(area, toQColor(label.BackColor()));
    if (text) {
        painter_.setFont(text->font);
        painter_.setPen(toQColor(label.ForeColor()));
        painter_.drawStaticText(area.topLeft(), text->text);
    }
    painter_.restore();
}

} // namespace qtwin
