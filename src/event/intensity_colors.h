#pragma once
// The colours of the JMA seismic intensity classes on the station map.
#include <array>
#include <string_view>

#include <string>

#include "common/translation.h"
#include "plot/canvas.h"

namespace tremblo {

// The classes from weakest to strongest, as the summary's jma_class writes them.
inline constexpr std::array<std::string_view, 10> kIntensityClasses{
    "0", "1", "2", "3", "4",
    QT_TRANSLATE_NOOP("event", "5弱"), QT_TRANSLATE_NOOP("event", "5強"),
    QT_TRANSLATE_NOOP("event", "6弱"), QT_TRANSLATE_NOOP("event", "6強"), "7"};

// The position of a class in kIntensityClasses; -1 for "" or an unknown text.
int IntensityClassRank(std::string_view jmaClass);

// The class's colour in the JMA's customary scale (pale to blue for the weak
// classes, yellow through red to purple for the strong); grey without a class.
Color IntensityClassColor(std::string_view jmaClass);

// The class's entry of kIntensityClasses (a null-terminated literal, as the
// translation wants it); nothing for an unknown text.
const char* IntensityClassLiteral(std::string_view jmaClass);

// The class as the event list shows it, in the user's language; an unknown
// text as it is.
std::string IntensityClassText(std::string_view jmaClass);

inline constexpr Color kNoClassColor = 0xA0A0A0;

}  // namespace tremblo
