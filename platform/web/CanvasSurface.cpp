#include "platform/web/CanvasSurface.h"

#include "platform/web/Dom.h"
#include "platform/web/WebTypes.h"

namespace web {

void CanvasSurface::clear(forms::Color background) { pbChalkClear(packed(background)); }

void CanvasSurface::stroke(const forms::Segment& s, double width, forms::Color color)
{
    pbChalkStroke(s.p1.x, s.p1.y, s.p2.x, s.p2.y, width, packed(color));
}

} // namespace web
