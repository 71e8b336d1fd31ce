#include "board/Figure.h"

#include "forms/QBColor.h"

namespace board {

namespace {

constexpr forms::Color kWhite{255, 255, 255};
constexpr forms::Color kRed{255, 0, 0};
constexpr forms::Color kYellow{255, 255, 0};
constexpr forms::Color kBoardGreen{0, 128, 0};

constexpr int kLetterPixels = 29; // 21.75 pt at 96 dpi
constexpr int kBold = 700;

void setLineLook(forms::LineShape& line, forms::Color color, int width)
{
    line.setBorderColor(color);
    line.setBorderWidth(width);
}

void setLetterLook(forms::BoardLabel& label, const char* letter, forms::Color text, int width)
{
    label.setLook(letter, letterFont(), text, kBoardGreen, width, kLetterPixels);
}

} // namespace

forms::FontRequest letterFont() { return {forms::kGothicFamily, kLetterPixels, kBold}; }

Figure::Figure()
{
    for (auto& line : Line1)
        setLineLook(line, kWhite, 4);
    for (auto& line : Line2) // triangle ADE in the colour of DE at rest
        setLineLook(line, forms::QBColor(kDEAtRest), 2);
    for (auto& line : Line3)
        setLineLook(line, kYellow, 2);

    setLetterLook(Label2(kLetterA), "Ａ", kWhite, 22);
    setLetterLook(Label2(kLetterB), "Ｂ", kWhite, 24);
    setLetterLook(Label2(kLetterC), "Ｃ", kWhite, 23);
    setLetterLook(Label3(kLetterD), "Ｄ", kRed, 23);
    setLetterLook(Label3(kLetterE), "Ｅ", kRed, 22);
}

} // namespace board
