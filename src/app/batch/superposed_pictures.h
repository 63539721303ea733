#pragma once
// The batch's superposed pictures: the chosen spectrum item of every record
// on one superposed graph, as a user builds it by adding each record's
// enlarged item. The legend has room for seven entries, so every seven
// records start a picture of their own (with its own scale).
#include <string>
#include <vector>

#include "common/platform.h"
#include "spectrum/enlarged_drawing.h"

namespace tremblo {

inline constexpr int SUPERPOSED_ITEMS_PER_PICTURE = 7;

// FILE.png for the first picture, then FILE_2.png, FILE_3.png, ...; ".png"
// is appended to a name without extension.
std::string SuperposedPicturePath(const std::string& path, int picture);

struct SuperposedOutcome {
    std::vector<std::string> written;
    std::string failure;  // the first file that could not be written
};

// Draws the items in the order given: the first of each picture starts a
// new drawing, the others are added in the next colours.
SuperposedOutcome WriteSuperposedPictures(const std::string& path, const std::vector<const ItemCurves*>& items,
                                          const SpectrumDisplaySettings& settings,
                                          const LinearPeriodAxis& linearAxis, Platform& platform);

}  // namespace tremblo
