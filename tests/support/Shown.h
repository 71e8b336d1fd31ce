#pragma once

#include "SceneFixture.h"
#include "forms/DirtySink.h"
#include "forms/MouseEvents.h"
#include "forms/PointerArbiter.h"
#include "platform/qt/BoardView.h"

#include <QRegion>
#include <QStringList>

class QWidget;

// The widget shown and exposed; or shown and given the keyboard, as the
// program opens its window.
bool exposed(QWidget& widget);
bool shownActive(QWidget& widget);

// Every rectangle a box or a shape reports changed.
struct RegionSink : forms::DirtySink {
    QRegion region;
    void markDirty(const forms::Rect& area) override;
};

// The board's mouse calls, as "D1:500 M:510 U1" (the button, and where
// across), each passed on to `next`.
struct CallLog : forms::MouseEvents {
    explicit CallLog(forms::MouseEvents* next = nullptr)
        : next(next)
    {
    }
    void mouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
    void mouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
    void mouseUp(int16_t Button, int16_t Shift, float X, float Y) override;

    QStringList calls;
    forms::MouseEvents* next;
};

// The board's widget on its own, whose pointer events reach the handlers
// through an arbiter as in the window, every mouse call logged on the way.
struct ViewedBoard {
    SceneFixture board;
    CallLog log{&board.handlers};
    forms::PointerArbiter arbiter{log};
    qtwin::BoardView view{board.scene.gamen, board.surface, arbiter};
};
