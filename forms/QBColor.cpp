#include "forms/QBColor.h"

#include <array>
#include <stdexcept>
#include <string>

namespace forms {

Color QBColor(int16_t index)
{
    static constexpr std::array<Color, 16> table = {{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    if (index < 0 || index >= int16_t(table.size()))
        throw std::out_of_range("QBColor: colour index " + std::to_string(index) + " is not in 0..15");
    return table[std::size_t(index)];
}

} // namespace forms
