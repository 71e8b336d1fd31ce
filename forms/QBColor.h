#pragma once

#include "forms/Color.h"

#include <cstdint>

namespace forms {

// The standard 16-colour table, indexed 0..15. Any other index throws
// std::out_of_range: no caller in the program computes an index at run time.
Color QBColor(int16_t index);

} // namespace forms
