#pragma once

#include <QLabel>
#include <QPushButton>

namespace board {
struct Scene;
}

namespace forms {
class OptionButtons;
class PictureBox;
}

namespace window {

// The window's client area and colours.
constexpr int kFormWidth = 811;
constexpr int kFormHeight = 702;
inline const QColor kFormColor(192, 255, 192);

// The controls of the window, each at its place in the layout.
struct FormControls {
    QLabel* Label1 = nullptr;
    forms::PictureBox* gamen = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    forms::OptionButtons* Option1 = nullptr;
    QLabel* Label4[2] = {nullptr, nullptr};
};

// Creates every control on `form`, sets colours, fonts and the tab order, and
// puts the figure objects of `scene` on the board.
FormControls buildFormLayout(QWidget& form, board::Scene& scene);

} // namespace window
