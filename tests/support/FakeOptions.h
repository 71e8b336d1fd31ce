#pragma once

#include "forms/OptionArray.h"

#include <array>
#include <utility>
#include <vector>

// Option buttons without widgets, recording every change of Enabled in order.
class FakeOptions : public forms::OptionArray {
public:
    int16_t LBound() const override { return 0; }
    int16_t UBound() const override { return 7; }
    bool Value(int16_t index) const override;
    void setValue(int16_t index, bool selected) override;
    bool Enabled(int16_t index) const override;
    void setEnabled(int16_t index, bool enabled) override;

    int selected() const;
    bool allEnabled(bool enabled) const;

    std::vector<std::pair<int16_t, bool>> enableLog;

private:
    std::array<bool, 8> value_{};
    std::array<bool, 8> enabled_{true, true, true, true, true, true, true, true};
};
