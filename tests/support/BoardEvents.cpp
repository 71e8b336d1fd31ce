#include "BoardEvents.h"

#include "forms/OptionArray.h"
#include "window/Form1.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <sstream>

std::string describe(const BoardEvent& e)
{
    static const char* names[] = {"press", "move", "release", "memo", "palette", "reset", "key down", "key up",
                                  "focus lost", "pointer"};
    std::ostringstream out;
    out.precision(9);
    out << names[e.kind];
    if (e.kind <= BoardEvent::Release)
        out << " button " << e.button << " at (" << e.x << ", " << e.y << ")";
    if (e.kind == BoardEvent::Palette)
        out << " " << e.index;
    if (e.kind == BoardEvent::KeyDown || e.kind == BoardEvent::KeyUp)
        out << " " << e.index << " shift " << e.button;
    if (e.kind == BoardEvent::Pointer) {
        const forms::PointerInput& p = e.pointer;
        out << " kind " << int(p.kind) << " action " << int(p.action) << " id " << p.id << " buttons " << p.buttons
            << " button " << p.button << (p.alone ? " alone" : "") << " at (" << p.x << ", " << p.y << ") time "
            << p.time;
    }
    return out.str();
}

void deliver(const BoardEvent& e, window::Form1& form, forms::OptionArray& palette)
{
    window::FormHandlers& handlers = form.handlers();
    switch (e.kind) {
    case BoardEvent::Press:
        handlers.gamen_MouseDown(e.button, 0, e.x, e.y);
        break;
    case BoardEvent::Move:
        handlers.gamen_MouseMove(e.button, 0, e.x, e.y);
        break;
    case BoardEvent::Release:
        handlers.gamen_MouseUp(e.button, 0, e.x, e.y);
        break;
    case BoardEvent::Memo:
        handlers.Command3_Click();
        break;
    case BoardEvent::Palette:
        if (e.index >= 0 && e.index <= 7) {
            if (!palette.Enabled(e.index))
                break;
            palette.setValue(e.index, true);
        }
        handlers.Option1_Click(e.index);
        break;
    case BoardEvent::Reset:
        handlers.Command1_Click();
        break;
    case BoardEvent::KeyDown: {
        int16_t code = e.index;
        handlers.gamen_KeyDown(code, e.button);
        break;
    }
    case BoardEvent::KeyUp: {
        int16_t code = e.index;
        handlers.gamen_KeyUp(code, e.button);
        break;
    }
    case BoardEvent::LostFocus:
        handlers.gamen_LostFocus();
        break;
    case BoardEvent::Pointer:
        form.pointer(e.pointer);
        break;
    }
}

namespace {

// A coordinate from two bytes: mostly on or near the board, sometimes far
// off it or at the ends of the float range.
float coordinate(uint8_t a, uint8_t b)
{
    const int raw = (a << 8) | b;
    switch (raw % 16) {
    case 0:
        return float((raw - 32768) * 1e4);
    case 1:
        return raw & 1 ? 1e30f : -3e38f;
    default:
        return float(raw % 1200) - 200 + (raw % 7) * 0.25f;
    }
}

// A pointer event from eight bytes: every kind and one no platform names,
// ids that repeat and odd ones, held buttons that jump (a bit no pointer has
// among them), presses alone on the glass or not, and times that stand
// still, run back, leap ahead or are not numbers.
forms::PointerInput pointerInput(const uint8_t* b)
{
    using A = forms::PointerAction;
    using K = forms::PointerKind;
    static const K kinds[] = {K::Mouse, K::Pen, K::Touch, K::Touch, K::Pen, K::Touch, K::Mouse, K(7)};
    static const A actions[] = {A::Move, A::Move, A::Move, A::Press, A::Release, A::Cancel, A::Leave, A(9)};
    static const int32_t oddIds[] = {-1, INT32_MAX, INT32_MIN, 7};
    static const double oddTimes[] = {NAN, INFINITY, -INFINITY, 1e300, -1e300, -0.0};
    forms::PointerInput in;
    in.kind = kinds[(b[0] - 32) & 7];
    in.action = actions[b[1] & 7];
    in.id = (b[1] >> 3 & 3) == 3 ? oddIds[b[1] >> 5 & 3] : (b[1] >> 3 & 3);
    in.buttons = b[6] & 0x7f;
    in.button = b[7] & 0x80 ? in.buttons & -in.buttons : 0; // the lowest held, or none
    in.alone = (b[7] & 0x40) != 0;
    in.x = coordinate(b[2], b[3]);
    in.y = coordinate(b[4], b[5]);
    const int tick = b[7] & 0x3f;
    in.time = tick < 58 ? tick * 100.0 : oddTimes[tick - 58];
    return in;
}

} // namespace

bool decodeEvent(const uint8_t*& data, std::size_t& size, BoardEvent& e)
{
    if (size < 6)
        return false;
    const uint8_t kind = data[0] % 40;
    if (kind >= 32) { // one in five is a pointer event
        if (size < 8)
            return false;
        e = BoardEvent{};
        e.kind = BoardEvent::Pointer;
        e.pointer = pointerInput(data);
        data += 8;
        size -= 8;
        return true;
    }
    static const int16_t buttons[] = {1, 2, 4, 1, 1, 0, 3, 5};
    // Moves and presses come most often, as they do at a real board.
    using K = BoardEvent;
    static const BoardEvent::Kind kinds[32] = {
        K::Move,    K::Move,    K::Move,    K::Move,      K::Move,    K::Move,    K::Move,    K::Move,
        K::Move,    K::Press,   K::Press,   K::Press,     K::Press,   K::Press,   K::Press,   K::Release,
        K::Release, K::Release, K::Release, K::Release,   K::Release, K::Memo,    K::Memo,    K::Memo,
        K::Memo,    K::Palette, K::Palette, K::Reset,     K::Reset,   K::KeyDown, K::KeyUp,   K::LostFocus,
    };
    e.kind = kinds[kind];
    e.button = buttons[data[1] % 8];
    if (e.kind == BoardEvent::Press || e.kind == BoardEvent::Release)
        e.button = buttons[data[1] % 3];

    e.x = coordinate(data[2], data[3]);
    e.y = coordinate(data[4], data[5]);
    e.index = int16_t(int(data[1] % 10) - 1); // -1 .. 8: the eight buttons and two that do not exist
    if (e.kind == BoardEvent::KeyDown || e.kind == BoardEvent::KeyUp) {
        static const int16_t keys[] = {38, 40, 33, 34, 37}; // the four move keys and one other
        e.index = keys[data[1] % 5];
        e.button = int16_t(data[1] / 5 % 4); // none, Shift, Ctrl, or both
    }
    data += 6;
    size -= 6;
    return true;
}

std::vector<BoardEvent> randomEvents(uint64_t seed, int count)
{
    uint64_t state = seed;
    auto next = [&state] {
        uint64_t z = (state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    };
    std::vector<BoardEvent> events;
    events.reserve(std::size_t(count));
    while (int(events.size()) < count) {
        const uint64_t word = next();
        uint8_t bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = uint8_t(word >> (8 * i));
        const uint8_t* data = bytes;
        std::size_t size = sizeof bytes;
        BoardEvent event;
        decodeEvent(data, size, event);
        events.push_back(event);
    }
    return events;
}
