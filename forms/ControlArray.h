#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace forms {

// A control array: Count controls addressed by index First .. First+Count-1,
// as in Line2(1) or Label3(2). An index outside the array is a programming error.
template <class Control, int First, int Count>
class ControlArray {
public:
    static constexpr int16_t LBound = First;
    static constexpr int16_t UBound = First + Count - 1;

    Control& operator()(int index)
    {
        assert(index >= First && index < First + Count);
        return items_[std::size_t(index - First)];
    }
    const Control& operator()(int index) const
    {
        assert(index >= First && index < First + Count);
        return items_[std::size_t(index - First)];
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<Control, Count> items_{};
};

} // namespace forms
