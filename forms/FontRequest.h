#pragma once

#include <string>

namespace forms {

// A font as the layout names it; each platform finds the nearest it has.
// An empty family asks for the platform's default font.
// The gothic that every caption of the window asks for by name.
inline constexpr const char* kGothicFamily = "ＭＳ Ｐゴシック";

struct FontRequest {
    std::string family;
    int pixelSize = 0;
    int weight = 400; // 400 regular, 700 bold
};

} // namespace forms
