#include "FakeOptions.h"

#include <algorithm>

bool FakeOptions::Value(int16_t index) const { return value_.at(std::size_t(index)); }

void FakeOptions::setValue(int16_t index, bool selected)
{
    if (selected)
        value_.fill(false);
    value_.at(std::size_t(index)) = selected;
}

bool FakeOptions::Enabled(int16_t index) const { return enabled_.at(std::size_t(index)); }

void FakeOptions::setEnabled(int16_t index, bool enabled)
{
    enabled_.at(std::size_t(index)) = enabled;
    enableLog.emplace_back(index, enabled);
}

int FakeOptions::selected() const
{
    const auto it = std::find(value_.begin(), value_.end(), true);
    return it == value_.end() ? -1 : int(it - value_.begin());
}

bool FakeOptions::allEnabled(bool enabled) const
{
    return std::all_of(enabled_.begin(), enabled_.end(), [enabled](bool e) { return e == enabled; });
}
