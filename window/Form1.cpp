#include "window/Form1.h"

#include "forms/OptionButtons.h"
#include "window/BoardIcon.h"
#include "forms/PictureBox.h"
#include "forms/Program.h"

namespace window {

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , controls_(buildFormLayout(*this, scene_))
    , handlers_(scene_, *controls_.Option1)
{
    setWindowIcon(windowIcon());
    connectEvents();
    Form_Load();
}

void Form1::Form_Load()
{
    setWindowTitle(kCaption);
    controls_.gamen->setScaleMode(forms::vbPixels);
    handlers_.StartUp();
}

void Form1::Command2_Click() { forms::End(); }

void Form1::connectEvents()
{
    FormHandlers* h = &handlers_;
    connect(controls_.Command1, &QPushButton::clicked, this, [h] { h->Command1_Click(); });
    connect(controls_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(controls_.Command3, &QPushButton::clicked, this, [h] { h->Command3_Click(); });
    connect(controls_.Option1, &forms::OptionButtons::Click, this, [h](int16_t i) { h->Option1_Click(i); });
    connect(controls_.gamen, &forms::PictureBox::MouseDown, this,
            [h](int16_t b, int16_t s, float x, float y) { h->gamen_MouseDown(b, s, x, y); });
    connect(controls_.gamen, &forms::PictureBox::MouseMove, this,
            [h](int16_t b, int16_t s, float x, float y) { h->gamen_MouseMove(b, s, x, y); });
    connect(controls_.gamen, &forms::PictureBox::MouseUp, this,
            [h](int16_t b, int16_t s, float x, float y) { h->gamen_MouseUp(b, s, x, y); });
}

} // namespace window
