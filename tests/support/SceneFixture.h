#pragma once

#include "FakeOptions.h"
#include "FakeWindow.h"
#include "board/Scene.h"
#include "forms/QBColor.h"
#include "platform/qt/ImageSurface.h"
#include "window/BoardRecord.h"
#include "window/Form1.h"

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QString>
#include <initializer_list>
#include <string>

// The colours the board's pixels show, and DE's two.
constexpr QRgb kGreen = qRgb(0, 128, 0), kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0),
               kYellow = qRgb(255, 255, 0), kBlue = qRgb(0, 0, 255);
const forms::Color kDEMagenta = forms::QBColor(board::kDEHeld), kDERed = forms::QBColor(board::kDEAtRest);

// A started window without widgets: the chalk in an image, a fake palette
// and window, and the window's scene and handlers.
struct SceneFixture {
    SceneFixture();

    qtwin::ImageSurface surface{QSize(board::kBoardWidth, board::kBoardHeight), QColor(0, 128, 0)};
    FakeOptions palette;
    FakeWindow window;
    window::Form1 form{surface, palette, window};
    board::Scene& scene = form.scene();
    window::FormHandlers& handlers = form.handlers();

    board::BoardState& state() { return scene.state; }
    board::Figure& figure() { return scene.figure; }
    const forms::LineShape& de() const { return scene.figure.Line2(board::kDE); }

    void press(int16_t button, float x, float y) { handlers.gamen_MouseDown(button, 0, x, y); }
    void move(float x, float y, int16_t buttons = 1) { handlers.gamen_MouseMove(buttons, 0, x, y); }
    void release(int16_t button, float x, float y) { handlers.gamen_MouseUp(button, 0, x, y); }
    // Whether the board took the key.
    bool keyDown(int16_t code, int16_t shift = 0)
    {
        handlers.gamen_KeyDown(code, shift);
        return code == 0;
    }
    void keyUp(int16_t code) { handlers.gamen_KeyUp(code, 0); }
    // Events written as "D1:300,410 M:300,420 M0:300,520 U4:300,420 memo opt6
    // reset Down PageUp*3 Shift+Up Down+ Down- blur": a press of a button, a
    // move with the left button held or with the buttons given, a release;
    // clicks on メモ, a palette button and 初期画面; keys pressed and let go,
    // a key pressed or let go alone, and the board losing the focus.
    void play(const QString& events);
    // The board as a line: DE's height and colour, the drag, memo mode, the
    // chalk and the last position, as
    // "DE 420 red, dragging 0, memo off, chalk up, last 300,420".
    QString summary() const;
    // A left-button stroke through the given points, pressed at the first.
    void stroke(std::initializer_list<QPointF> points);
    QRgb surfacePixel(int x, int y) const { return surface.image().pixel(x, y); }
    int pixelsOfColor(QRgb color) const;
    // Every value the handlers keep, as the board's record has them.
    std::string record() const { return window::WriteRecord(scene, palette); }
    bool bare() const { return pixelsOfColor(kGreen) == board::kBoardWidth * board::kBoardHeight; }
};

// Every field, compared exactly.
bool sameState(const board::BoardState& a, const board::BoardState& b);
// Every position and colour of every figure object, compared exactly.
bool sameFigure(const board::Scene& a, const board::Scene& b);
