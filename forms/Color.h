#pragma once

#include <cstdint>

namespace forms {

// An opaque colour, eight bits a channel.
struct Color {
    uint8_t r = 0, g = 0, b = 0;

    friend constexpr bool operator==(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend constexpr bool operator!=(Color a, Color b) { return !(a == b); }
};

} // namespace forms
