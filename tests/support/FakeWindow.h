#pragma once

#include "forms/FormWindow.h"

#include <string>

// A window with no screen: it remembers its caption and whether it ended.
struct FakeWindow : forms::FormWindow {
    void setCaption(const std::string& text) override { caption = text; }
    void End() override { ended = true; }

    std::string caption;
    bool ended = false;
};
