#include "window/Form1.h"

#include "forms/FormWindow.h"
#include "forms/PictureBox.h"

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

} // namespace window
