#include "board/ResetBoard.h"

#include "board/Scene.h"
#include "forms/OptionArray.h"

namespace board {

namespace {

void place(forms::LineShape& line, float x1, float y1, float x2, float y2)
{
    line.setX1(x1);
    line.setY1(y1);
    line.setX2(x2);
    line.setY2(y2);
}

void place(forms::BoardLabel& label, float left, float top)
{
    label.setLeft(left);
    label.setTop(top);
}

// The midpoint of two x values, as a division of numbers.
double midpoint(Number a, Number b) { return (double(a) + double(b)) / 2; }

} // namespace

void ResetBoard(Scene& scene, forms::OptionArray& palette)
{
    BoardState& s = scene.state;
    Figure& f = scene.figure;

    scene.gamen.setDrawWidth(3);
    scene.gamen.Cls();
    forms::setAllEnabled(palette, false);
    s.memoMode = 0;
    s.penDown = 0;

    s.xA = 400;
    s.yA = 200;
    s.xB = 150;
    s.yB = 550;
    s.xC = 550;
    s.yC = 550;

    place(f.Line1(kAB), s.xA, s.yA, s.xB, s.yB);
    place(f.Line1(kBC), s.xB, s.yB, s.xC, s.yC);
    place(f.Line1(kCA), s.xC, s.yC, s.xA, s.yA);

    place(f.Label2(kLetterA), s.xA + 10, s.yA - 15);
    place(f.Label2(kLetterB), s.xB - 60, s.yB - 15);
    place(f.Label2(kLetterC), s.xC + 30, s.yC - 15);

    s.xD = 250;
    s.yD = 410;
    s.xE = 490;
    s.yE = 410;

    place(f.Line2(kAD), s.xA, s.yA, s.xD, s.yD);
    place(f.Line2(kDE), s.xD, s.yD, s.xE, float(s.yE));
    place(f.Line2(kEA), s.xE, float(s.yE), s.xA, s.yA);

    place(f.Label3(kLetterD), s.xD - 35, s.yD - 15);
    place(f.Label3(kLetterE), s.xE + 10, float(int16_t(s.yE - 15)));

    const double midBC = midpoint(s.xB, s.xC);
    const double midDE = midpoint(s.xD, s.xE);
    place(f.Line3(kBCMarkLower), float(midBC), s.yB, float(midBC - 20), s.yB + 10);
    place(f.Line3(kBCMarkUpper), float(midBC), s.yB, float(midBC - 20), s.yB - 10);
    place(f.Line3(kDEMarkLower), float(midDE), s.yD, float(midDE - 20), s.yD + 10);
    place(f.Line3(kDEMarkUpper), float(midDE), s.yD, float(midDE - 20), s.yD - 10);

    s.dragging = 0;
}

} // namespace board
