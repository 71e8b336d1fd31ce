#pragma once

#include "forms/OptionArray.h"

namespace web {

// The palette as radio buttons of one group in the page, Option1(0) to
// Option1(7); the buttons themselves hold what is selected and enabled.
class DomPalette : public forms::OptionArray {
public:
    // A button of the group has been made in the page.
    void add(int16_t index);

    int16_t LBound() const override { return first_; }
    int16_t UBound() const override { return last_; }
    bool Value(int16_t index) const override;
    void setValue(int16_t index, bool selected) override;
    bool Enabled(int16_t index) const override;
    void setEnabled(int16_t index, bool enabled) override;

private:
    int16_t first_ = 0, last_ = -1;
};

} // namespace web
