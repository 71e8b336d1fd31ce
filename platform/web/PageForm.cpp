#include "platform/web/PageForm.h"

#include "platform/web/Dom.h"
#include "platform/web/WebTypes.h"
#include "forms/PictureBox.h"
#include "window/FormLayout.h"

namespace web {

PageForm::PageForm()
    : form1_(surface_, palette_, *this)
{
    buildControls();
    view_.emplace(form1_.gamen());
    form1_.Form_Load();
}

void PageForm::buildControls()
{
    static_assert(int(window::ControlKind::Label) == 0 && int(window::ControlKind::Board) == 1
                      && int(window::ControlKind::CommandButton) == 2 && int(window::ControlKind::OptionButton) == 3,
                  "the page's script numbers the kinds of control so");
    const window::FormDesign& layout = window::formLayout();
    pbCreateForm(layout.designCaption, layout.width, layout.height, packed(layout.back), layout.font.family.c_str(),
                 layout.font.pixelSize, layout.font.weight);
    for (std::size_t row = 0; row < layout.controls.size(); ++row) {
        const window::ControlLayout& c = layout.controls[row];
        const forms::FontRequest* font = c.font ? &*c.font : nullptr;
        pbAddControl(int(row), int(c.kind), c.name, c.index, c.caption, c.place.x, c.place.y, c.place.width,
                     c.place.height, packed(c.fore), packed(c.back), font ? font->family.c_str() : nullptr,
                     font ? font->pixelSize : 0, font ? font->weight : 0, c.accessibleName, c.description,
                     c.heading ? 1 : 0, c.keyShortcuts);
        if (c.kind == window::ControlKind::OptionButton)
            palette_.add(c.index);
    }
}

bool PageForm::keyDown(int16_t keyCode, int16_t shift)
{
    form1_.handlers().gamen_KeyDown(keyCode, shift);
    return keyCode == 0;
}

bool PageForm::keyUp(int16_t keyCode, int16_t shift)
{
    form1_.handlers().gamen_KeyUp(keyCode, shift);
    return keyCode == 0;
}

const std::string& PageForm::hidden()
{
    record_ = form1_.KeepBoard();
    return record_;
}

bool PageForm::restore(const char* record)
{
    if (!form1_.RestoreBoard(record))
        return false;
    view_->resized(); // the chalk came back with it
    return true;
}

void PageForm::click(int control)
{
    const auto& controls = window::formLayout().controls;
    if (control >= 0 && std::size_t(control) < controls.size())
        form1_.Click(controls[std::size_t(control)]);
}

void PageForm::setCaption(const std::string& caption) { pbSetCaption(caption.c_str()); }

void PageForm::End()
{
    ended_ = true;
    pbEnd();
}

} // namespace web
