#pragma once

#include "forms/PointerInput.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace forms {
class OptionArray;
}
namespace window {
class Form1;
}

// One thing that can happen to the window: a board mouse event, a click on
// "メモ", on a palette button, or on "初期画面", a key on the board, the
// board losing the focus, or a pointer event as a platform hands it over.
struct BoardEvent {
    enum Kind : uint8_t { Press, Move, Release, Memo, Palette, Reset, KeyDown, KeyUp, LostFocus, Pointer };
    Kind kind = Move;
    int16_t button = 0; // pressed or released button; on a move, the buttons held; for a key, Shift
    float x = 0, y = 0;
    int16_t index = 0; // palette button; for a key, its code
    forms::PointerInput pointer; // of a Pointer event
};

std::string describe(const BoardEvent& event);

// Delivers the event as the window would: a greyed palette button takes no
// click, a pointer event goes to the window's pointer entry, the rest to the
// handlers.
void deliver(const BoardEvent& event, window::Form1& form, forms::OptionArray& palette);

// Reads one event from the front of a byte string, consuming what it used:
// six bytes, eight for a pointer event. False when too few bytes are left.
bool decodeEvent(const uint8_t*& data, std::size_t& size, BoardEvent& event);

// `count` events from a seed, the same on every platform and compiler: the
// bytes come from splitmix64, not from a library's generator.
std::vector<BoardEvent> randomEvents(uint64_t seed, int count);
