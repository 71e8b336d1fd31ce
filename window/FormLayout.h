#pragma once

#include "forms/Color.h"
#include "forms/FontRequest.h"
#include "forms/Geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace window {

// The window as it is designed: every control's kind, caption, place, colours,
// font and tab index, written down once. Each platform builds its widgets or
// page elements from this table.

enum class ControlKind { Label, Board, CommandButton, OptionButton };

struct ControlLayout {
    ControlKind kind;
    const char* name;  // "Command1", "Option1", ...
    int16_t index;     // the element of a control array, or -1
    const char* caption; // UTF-8; empty for the board
    forms::Rect place;   // in pixels of the window's client area
    std::optional<forms::Color> fore, back; // none: the platform's own
    std::optional<forms::FontRequest> font; // none: the window's font
    int tabIndex;
    const char* accessibleName;  // what a screen reader calls it; empty: its caption
    const char* description;     // what a screen reader adds; may be empty
    bool heading = false;        // the window's title, for a page's outline
    const char* keyShortcuts = ""; // the keys that act on it, by the Web's key names
};

struct FormDesign {
    const char* designCaption; // before start-up sets the real one
    int width, height;         // the client area
    forms::Color back;
    forms::FontRequest font; // for controls that name none
    std::vector<ControlLayout> controls; // in ascending tab index
};

const FormDesign& formLayout();

// The control of that name and index; throws std::out_of_range if there is none.
const ControlLayout& layoutOf(const char* name, int16_t index = -1);

} // namespace window
