#pragma once

#include "forms/FigurePainter.h"

#include <QFont>
#include <QStaticText>
#include <map>

class QPainter;

namespace qtwin {

// Draws the segment with the painter's pen; one of no length as a point,
// since drawLine of a point draws nothing with a wide pen.
void drawSegment(QPainter& painter, const forms::Segment& segment);

// The captions of a box's labels, laid out once in the fonts they ask for:
// a letter is drawn at every move of DE.
class LetterTexts {
public:
    void add(const forms::BoardLabel& label);
    struct Text {
        QFont font;
        QStaticText text;
    };
    const Text* find(const forms::BoardLabel& label) const;

private:
    std::map<const forms::BoardLabel*, Text> texts_;
};

// Draws a figure's retained objects with a QPainter.
class PainterCanvas : public forms::FigureCanvas {
public:
    PainterCanvas(QPainter& painter, const LetterTexts& letters);

    void drawLine(const forms::Segment& segment, int width, forms::Color color) override;
    void drawLabel(const forms::BoardLabel& label, const forms::Rect& box) override;

private:
    QPainter& painter_;
    const LetterTexts& letters_;
};

} // namespace qtwin
