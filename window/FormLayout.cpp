#include "window/FormLayout.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace window {

namespace {

constexpr forms::Color kFormColor{192, 255, 192};
constexpr forms::Color kBoardGreen{0, 128, 0};
constexpr forms::Color kTitleGreen{0, 255, 0};
constexpr int kRegular = 400, kBold = 700;

const char* const kBoardDescription =
    "三角形ABCと、BCに平行な線分DE。DEの近くを左ボタンで押して上下に動かす。"
    "キーボードでは上下の矢印キーで少しずつ、PageUp・PageDownキーかShiftキーと矢印キーで大きく動かす。"
    "右ボタンで初めの図に戻る。";
const char* const kBoardKeys = "ArrowUp ArrowDown PageUp PageDown";

// A screen reader reads each button with its row, as the eye sees it: the
// captions alone come twice.
ControlLayout option(int16_t index, const char* caption, const char* name, forms::Rect place, int tabIndex)
{
    return {ControlKind::OptionButton, "Option1", index, caption, place, std::nullopt, kFormColor, std::nullopt,
            tabIndex, name, ""};
}

ControlLayout command(const char* name, const char* caption, forms::Rect place, int tabIndex,
                      std::optional<forms::FontRequest> font = std::nullopt)
{
    return {ControlKind::CommandButton, name, -1, caption, place, std::nullopt, std::nullopt, font, tabIndex, "", ""};
}

ControlLayout rowCaption(int16_t index, const char* caption, forms::Rect place, int tabIndex)
{
    return {ControlKind::Label, "Label4", index, caption, place, std::nullopt, kFormColor, std::nullopt,
            tabIndex, "", ""};
}

FormDesign design()
{
    FormDesign form{"Form1", 811, 702, kFormColor, {forms::kGothicFamily, 12, kRegular}, {}};
    form.controls = {
        {ControlKind::Label, "Label1", -1, "相似と比", {16, 8, 125, 33}, kTitleGreen, kBoardGreen,
         forms::FontRequest{forms::kGothicFamily, 32, kBold}, 0, "", "", true}, // 24 pt
        {ControlKind::Board, "gamen", -1, "", {8, 48, 793, 641}, std::nullopt, kBoardGreen, std::nullopt, 1,
         "図形ボード", kBoardDescription, false, kBoardKeys},
        command("Command1", "初期画面", {176, 8, 73, 33}, 2),
        command("Command2", "終了", {736, 8, 65, 33}, 3),
        command("Command3", "メモ", {304, 8, 73, 33}, 9, forms::FontRequest{forms::kGothicFamily, 16, kRegular}), // 12 pt
        option(0, "赤色", "細字 赤色", {416, 24, 57, 17}, 10),
        option(1, "黄色", "細字 黄色", {472, 24, 57, 17}, 11),
        option(2, "青色", "細字 青色", {528, 24, 57, 17}, 12),
        option(3, "消しゴム", "細字 消しゴム", {584, 24, 81, 17}, 13),
        rowCaption(0, "太字", {384, 8, 24, 12}, 14),
        rowCaption(1, "細字", {384, 24, 24, 12}, 15),
        option(4, "赤色", "太字 赤色", {416, 8, 57, 17}, 16),
        option(5, "黄色", "太字 黄色", {472, 8, 57, 17}, 17),
        option(6, "青色", "太字 青色", {528, 8, 57, 17}, 18),
        option(7, "消しゴム", "太字 消しゴム", {584, 8, 81, 17}, 19),
    };
    return form;
}

} // namespace

const FormDesign& formLayout()
{
    static const FormDesign form = design();
    return form;
}

const ControlLayout& layoutOf(const char* name, int16_t index)
{
    for (const ControlLayout& c : formLayout().controls)
        if (std::strcmp(c.name, name) == 0 && c.index == index)
            return c;
    throw std::out_of_range(std::string("no control ") + name + " (" + std::to_string(index) + ") in the layout");
}

} // namespace window
