#include "SceneFixture.h"

#include "forms/Keys.h"

#include <QHash>
#include <QStringList>

SceneFixture::SceneFixture() { handlers.StartUp(); }

void SceneFixture::stroke(std::initializer_list<QPointF> points)
{
    auto it = points.begin();
    press(1, float(it->x()), float(it->y()));
    for (++it; it != points.end(); ++it)
        move(float(it->x()), float(it->y()));
    release(1, float(points.end()[-1].x()), float(points.end()[-1].y()));
}

void SceneFixture::play(const QString& events)
{
    for (const QString& word : events.split(' ', Qt::SkipEmptyParts)) {
        if (word == "memo") {
            handlers.Command3_Click();
        } else if (word == "reset") {
            handlers.Command1_Click();
        } else if (word.startsWith("opt")) {
            handlers.Option1_Click(int16_t(word.mid(3).toInt()));
        } else {
            const QStringList what = word.split(':'), at = what[1].split(',');
            const float x = at[0].toFloat(), y = at[1].toFloat();
            const auto button = int16_t(what[0].size() > 1 ? what[0].mid(1).toInt() : 1);
            if (what[0][0] == 'D')
                press(button, x, y);
            else if (what[0][0] == 'M')
                move(x, y, button);
            else
                release(button, x, y);
        }
    }
}

QString SceneFixture::summary() const
{
    const board::BoardState& s = scene.state;
    return QStringLiteral("DE %1 %2, dragging %3, memo %4, chalk %5, last %6,%7")
        .arg(de().Y1())
        .arg(de().BorderColor() == kDEMagenta ? "magenta" : de().BorderColor() == kDERed ? "red" : "?")
        .arg(s.dragging)
        .arg(s.memoMode == 1 ? "on" : "off")
        .arg(s.penDown == 1 ? "down" : "up")
        .arg(s.lastX)
        .arg(s.lastY);
}

void SceneFixture::typeKeys(const QString& keys)
{
    static const QHash<QString, int16_t> codes = {{"Up", forms::vbKeyUp}, {"Down", forms::vbKeyDown},
                                                   {"PageUp", forms::vbKeyPageUp}, {"PageDown", forms::vbKeyPageDown}};
    for (const QString& word : keys.split(' ', Qt::SkipEmptyParts)) {
        const QStringList times = word.split('*');
        QString name = times[0];
        const int16_t shift = name.startsWith("Shift+") ? forms::vbShiftMask : 0;
        name.remove("Shift+");
        for (int i = 0; i < (times.size() > 1 ? times[1].toInt() : 1); ++i) {
            keyDown(codes.value(name), shift);
            keyUp(codes.value(name));
        }
    }
}

int SceneFixture::pixelsOfColor(QRgb color) const
{
    const QImage& image = surface.image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) == color);
    return count;
}

bool sameState(const board::BoardState& a, const board::BoardState& b)
{
    return a.xA == b.xA && a.yA == b.yA && a.xB == b.xB && a.yB == b.yB && a.xC == b.xC && a.yC == b.yC
        && a.xD == b.xD && a.yD == b.yD && a.xE == b.xE && a.yE == b.yE && a.dragging == b.dragging
        && a.lastX == b.lastX && a.lastY == b.lastY && a.memoMode == b.memoMode && a.penColor == b.penColor
        && a.penDown == b.penDown;
}

namespace {

bool sameLine(const forms::LineShape& a, const forms::LineShape& b)
{
    return a.X1() == b.X1() && a.Y1() == b.Y1() && a.X2() == b.X2() && a.Y2() == b.Y2()
        && a.BorderColor() == b.BorderColor() && a.BorderWidth() == b.BorderWidth();
}

bool sameLabel(const forms::BoardLabel& a, const forms::BoardLabel& b)
{
    return a.Left() == b.Left() && a.Top() == b.Top() && a.Caption() == b.Caption();
}

template <class Array, class Same>
bool sameAll(const Array& a, const Array& b, Same same)
{
    auto ib = b.begin();
    for (const auto& item : a)
        if (!same(item, *ib++))
            return false;
    return true;
}

} // namespace

bool sameFigure(const board::Figure& a, const board::Figure& b)
{
    return sameAll(a.Line1, b.Line1, sameLine) && sameAll(a.Line2, b.Line2, sameLine)
        && sameAll(a.Line3, b.Line3, sameLine) && sameAll(a.Label2, b.Label2, sameLabel)
        && sameAll(a.Label3, b.Label3, sameLabel);
}
