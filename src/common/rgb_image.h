#pragma once
// A picture as 8-bit RGB triples, row by row, top row first. This is what
// leaves the drawing code for PNG files and the clipboard.
#include <cstdint>
#include <vector>

namespace tremblo {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes

    const std::uint8_t* pixel(int x, int y) const {
        return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
    }
};

}  // namespace tremblo
