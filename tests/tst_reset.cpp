// The initial screen: what start-up leaves and what ResetBoard restores.
#include "SceneFixture.h"
#include "board/ResetBoard.h"
#include "forms/QBColor.h"

#include <QtTest>

using board::Figure;

namespace {

struct LineRow {
    const char* name;
    const forms::LineShape& (*get)(const Figure&);
    float x1, y1, x2, y2;
};

// The initial figure: ABC, ADE with D and E at 3/5 of the way from A, and the
// arrow heads pointing right from the midpoints of BC and DE.
const LineRow kLines[] = {
    {"Line1(0) AB", [](const Figure& f) -> const forms::LineShape& { return f.Line1(0); }, 400, 200, 150, 550},
    {"Line1(1) BC", [](const Figure& f) -> const forms::LineShape& { return f.Line1(1); }, 150, 550, 550, 550},
    {"Line1(2) CA", [](const Figure& f) -> const forms::LineShape& { return f.Line1(2); }, 550, 550, 400, 200},
    {"Line2(0) AD", [](const Figure& f) -> const forms::LineShape& { return f.Line2(0); }, 400, 200, 250, 410},
    {"Line2(1) DE", [](const Figure& f) -> const forms::LineShape& { return f.Line2(1); }, 250, 410, 490, 410},
    {"Line2(2) EA", [](const Figure& f) -> const forms::LineShape& { return f.Line2(2); }, 490, 410, 400, 200},
    {"Line3(0) BC lower", [](const Figure& f) -> const forms::LineShape& { return f.Line3(0); }, 350, 550, 330, 560},
    {"Line3(1) BC upper", [](const Figure& f) -> const forms::LineShape& { return f.Line3(1); }, 350, 550, 330, 540},
    {"Line3(2) DE lower", [](const Figure& f) -> const forms::LineShape& { return f.Line3(2); }, 370, 410, 350, 420},
    {"Line3(3) DE upper", [](const Figure& f) -> const forms::LineShape& { return f.Line3(3); }, 370, 410, 350, 400},
};

struct LabelRow {
    const char* name;
    const forms::BoardLabel& (*get)(const Figure&);
    float left, top;
};

const LabelRow kLabels[] = {
    {"Label2(0) A", [](const Figure& f) -> const forms::BoardLabel& { return f.Label2(0); }, 410, 185},
    {"Label2(1) B", [](const Figure& f) -> const forms::BoardLabel& { return f.Label2(1); }, 90, 535},
    {"Label2(2) C", [](const Figure& f) -> const forms::BoardLabel& { return f.Label2(2); }, 580, 535},
    {"Label3(1) D", [](const Figure& f) -> const forms::BoardLabel& { return f.Label3(1); }, 215, 395},
    {"Label3(2) E", [](const Figure& f) -> const forms::BoardLabel& { return f.Label3(2); }, 500, 395},
};

void verifyInitialFigure(const Figure& f)
{
    for (const LineRow& row : kLines) {
        const forms::LineShape& line = row.get(f);
        QVERIFY2(line.X1() == row.x1 && line.Y1() == row.y1 && line.X2() == row.x2 && line.Y2() == row.y2,
                 row.name);
    }
    for (const LabelRow& row : kLabels) {
        const forms::BoardLabel& label = row.get(f);
        QVERIFY2(label.Left() == row.left && label.Top() == row.top, row.name);
    }
}

void verifyInitialState(const board::BoardState& s)
{
    QCOMPARE(s.xA, 400.f);
    QCOMPARE(s.yA, 200.f);
    QCOMPARE(s.xB, 150.f);
    QCOMPARE(s.yB, 550.f);
    QCOMPARE(s.xC, 550.f);
    QCOMPARE(s.yC, 550.f);
    QCOMPARE(s.xD, 250.f);
    QCOMPARE(s.yD, 410.f);
    QCOMPARE(s.xE, 490.f);
    QCOMPARE(s.yE, int16_t(410));
    QCOMPARE(s.dragging, 0.f);
    QCOMPARE(s.memoMode, 0.f);
    QCOMPARE(s.penDown, int16_t(0));
}

// Drags DE, switches memo on with thick blue, draws chalk and leaves the chalk down.
void disturb(SceneFixture& b)
{
    b.press(1, 100, 420);
    b.move(700, 300);
    b.move(10, 600);
    b.handlers.Command3_Click();
    b.handlers.Option1_Click(6);
    b.handlers.Option1_Click(7);
    b.stroke({{100, 100}, {300, 120}});
    b.press(1, 50, 60);
    b.move(70, 80);
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
        QCOMPARE(b.pixelsOfColor(qRgb(0, 128, 0)), board::kBoardWidth * board::kBoardHeight);
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
        const QString letters[] = {"Ａ", "Ｂ", "Ｃ"};
        const int widths[] = {22, 24, 23};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QString::fromStdString(f.Label2(i).Caption()), letters[i]);
            QCOMPARE(f.Label2(i).Width(), widths[i]);
            QCOMPARE(f.Label2(i).ForeColor(), (forms::Color{255, 255, 255}));
        }
        QCOMPARE(QString::fromStdString(f.Label3(1).Caption()), QStringLiteral("Ｄ"));
        QCOMPARE(QString::fromStdString(f.Label3(2).Caption()), QStringLiteral("Ｅ"));
        QCOMPARE(f.Label3(1).Width(), 23);
        QCOMPARE(f.Label3(2).Width(), 22);
        for (const auto& label : f.Label3)
            QVERIFY(label.ForeColor() == (forms::Color{255, 0, 0}) && label.BackColor() == (forms::Color{0, 128, 0})
                    && label.Height() == 29 && label.Font().weight == 700 && label.Font().pixelSize == 29);
    }

    void resetRestoresEverythingFromADisturbedBoard()
    {
        SceneFixture b;
        disturb(b);
        QVERIFY(!sameFigure(b.figure(), SceneFixture().figure()));
        QCOMPARE(b.state().penDown, int16_t(1));
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(20));

        b.handlers.Command1_Click();
        verifyInitialState(b.state());
        verifyInitialFigure(b.figure());
        QCOMPARE(b.scene.gamen.DrawWidth(), int16_t(3));
        QVERIFY(b.palette.allEnabled(false));
        QCOMPARE(b.pixelsOfColor(qRgb(0, 128, 0)), board::kBoardWidth * board::kBoardHeight);

        // Kept: the chalk colour, the selection, the last position and DE's highlight.
        QCOMPARE(b.state().penColor, 2.f);
        QCOMPARE(b.state().lastX, 70.f);
        QCOMPARE(b.state().lastY, 80.f);
        QCOMPARE(b.figure().Line2(1).BorderColor(), forms::QBColor(13));
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
        QVERIFY(sameFigure(once.figure(), twice.figure()));
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
        QCOMPARE(b.pixelsOfColor(qRgb(0, 128, 0)), board::kBoardWidth * board::kBoardHeight);
    }
};

QTEST_MAIN(ResetTest)
#include "tst_reset.moc"
