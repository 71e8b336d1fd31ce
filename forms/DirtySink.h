#pragma once

#include "forms/Geometry.h"

namespace forms {

// Whoever shows a surface or a retained object learns here which pixels changed.
class DirtySink {
public:
    virtual ~DirtySink() = default;
    virtual void markDirty(const Rect& area) = 0;
};

} // namespace forms
