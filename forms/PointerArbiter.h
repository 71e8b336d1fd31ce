#pragma once

#include "forms/MouseEvents.h"
#include "forms/PointerInput.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace forms {

// Decides which pointer holds the board and turns its events into the board's
// mouse calls. One pointer holds it at a time, from its press until its last
// button is let go, except that the pen comes first: a pen's press takes the
// board from a touch, and touches that begin while the pen is in use (down,
// or heard from within the last second: a hovering pen's moves and its leave
// are heard too) are set aside until they lift, so that a hand resting on the
// glass neither writes nor drags. A pen that has sent nothing for a second is
// no longer in use, whether or not it was heard to leave. The mouse is never
// set aside: its press too takes the board from a touch. Changes of the held
// buttons are told as releases, then presses; the other moves of the holder,
// and moves while nothing holds the board (a mouse or a pen hovering), as
// moves.
//
// What the hardware loses is made good here: a touch that begins alone on
// the glass ends every touch still counted, and a press of the holder that
// brings no new button ends its hold first, as the release that went missing
// would have. While a pen's tip is down its barrel changes nothing, so that a
// finger on the barrel neither breaks the line nor resets the board; a press
// made with the barrel held is the right button's.
class PointerArbiter : public PointerSink {
public:
    static constexpr double kPenQuietMs = 1000;

    explicit PointerArbiter(MouseEvents& board);

    bool pointer(const PointerInput& input) override;
    void touchesCancelled(double time) override;
    bool holding() const { return holder_.has_value(); }
    bool holds(PointerKind kind, int32_t id) const { return holder_ && holder_->kind == kind && holder_->id == id; }

private:
    struct Holder {
        PointerKind kind;
        int32_t id;
        int buttons;
        int16_t shift;
        float x, y;
    };

    void advance(double stamp);
    bool penInUse() const;
    bool isHolder(const PointerInput& input) const;
    // Consumes the events of a touch that is set aside; true when it did.
    bool setAsideTouch(const PointerInput& input);
    void forgetTouches();
    void press(const PointerInput& input, int buttons);
    void take(const PointerInput& input, int buttons);
    void follow(const PointerInput& input, int buttons);
    void changeTo(int buttons, int16_t shift, float x, float y);
    void letGo(); // the holder's buttons released, as its release would

    MouseEvents& board_;
    std::optional<Holder> holder_;
    std::vector<int32_t> setAside_; // touches, until they lift
    double now_ = 0;               // elapsed on the pointers' clock; it never runs back
    std::optional<double> stamp_;  // the last time stamp taken
    std::optional<double> penLast_; // when the pen was last heard of, whatever it did
};

} // namespace forms
