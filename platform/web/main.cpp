// The page's entry points: start-up, and the calls its script makes for the
// DOM events it hands over.
#include "platform/web/PageForm.h"

#include "platform/web/Dom.h"

#include <emscripten/emscripten.h>

namespace {

web::PageForm* page = nullptr; // made once at start-up, alive until the page goes
char keptRecord[4096];          // where the page writes a kept board's record for pb_restore

// The window while the program runs: none before a start has succeeded, and
// none once it has ended, when nothing answers any more.
web::PageForm* running() { return page && !page->ended() ? page : nullptr; }

} // namespace

extern "C" {

// Called by the page once the module is ready, so that a start that fails is
// the page's to report rather than an uncaught error.
EMSCRIPTEN_KEEPALIVE void pb_start()
{
    if (page)
        return;
    page = new web::PageForm;
    pbKeepBoard(PB_RELEASE);
}

// The page is hidden: the record of the board, to keep.
EMSCRIPTEN_KEEPALIVE const char* pb_hidden() { return running() ? running()->hidden().c_str() : ""; }

EMSCRIPTEN_KEEPALIVE char* pb_record_room() { return keptRecord; }

// The record the page wrote into pb_record_room: returns 1 when the kept board
// was read back and is shown.
EMSCRIPTEN_KEEPALIVE int pb_restore()
{
    keptRecord[sizeof keptRecord - 1] = 0;
    return running() && running()->restore(keptRecord) ? 1 : 0;
}

// One event of one pointer, as forms::PointerInput has it: kind and action as
// forms::PointerKind and forms::PointerAction number them, the buttons held
// after it, the modifier keys, where in board pixels, when in milliseconds,
// the button it is of, and for a touch's press whether it is alone on the
// glass. Returns 1 while a pointer holds the board, plus 2 when the event
// drew chalk.
EMSCRIPTEN_KEEPALIVE int pb_pointer(int kind, int id, int action, int buttons, int shift, float x, float y, double time,
                                    int button, int alone)
{
    if (!running() || kind < 0 || kind > 2 || action < 0 || action > 4)
        return 0;
    const forms::PointerInput input{forms::PointerKind(kind), forms::PointerAction(action), id, buttons, int16_t(shift),
                                    x, y, time, button, alone != 0};
    window::Form1& form1 = running()->form1();
    return (form1.pointer(input) ? 1 : 0) | (form1.pointerDrewChalk() ? 2 : 0);
}

// Returns 1 when the board took the key, which the page then cancels.
EMSCRIPTEN_KEEPALIVE int pb_key_down(int key, int shift)
{
    return running() && running()->keyDown(int16_t(key), int16_t(shift)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int pb_key_up(int key, int shift)
{
    return running() && running()->keyUp(int16_t(key), int16_t(shift)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void pb_lost_focus()
{
    if (running())
        running()->form1().handlers().gamen_LostFocus();
}

EMSCRIPTEN_KEEPALIVE void pb_click(int control)
{
    if (running())
        running()->click(control);
}

EMSCRIPTEN_KEEPALIVE void pb_frame()
{
    if (running())
        running()->paintFrame();
}

EMSCRIPTEN_KEEPALIVE void pb_resized()
{
    if (running())
        running()->resized();
}
}
