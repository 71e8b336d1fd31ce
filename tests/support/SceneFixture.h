#pragma once

#include "FakeOptions.h"
#include "board/Scene.h"
#include "platform/qt/ImageSurface.h"
#include "window/FormHandlers.h"

#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QString>
#include <initializer_list>

// A started board without widgets: the chalk in an image, the scene, a fake
// palette and the handlers.
struct SceneFixture {
    SceneFixture();

    qtwin::ImageSurface surface{QSize(board::kBoardWidth, board::kBoardHeight), QColor(0, 128, 0)};
    board::Scene scene{surface};
    FakeOptions palette;
    window::FormHandlers handlers{scene, palette};

    board::BoardState& state() { return scene.state; }
    board::Figure& figure() { return scene.figure; }

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
    // Keys pressed and let go in turn, named as "Down PageUp*3 Shift+Up".
    void typeKeys(const QString& keys);
    // A left-button stroke through the given points, pressed at the first.
    void stroke(std::initializer_list<QPointF> points);
    QRgb surfacePixel(int x, int y) const { return surface.image().pixel(x, y); }
    int pixelsOfColor(QRgb color) const;
};

// Every field, compared exactly.
bool sameState(const board::BoardState& a, const board::BoardState& b);
// Every position and colour of every figure object, compared exactly.
bool sameFigure(const board::Figure& a, const board::Figure& b);
