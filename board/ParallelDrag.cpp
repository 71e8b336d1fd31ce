#include "board/ParallelDrag.h"

#include "board/BoardState.h"
#include "board/Figure.h"
#include "forms/QBColor.h"

#include <cmath>

namespace board {

namespace {

bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Box left of the letters D and E: outside the figure, which means the sides
// swap once DE rises above A and D passes to the right of E.
struct LetterLefts {
    float d, e;
};

LetterLefts letterLefts(float x1, float x2, float y1, Number yA)
{
    const float s = y1 < yA ? -1.0f : 0.0f;
    const float dTerm = float(double(x1) - 35);
    const float eTerm = float(double(x2) + 10);
    return {dTerm - 45.0f * s, eTerm + 45.0f * s};
}

} // namespace

bool HitsDE(const Figure& figure, float y)
{
    const float deY = figure.Line2(kDE).Y1();
    const float top = float(double(deY) - 50);
    const float bottom = float(double(deY) + 50);
    return top <= y && y < bottom;
}

void GrabDE(Figure& figure, BoardState& state)
{
    ShowDEHeld(figure);
    state.dragging = 1;
}

bool DragDE(Figure& figure, const BoardState& state, float y) { return MoveDE(figure, state, y - state.lastY); }

bool MoveDE(Figure& f, const BoardState& s, float dY)
{
    forms::LineShape& de = f.Line2(kDE);

    // Single precision throughout, each product formed before its division.
    const float y1 = de.Y1() + dY;
    const float x1 = de.X1() + dY * (s.xA - s.xB) / (s.yA - s.yB);
    const float x2 = de.X2() + dY * (s.xA - s.xC) / (s.yA - s.yC);
    const float y2 = y1;
    const double mid = (double(x1) + double(x2)) / 2;
    const LetterLefts lefts = letterLefts(x1, x2, y1, s.yA);
    if (!allFinite({y1, x1, x2, lefts.d, lefts.e}))
        return false;

    de.setY1(y1);
    de.setY2(y2);
    de.setX1(x1);
    de.setX2(x2);
    f.Line2(kAD).setX2(x1);
    f.Line2(kAD).setY2(y1);
    f.Line2(kEA).setX1(x2);
    f.Line2(kEA).setY1(y2);
    f.Line3(kDEMarkLower).setX1(float(mid));
    f.Line3(kDEMarkLower).setY1(y1);
    f.Line3(kDEMarkLower).setX2(float(mid - 20));
    f.Line3(kDEMarkLower).setY2(float(double(y1) + 10));
    f.Line3(kDEMarkUpper).setX1(float(mid));
    f.Line3(kDEMarkUpper).setY1(y1);
    f.Line3(kDEMarkUpper).setX2(float(mid - 20));
    f.Line3(kDEMarkUpper).setY2(float(double(y1) - 10));
    f.Label3(kLetterD).setLeft(lefts.d);
    f.Label3(kLetterD).setTop(float(double(y1) - 15));
    f.Label3(kLetterE).setLeft(lefts.e);
    f.Label3(kLetterE).setTop(float(double(y2) - 15));
    return true;
}

void ReleaseDE(Figure& figure, BoardState& state)
{
    if (state.dragging != 1)
        return;
    ShowDEAtRest(figure);
    state.dragging = 0;
}

void ShowDEHeld(Figure& figure) { figure.Line2(kDE).setBorderColor(forms::QBColor(kDEHeld)); }

void ShowDEAtRest(Figure& figure) { figure.Line2(kDE).setBorderColor(forms::QBColor(kDEAtRest)); }

} // namespace board
