#include "window/Form1.h"

#include "forms/FormWindow.h"
#include "forms/PictureBox.h"
#include "window/BoardRecord.h"

#include <cstring>

namespace window {

Form1::Form1(forms::ChalkSurface& surface, forms::OptionArray& Option1, forms::FormWindow& window)
    : window_(window)
    , Option1_(Option1)
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

bool Form1::pointer(const forms::PointerInput& input)
{
    const uint32_t lines = scene_.gamen.linesDrawn();
    const bool holding = pointers_.pointer(input);
    pointerDrewChalk_ = scene_.gamen.linesDrawn() != lines;
    return holding;
}

void Form1::touchesCancelled(double time) { pointers_.touchesCancelled(time); }

std::string Form1::KeepBoard()
{
    handlers_.gamen_LostFocus();
    return WriteRecord(scene_, Option1_);
}

bool Form1::RestoreBoard(std::string_view record)
{
    if (!ReadRecord(record, scene_, Option1_))
        return false;
    const board::BoardState& s = scene_.state;
    handlers_.gamen_MouseUp(forms::vbLeftButton, 0, s.lastX, s.lastY);
    return true;
}

} // namespace window
