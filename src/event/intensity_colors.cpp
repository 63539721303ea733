#include "event/intensity_colors.h"

namespace tremblo {

namespace {

constexpr Color Rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}

constexpr std::array<Color, kIntensityClasses.size()> kClassColors{
    Rgb(255, 255, 255),  // 0
    Rgb(200, 225, 255),  // 1 (deeper than the JMA's F2F2FF, to stand apart from 0 on white)
    Rgb(0, 170, 255),    // 2
    Rgb(0, 65, 255),     // 3
    Rgb(250, 230, 150),  // 4
    Rgb(255, 230, 0),    // 5弱
    Rgb(255, 153, 0),    // 5強
    Rgb(255, 40, 0),     // 6弱
    Rgb(165, 0, 33),     // 6強
    Rgb(180, 0, 104),    // 7
};

}  // namespace

int IntensityClassRank(std::string_view jmaClass) {
    for (std::size_t i = 0; i < kIntensityClasses.size(); ++i)
        if (kIntensityClasses[i] == jmaClass) return static_cast<int>(i);
    return -1;
}

Color IntensityClassColor(std::string_view jmaClass) {
    const int rank = IntensityClassRank(jmaClass);
    return rank < 0 ? kNoClassColor : kClassColors[static_cast<std::size_t>(rank)];
}

const char* IntensityClassLiteral(std::string_view jmaClass) {
    const int rank = IntensityClassRank(jmaClass);
    // The classes are literals: their text ends in a null character.
    return rank < 0 ? nullptr : kIntensityClasses[static_cast<std::size_t>(rank)].data();
}

std::string IntensityClassText(std::string_view jmaClass) {
    const char* literal = IntensityClassLiteral(jmaClass);
    return literal ? TrText("event", literal) : std::string(jmaClass);
}

}  // namespace tremblo
