#include "window/Form1.h"

#include "forms/FormWindow.h"
#include "forms/PictureBox.h"

#include <cstring>

namespace window {

Form1::Form1(forms::ChalkSurface& surface, forms::OptionArray& Option1, forms::FormWindow& window)
    : window_(window)
    , scene_(surface)
    , handlers_(scene_, Option1)
{
}

void Form1::Form_Load()
{
    window_.setCaption(kCaption);
    scene_.gamen.setScaleMode(forms::vbPixels);
    handlers_.StartUp();
}

void Form1::Command2_Click() { window_.End(); }

void Form1::Click(const ControlLayout& control)
{
    auto named = [&control](const char* name) { return std::strcmp(control.name, name) == 0; };
    if (named("Command1"))
        handlers_.Command1_Click();
    else if (named("Command2"))
        Command2_Click();
    else if (named("Command3"))
        handlers_.Command3_Click();
    else if (named("Option1"))
        handlers_.Option1_Click(control.index);
}

} // namespace window
