// The page's entry points: start-up, and the calls its script makes for the
// DOM events it hands over.
#include "platform/web/PageForm.h"

#include <emscripten/emscripten.h>

namespace {

web::PageForm* page = nullptr; // made once at start-up, alive until the page goes

} // namespace

int main()
{
    page = new web::PageForm;
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void pb_mouse_down(int button, int shift, float x, float y)
{
    page->mouseDown(int16_t(button), int16_t(shift), x, y);
}

EMSCRIPTEN_KEEPALIVE void pb_mouse_move(int button, int shift, float x, float y)
{
    page->mouseMove(int16_t(button), int16_t(shift), x, y);
}

EMSCRIPTEN_KEEPALIVE void pb_mouse_up(int button, int shift, float x, float y)
{
    page->mouseUp(int16_t(button), int16_t(shift), x, y);
}

EMSCRIPTEN_KEEPALIVE void pb_click(int control) { page->click(control); }

EMSCRIPTEN_KEEPALIVE void pb_frame() { page->paintFrame(); }

EMSCRIPTEN_KEEPALIVE void pb_repaint_all() { page->repaintAll(); }
}
