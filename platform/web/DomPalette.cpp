#include "platform/web/DomPalette.h"

#include "platform/web/Dom.h"

#include <algorithm>

namespace web {

void DomPalette::add(int16_t index)
{
    if (last_ < first_) {
        first_ = last_ = index;
        return;
    }
    first_ = std::min(first_, index);
    last_ = std::max(last_, index);
}

bool DomPalette::Value(int16_t index) const { return pbOptionValue(index) != 0; }

void DomPalette::setValue(int16_t index, bool selected) { pbSetOptionValue(index, selected); }

bool DomPalette::Enabled(int16_t index) const { return pbOptionEnabled(index) != 0; }

void DomPalette::setEnabled(int16_t index, bool enabled) { pbSetOptionEnabled(index, enabled); }

} // namespace web
