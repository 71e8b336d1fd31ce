// The initial screen: what start-up leaves and what ResetBoard restores.
#include "SceneFixture.h"
#include "board/ResetBoard.h"
#include "forms/QBColor.h"

#include <QtTest>

using namespace board;

namespace {

const forms::LineShape& line(const Figure& f, int array, int index)
{
    return array == 1 ? f.Line1(index) : array == 2 ? f.Line2(index) : f.Line3(index);
}

// The initial figure: ABC, ADE with D and E at 3/5 of the way from A, and the
// arrow heads pointing right from the midpoints of BC and DE.
const struct {
    const char* name;
    int array, index; // Line1, Line2 or Line3, and the part's index
    float x1, y1, x2, y2;
} kLines[] = {
    {"AB", 1, kAB, 400, 200, 150, 550},           {"BC", 1, kBC, 150, 550, 550, 550},
    {"CA", 1, kCA, 550, 550, 400, 200},           {"AD", 2, kAD, 400, 200, 250, 410},
    {"DE", 2, kDE, 250, 410, 490, 410},           {"EA", 2, kEA, 490, 410, 400, 200},
    {"BC lower", 3, kBCMarkLower, 350, 550, 330, 560}, {"BC upper", 3, kBCMarkUpper, 350, 550, 330, 540},
    {"DE lower", 3, kDEMarkLower, 370, 410, 350, 420}, {"DE upper", 3, kDEMarkUpper, 370, 410, 350, 400},
};

// The letters where they start, and their look.
const struct {
    const char* name;
    const forms::BoardLabel& (*get)(const Figure&);
    float left, top;
    const char* caption;
    int width;
    forms::Color fore;
} kLabels[] = {
    {"A", [](const Figure& f) -> auto& { return f.Label2(kLetterA); }, 410, 185, "Ａ", 22, {255, 255, 255}},
    {"B", [](const Figure& f) -> auto& { return f.Label2(kLetterB); }, 90, 535, "Ｂ", 24, {255, 255, 255}},
    {"C", [](const Figure& f) -> auto& { return f.Label2(kLetterC); }, 580, 535, "Ｃ", 23, {255, 255, 255}},
    {"D", [](const Figure& f) -> auto& { return f.Label3(kLetterD); }, 215, 395, "Ｄ", 23, {255, 0, 0}},
    {"E", [](const Figure& f) -> auto& { return f.Label3(kLetterE); }, 500, 395, "Ｅ", 22, {255, 0, 0}},
};

void verifyInitialFigure(const Figure& f)
{
    for (const auto& row : kLines) {
        const forms::LineShape& l = line(f, row.array, row.index);
        QVERIFY2(l.X1() == row.x1 && l.Y1() == row.y1 && l.X2() == row.x2 && l.Y2() == row.y2, row.name);
    }
    for (const auto& row : kLabels) {
        const forms::BoardLabel& label = row.get(f);
        QVERIFY2(label.Left() == row.left && label.Top() == row.top, row.name);
    }
}

// The vertices, D and E's first places and the flags, as a reset sets them.
void verifyInitialState(const BoardState& s)
{
    const QList<float> values = {s.xA, s.yA, s.xB, s.yB, s.xC, s.yC, s.xD, s.yD, s.xE, float(s.yE), s.dragging,
                                 s.memoMode, float(s.penDown)};
    QCOMPARE(values, (QList<float>{400, 200, 150, 550, 550, 550, 250, 410, 490, 410, 0, 0, 0}));
}

// Drags DE, switches memo on with thick blue, then the thick eraser, draws
// chalk and leaves the chalk down.
void disturb(SceneFixture& b)
{
    b.play("D1:100,420 M:700,300 M:10,600 memo opt6 opt7 D1:100,100 M:300,120 U1:300,120 D1:50,60 M:70,80");
}

} // namespace

class ResetTest : public QObject {
    Q_OBJECT
private slots:
    void startUpLeavesTheInitialScreen()
    {
        SceneFixture b;
        verifyInitialState(b.state());
        verifyInitialFigure(b.figure());
        QCOMPARE(b.state().penColor, 12.f);
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(3));
        QCOMPARE(b.palette.selected(), 0);
        QVERIFY(b.palette.allEnabled(false));
        QVERIFY(b.bare());
    }

    void figureKeepsItsLook()
    {
        SceneFixture b;
        const Figure& f = b.figure();
        for (const auto& line : f.Line1)
            QVERIFY(line.BorderColor() == (forms::Color{255, 255, 255}) && line.BorderWidth() == 4);
        for (const auto& line : f.Line2)
            QVERIFY(line.BorderColor() == (forms::Color{255, 0, 0}) && line.BorderWidth() == 2);
        for (const auto& line : f.Line3)
            QVERIFY(line.BorderColor() == (forms::Color{255, 255, 0}) && line.BorderWidth() == 2);
        for (const auto& row : kLabels) {
            const forms::BoardLabel& label = row.get(f);
            QCOMPARE(QString::fromStdString(label.Caption()), QString::fromUtf8(row.caption));
            QVERIFY2(label.Width() == row.width && label.ForeColor() == row.fore, row.name);
            QVERIFY(label.BackColor() == (forms::Color{0, 128, 0}) && label.Height() == 29 && label.Font().weight == 700
                    && label.Font().pixelSize == 29);
        }
    }

    void resetRestoresEverythingFromADisturbedBoard()
    {
        SceneFixture b;
        disturb(b);
        QVERIFY(!sameFigure(b.scene, SceneFixture().scene));
        QCOMPARE(b.state().penDown, int16_t(1));
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(20));

        b.handlers.Command1_Click();
        verifyInitialState(b.state());
        verifyInitialFigure(b.figure());
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(3));
        QVERIFY(b.palette.allEnabled(false));
        QVERIFY(b.bare());

        // Kept: the chalk colour, the selection, the last position and DE's highlight.
        QCOMPARE(b.state().penColor, 2.f);
        QCOMPARE(b.state().lastX, 70.f);
        QCOMPARE(b.state().lastY, 80.f);
        QCOMPARE(b.de().BorderColor(), kDEMagenta);
    }

    void resetTwiceIsResetOnce()
    {
        SceneFixture once, twice;
        disturb(once);
        disturb(twice);
        once.handlers.ResetBoard();
        twice.handlers.ResetBoard();
        twice.handlers.ResetBoard();
        QVERIFY(sameState(once.state(), twice.state()));
        QVERIFY(sameFigure(once.scene, twice.scene));
    }

    void resetGreysThePaletteInAscendingOrder()
    {
        SceneFixture b;
        b.handlers.Command3_Click();
        b.palette.enableLog.clear();
        b.handlers.Command1_Click();
        QCOMPARE(b.palette.enableLog.size(), std::size_t(8));
        for (int16_t i = 0; i < 8; ++i)
            QCOMPARE(b.palette.enableLog[std::size_t(i)], std::make_pair(i, false));
    }

    void rightPressResetsAndKeepsItsPosition()
    {
        SceneFixture b;
        disturb(b);
        b.press(2, 33.5f, 44.25f);
        verifyInitialState(b.state());
        verifyInitialFigure(b.figure());
        QCOMPARE(b.state().lastX, 33.5f);
        QCOMPARE(b.state().lastY, 44.25f);
        // Later moves with the left button still held neither draw nor drag.
        b.move(300, 300);
        verifyInitialFigure(b.figure());
        QVERIFY(b.bare());
    }
};

QTEST_MAIN(ResetTest)
#include "tst_reset.moc"
