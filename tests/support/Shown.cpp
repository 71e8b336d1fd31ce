#include "Shown.h"

#include "platform/qt/QtTypes.h"

#include <QTest>
#include <QWidget>

bool exposed(QWidget& widget)
{
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

bool shownActive(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
}

void RegionSink::markDirty(const forms::Rect& area) { region += qtwin::toQRect(area); }

void CallLog::mouseDown(int16_t Button, int16_t Shift, float X, float Y)
{
    calls << QStringLiteral("D%1:%2").arg(Button).arg(X);
    if (next)
        next->mouseDown(Button, Shift, X, Y);
}

void CallLog::mouseMove(int16_t Button, int16_t Shift, float X, float Y)
{
    calls << QStringLiteral("M:%1").arg(X);
    if (next)
        next->mouseMove(Button, Shift, X, Y);
}

void CallLog::mouseUp(int16_t Button, int16_t Shift, float X, float Y)
{
    calls << QStringLiteral("U%1").arg(Button);
    if (next)
        next->mouseUp(Button, Shift, X, Y);
}
