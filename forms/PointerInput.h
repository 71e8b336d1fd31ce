#pragma once

#include <cstdint>

namespace forms {

enum class PointerKind : uint8_t { Mouse, Pen, Touch };

// What happened to the pointer. A chord's second button comes as a Move whose
// held buttons changed; Leave is a pen hovering away from the board.
enum class PointerAction : uint8_t { Press, Move, Release, Cancel, Leave };

// One event of one pointer, as the platform reports it.
struct PointerInput {
    PointerKind kind = PointerKind::Mouse;
    PointerAction action = PointerAction::Move;
    int32_t id = 0;
    // The buttons held after the event, as the platform reports them: 1 the
    // left button or a pen's tip, 2 right (a pen's barrel), 4 middle, 8 and 16
    // back and forward, 32 a pen's eraser. A touch's are its own: the board
    // counts a finger as the left button whatever is said here.
    int buttons = 0;
    int16_t shift = 0;
    float x = 0, y = 0;
    double time = 0; // milliseconds, on one clock for pens and touches
    // The button that a press or release is of, as a bit of `buttons`; 0
    // where the platform says none.
    int button = 0;
    // A touch's press that the platform reports as the only touch on the
    // glass: every other touch is over, whether or not its lift was heard.
    bool alone = false;
};

// Whoever takes a board's pointer events as the platform reports them: the
// platforms hand over each event's facts here and decide nothing.
class PointerSink {
public:
    virtual ~PointerSink() = default;
    // Whether a pointer holds the board afterwards, so that a platform can
    // follow it off the board.
    virtual bool pointer(const PointerInput& input) = 0;
    // The system took every touch away (a gesture of its own).
    virtual void touchesCancelled(double time) = 0;
};

} // namespace forms
