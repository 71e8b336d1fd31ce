#pragma once

#include <string>

namespace forms {

// The window a form lives in, as the platform provides it.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual void setCaption(const std::string& caption) = 0; // UTF-8
    // Ends the program at once: the window closes and nothing answers any more.
    virtual void End() = 0;
};

} // namespace forms
