#include "forms/PointerArbiter.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// The buttons a pointer can report, DOM and Qt numbering them alike: left,
// right, middle, back, forward and a pen's eraser or a sixth button.
constexpr int kButtonBits = 63;
constexpr int kTip = 1, kEraser = 32;

// A button bit as the handlers code it: 1, 2 and 4 as they are; any other
// button is 0, which matches neither the left nor the right button's test.
int16_t buttonCode(int bit) { return int16_t(bit & 7); }

bool lifts(const PointerInput& in)
{
    return in.action == PointerAction::Release || in.action == PointerAction::Cancel;
}

// The buttons an event leaves held, by the rules of its kind of pointer: a
// finger is the left button; a press counts its own button where an engine
// reports none; a pen's eraser end acts as its tip.
int heldButtons(const PointerInput& in)
{
    if (in.kind == PointerKind::Touch)
        return lifts(in) ? 0 : kTip;
    if (in.action == PointerAction::Cancel)
        return 0;
    int held = in.buttons & kButtonBits;
    if (in.action == PointerAction::Press)
        held |= in.button & kButtonBits;
    if (in.kind == PointerKind::Pen && (held & kEraser))
        held = (held & ~kEraser) | kTip;
    return held;
}

// A kind no platform names acts as the mouse.
PointerInput known(const PointerInput& in)
{
    PointerInput out = in;
    if (in.kind != PointerKind::Pen && in.kind != PointerKind::Touch)
        out.kind = PointerKind::Mouse;
    return out;
}

} // namespace

PointerArbiter::PointerArbiter(MouseEvents& board)
    : board_(board)
{
}

// Time moves on by what the stamps say since the last one. A stamp that goes
// back, or is not a number, counts as now; so a clock that starts again from
// zero (a wrapped window-system clock) loses nothing but that one step.
void PointerArbiter::advance(double stamp)
{
    if (!std::isfinite(stamp))
        return;
    if (stamp_ && stamp > *stamp_)
        now_ += stamp - *stamp_;
    stamp_ = stamp;
}

bool PointerArbiter::penInUse() const
{
    return (holder_ && holder_->kind == PointerKind::Pen) || (penLast_ && now_ - *penLast_ < kPenQuietMs);
}

bool PointerArbiter::isHolder(const PointerInput& in) const
{
    return holder_ && holder_->kind == in.kind && holder_->id == in.id;
}

bool PointerArbiter::pointer(const PointerInput& given)
{
    if (given.action > PointerAction::Leave)
        return holding(); // no event a platform sends
    const PointerInput in = known(given);
    if (in.kind != PointerKind::Mouse)
        advance(in.time);
    if (in.kind == PointerKind::Pen)
        penLast_ = now_;
    if (in.action == PointerAction::Leave)
        return holding();
    if (in.kind == PointerKind::Touch && in.action == PointerAction::Press && in.alone)
        forgetTouches();
    if (setAsideTouch(in))
        return holding();
    const int buttons = heldButtons(in);
    if (isHolder(in) && in.action == PointerAction::Press && (buttons & ~holder_->buttons) == 0)
        letGo(); // its release went missing: this is a new press
    if (isHolder(in))
        follow(in, buttons);
    else if (in.action == PointerAction::Press && buttons != 0)
        press(in, buttons);
    else if (!holder_ && in.action == PointerAction::Move && in.kind != PointerKind::Touch)
        board_.mouseMove(0, in.shift, in.x, in.y); // hovering; a touch that never pressed is no one's
    return holding();
}

void PointerArbiter::press(const PointerInput& in, int buttons)
{
    if (in.kind == PointerKind::Touch) {
        if (holder_ || penInUse())
            setAside_.push_back(in.id);
        else
            take(in, buttons);
    } else if (!holder_) {
        take(in, buttons);
    } else if (holder_->kind == PointerKind::Touch) {
        setAside_.push_back(holder_->id);
        letGo();
        take(in, buttons);
    }
}

bool PointerArbiter::setAsideTouch(const PointerInput& in)
{
    if (in.kind != PointerKind::Touch)
        return false;
    const auto found = std::find(setAside_.begin(), setAside_.end(), in.id);
    if (found == setAside_.end())
        return false;
    // A press means its lift went missing: the id is a new touch now.
    if (lifts(in) || in.action == PointerAction::Press)
        setAside_.erase(found);
    return in.action != PointerAction::Press;
}

void PointerArbiter::touchesCancelled(double time)
{
    advance(time);
    forgetTouches();
}

void PointerArbiter::forgetTouches()
{
    setAside_.clear();
    if (holder_ && holder_->kind == PointerKind::Touch)
        letGo();
}

void PointerArbiter::take(const PointerInput& in, int buttons)
{
    holder_ = Holder{in.kind, in.id, 0, in.shift, in.x, in.y};
    changeTo(buttons, in.shift, in.x, in.y);
}

void PointerArbiter::follow(const PointerInput& in, int given)
{
    // A pen holds what it pressed with until none of that is held: a barrel
    // pressed or let go under the tip, or the tip lifted off a barrel press.
    const bool pen = holder_->kind == PointerKind::Pen;
    const int buttons = pen ? ((given & holder_->buttons) != 0 ? holder_->buttons : 0) : given;
    holder_->shift = in.shift;
    holder_->x = in.x;
    holder_->y = in.y;
    if (buttons != holder_->buttons)
        changeTo(buttons, in.shift, in.x, in.y); // a press or a release, not a move
    else if (in.action == PointerAction::Move)
        board_.mouseMove(buttonCode(buttons), in.shift, in.x, in.y);
}

// Every button that went up, then every one that came down, at this place.
// The last one let go, the board is free again.
void PointerArbiter::changeTo(int buttons, int16_t shift, float x, float y)
{
    const int gone = holder_->buttons & ~buttons, came = buttons & ~holder_->buttons;
    holder_->buttons = buttons;
    if (buttons == 0)
        holder_.reset();
    for (int bit = 1; bit <= kButtonBits; bit <<= 1)
        if (gone & bit)
            board_.mouseUp(buttonCode(bit), shift, x, y);
    for (int bit = 1; bit <= kButtonBits; bit <<= 1)
        if (came & bit)
            board_.mouseDown(buttonCode(bit), shift, x, y);
}

void PointerArbiter::letGo()
{
    const Holder was = *holder_;
    changeTo(0, was.shift, was.x, was.y);
}

} // namespace forms
