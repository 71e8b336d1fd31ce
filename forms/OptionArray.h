#pragma once

#include <cstdint>

namespace forms {

// An array of option buttons as handlers see it: each element can be selected
// (Value) and enabled or greyed out (Enabled). Selecting one clears the others.
class OptionArray {
public:
    virtual ~OptionArray() = default;
    virtual bool Value(int16_t index) const = 0;
    virtual void setValue(int16_t index, bool selected) = 0;
    virtual bool Enabled(int16_t index) const = 0;
    virtual void setEnabled(int16_t index, bool enabled) = 0;
};

} // namespace forms
