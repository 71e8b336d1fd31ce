#include "SceneFixture.h"

#include "forms/Keys.h"

#include <QHash>
#include <QStringList>

SceneFixture::SceneFixture() { form.Form_Load(); }

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
    static const QHash<QString, int16_t> keys = {{"Up", forms::vbKeyUp}, {"Down", forms::vbKeyDown},
                                                 {"PageUp", forms::vbKeyPageUp}, {"PageDown", forms::vbKeyPageDown}};
    for (const QString& word : events.split(' ', Qt::SkipEmptyParts)) {
        QString key = word.section('*', 0, 0).remove("Shift+");
        const QChar held = key.back();
        if (held == '+' || held == '-')
            key.chop(1);
        if (keys.contains(key)) {
            const int16_t shift = word.startsWith("Shift+") ? forms::vbShiftMask : 0;
            for (int i = word.contains('*') ? word.section('*', 1).toInt() : 1; i > 0; --i) {
                if (held != '-')
                    keyDown(keys[key], shift);
                if (held != '+')
                    keyUp(keys[key]);
            }
        } else if (word == "memo") {
            handlers.Command3_Click();
        } else if (word == "reset") {
            handlers.Command1_Click();
        } else if (word == "blur") {
            handlers.gamen_LostFocus();
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

bool sameFigure(const board::Scene& a, const board::Scene& b)
{
    const auto& lines = a.gamen.shapes();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const forms::LineShape &p = *lines[i], &q = *b.gamen.shapes()[i];
        if (p.X1() != q.X1() || p.Y1() != q.Y1() || p.X2() != q.X2() || p.Y2() != q.Y2()
            || p.BorderColor() != q.BorderColor() || p.BorderWidth() != q.BorderWidth())
            return false;
    }
    const auto& labels = a.gamen.labels();
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (labels[i]->Left() != b.gamen.labels()[i]->Left() || labels[i]->Top() != b.gamen.labels()[i]->Top())
            return false;
    return true;
}
