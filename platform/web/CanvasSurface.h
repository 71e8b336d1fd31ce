#pragma once

#include "forms/ChalkSurface.h"

namespace web {

// The chalk kept on an offscreen canvas of the page, which only a clear wipes.
class CanvasSurface : public forms::ChalkSurface {
public:
    void clear(forms::Color background) override;
    void stroke(const forms::Segment& segment, double width, forms::Color color) override;
};

} // namespace web
