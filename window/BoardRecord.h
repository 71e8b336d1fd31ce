#pragma once

#include <string>
#include <string_view>

namespace forms {
class OptionArray;
}

namespace board {
struct Scene;
}

namespace window {

// The board as it stands, as text a platform can keep while it is away: every
// value of the state record and of the figure objects, as the floats they are,
// DE's colour, the chalk's width, and the palette's selected button and
// enabled state. The chalk's pixels are the platform's to keep.
std::string WriteRecord(const board::Scene& scene, const forms::OptionArray& palette);

// Puts back on a started board what WriteRecord wrote. Every field is checked
// first: the record's form and checksum, that each value is one the board can
// hold, and that the parts only a reset sets (triangle ABC, its mark, the
// letters A to C, the vertices) are this board's own. A record that fails
// changes nothing, and the answer is false.
bool ReadRecord(std::string_view text, board::Scene& scene, forms::OptionArray& palette);

} // namespace window
