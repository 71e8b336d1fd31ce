#include "board/Figure.h"

#include "forms/Fonts.h"

namespace board {

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kBoardGreen(0, 128, 0);

constexpr int kLetterPixels = 29; // 21.75 pt at 96 dpi
constexpr int kBold = 700;

void setLineLook(forms::LineShape& line, const QColor& color, int width)
{
    line.setBorderColor(color);
    line.setBorderWidth(width);
}

void setLetterLook(forms::BoardLabel& label, const QString& letter, const QColor& text, int width)
{
    label.setLook(letter, forms::gothicFont(kLetterPixels, kBold), text, kBoardGreen, width, kLetterPixels);
}

} // namespace

Figure::Figure()
{
    for (auto& line : Line1)
        setLineLook(line, kWhite, 4);
    for (auto& line : Line2)
        setLineLook(line, kRed, 2);
    for (auto& line : Line3)
        setLineLook(line, kYellow, 2);

    setLetterLook(Label2(0), QStringLiteral("Ａ"), kWhite, 22);
    setLetterLook(Label2(1), QStringLiteral("Ｂ"), kWhite, 24);
    setLetterLook(Label2(2), QStringLiteral("Ｃ"), kWhite, 23);
    setLetterLook(Label3(1), QStringLiteral("Ｄ"), kRed, 23);
    setLetterLook(Label3(2), QStringLiteral("Ｅ"), kRed, 22);
}

} // namespace board
