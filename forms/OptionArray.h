#pragma once

#include <cstdint>

namespace forms {

// An array of option buttons as handlers see it: each element can be selected
// (Value) and enabled or greyed out (Enabled). Selecting one clears the others.
// The platform calls the owner's Click(Index) when an enabled one is chosen.
class OptionArray {
public:
    virtual ~OptionArray() = default;
    virtual int16_t LBound() const = 0;
    virtual int16_t UBound() const = 0;
    virtual bool Value(int16_t index) const = 0;
    virtual void setValue(int16_t index, bool selected) = 0;
    virtual bool Enabled(int16_t index) const = 0;
    virtual void setEnabled(int16_t index, bool enabled) = 0;
};

// Enables or greys out every element, from the lowest index up.
inline void setAllEnabled(OptionArray& options, bool enabled)
{
    for (int16_t i = options.LBound(); i <= options.UBound(); ++i)
        options.setEnabled(i, enabled);
}

} // namespace forms
