#pragma once

#include "forms/Color.h"
#include "forms/Geometry.h"

#include <QColor>
#include <QLineF>
#include <QRect>
#include <QString>
#include <string>

namespace qtwin {

inline QColor toQColor(forms::Color c) { return QColor(c.r, c.g, c.b); }
inline QRect toQRect(const forms::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }
inline forms::Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
inline forms::Box toBox(const QRectF& r) { return {r.left(), r.top(), r.right(), r.bottom()}; }
inline QLineF toQLine(const forms::Segment& s) { return QLineF(s.p1.x, s.p1.y, s.p2.x, s.p2.y); }
inline QString toQString(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace qtwin
