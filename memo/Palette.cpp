#include "memo/Palette.h"

#include "board/BoardState.h"
#include "forms/OptionArray.h"
#include "forms/PictureBox.h"

#include <array>

namespace memo {

namespace {

constexpr int16_t kRed = 12, kYellow = 14, kBlue = 9, kBoardGreen = 2;

// Erasing is chalk in the board colour, wider than the chalks.
constexpr std::array<Chalk, 8> kPalette = {{
    {kRed, 3}, {kYellow, 3}, {kBlue, 3}, {kBoardGreen, 10},
    {kRed, 6}, {kYellow, 6}, {kBlue, 6}, {kBoardGreen, 20},
}};

} // namespace

bool chalkOf(int16_t index, Chalk& chalk)
{
    if (index < kFirstOption || index > kLastOption)
        return false;
    chalk = kPalette[std::size_t(index)];
    return true;
}

void Option1_Click(int16_t index, board::BoardState& state, forms::PictureBox& gamen)
{
    Chalk chalk{};
    if (!chalkOf(index, chalk))
        return;
    state.penColor = chalk.penColor;
    gamen.setDrawWidth(chalk.drawWidth);
}

void Command3_Click(board::BoardState& state, forms::OptionArray& palette)
{
    if (state.memoMode == 0) {
        forms::setAllEnabled(palette, true);
        state.memoMode = 1;
    } else {
        forms::setAllEnabled(palette, false);
        state.memoMode = 0;
    }
}

} // namespace memo
