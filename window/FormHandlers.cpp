#include "window/FormHandlers.h"

#include "board/KeySteps.h"
#include "board/ParallelDrag.h"
#include "board/ResetBoard.h"
#include "board/Scene.h"
#include "forms/OptionArray.h"
#include "forms/PictureBox.h"
#include "memo/Chalk.h"
#include "memo/Palette.h"

#include <cmath>

namespace window {

namespace {

bool finitePoint(float x, float y) { return std::isfinite(x) && std::isfinite(y); }

} // namespace

FormHandlers::FormHandlers(board::Scene& scene, forms::OptionArray& palette)
    : scene_(scene)
    , palette_(palette)
{
}

void FormHandlers::StartUp()
{
    scene_.gamen.setDrawWidth(3);
    scene_.state.penColor = 12;
    palette_.setValue(memo::kFirstOption, true);
    ResetBoard();
}

void FormHandlers::ResetBoard() { board::ResetBoard(scene_, palette_); }

void FormHandlers::Command1_Click() { ResetBoard(); }

void FormHandlers::Command3_Click() { memo::Command3_Click(scene_.state, palette_); }

void FormHandlers::Option1_Click(int16_t Index) { memo::Option1_Click(Index, scene_.state, scene_.gamen); }

void FormHandlers::gamen_MouseDown(int16_t Button, int16_t, float X, float Y)
{
    if (!finitePoint(X, Y))
        return;
    board::BoardState& s = scene_.state;
    if (Button == forms::vbLeftButton) {
        if (s.memoMode == 0) {
            if (board::HitsDE(scene_.figure, Y))
                board::GrabDE(scene_.figure, s);
        } else {
            memo::ChalkDown(scene_);
        }
    }
    if (Button == forms::vbRightButton)
        ResetBoard();
    buttonsHeld_ |= Button;
    s.lastX = X;
    s.lastY = Y;
}

void FormHandlers::gamen_MouseMove(int16_t, int16_t, float X, float Y)
{
    board::BoardState& s = scene_.state;
    if (s.dragging == 0 && s.memoMode == 0)
        return;
    if (!finitePoint(X, Y))
        return;
    if (s.memoMode == 1)
        memo::ChalkMove(scene_, X, Y);
    else if (!board::DragDE(scene_.figure, s, Y))
        return;
    s.lastX = X;
    s.lastY = Y;
}

void FormHandlers::gamen_MouseUp(int16_t Button, int16_t, float, float)
{
    buttonsHeld_ &= int16_t(~Button);
    if (scene_.state.memoMode == 1)
        memo::ChalkUp(scene_);
    else
        board::ReleaseDE(scene_.figure, scene_.state);
}

void FormHandlers::gamen_KeyDown(int16_t& KeyCode, int16_t Shift)
{
    const float step = board::KeyStep(KeyCode, Shift);
    if (step == 0)
        return;
    const int key = board::MoveKeyBit(KeyCode);
    KeyCode = 0;
    if (scene_.state.memoMode != 0 || buttonsHeld_ != 0)
        return;
    moveKeysHeld_ |= key;
    board::ShowDEHeld(scene_.figure);
    board::StepDE(scene_.figure, scene_.state, step);
}

void FormHandlers::gamen_KeyUp(int16_t& KeyCode, int16_t)
{
    const int key = board::MoveKeyBit(KeyCode);
    if (!(moveKeysHeld_ & key))
        return;
    KeyCode = 0;
    moveKeysHeld_ &= ~key;
    if (moveKeysHeld_ == 0)
        moveKeysReleased();
}

void FormHandlers::gamen_LostFocus()
{
    if (moveKeysHeld_ == 0)
        return;
    moveKeysHeld_ = 0;
    moveKeysReleased();
}

void FormHandlers::moveKeysReleased()
{
    if (scene_.state.dragging == 0)
        board::ShowDEAtRest(scene_.figure);
}

} // namespace window
