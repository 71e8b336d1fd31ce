#pragma once

#include "forms/Color.h"

#include <optional>

namespace web {

// A colour as the page's script takes it: 0xRRGGBB, or -1 for none.
inline int packed(forms::Color c) { return (c.r << 16) | (c.g << 8) | c.b; }
inline int packed(const std::optional<forms::Color>& c) { return c ? packed(*c) : -1; }

} // namespace web
