#include "window/Form1.h"

#include "forms/FormWindow.h"
#include "forms/PictureBox.h"

#include <string>

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

void Form1::Click(const ControlSpec& control)
{
    const std::string name = control.name;
    if (name == "Command1")
        handlers_.Command1_Click();
    else if (name == "Command2")
        Command2_Click();
    else if (name == "Command3")
        handlers_.Command3_Click();
    else if (name == "Option1")
        handlers_.Option1_Click(control.index);
}

} // namespace window
