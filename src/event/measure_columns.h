#pragma once
// The columns of --measures as the event list offers them: each summary
// column (cN_arias ... cN_si of the three components, then si_horizontal
// ... pgd_rotd100), with what its header and the map's legend say and the
// scale its values are coloured on. The names are the summary's own
// (pipeline/measure_values.h writes them; a test holds the two together).
#include <string>
#include <vector>

namespace tremblo {

struct MeasureColumn {
    std::string name;           // the summary's column: "c1_arias", "si_horizontal"
    const char* caption = "";   // the quantity, for TrText/TrPicture("event", ...): "アリアス強度"
    const char* component = "";  // "NS", "EW" or "UD" after the caption (by position, as PGA NS); "" horizontal
    const char* unit = "";      // "m/s", shown in brackets after the caption
    bool logarithmic = true;    // amplitudes spread over decades; durations do not
};

// The quantities of one component, and of the horizontal motion.
inline constexpr int kComponentMeasureCount = 9;
inline constexpr int kHorizontalMeasureCount = 7;
inline constexpr int kMeasureColumnCount = 3 * kComponentMeasureCount + kHorizontalMeasureCount;

// Every measure column, in the summary's order.
const std::vector<MeasureColumn>& MeasureColumns();

// "アリアス強度 NS [m/s]": the caption (translated by the caller, for the
// interface or the pictures), the component when it has one, the unit.
std::string MeasureTitle(const MeasureColumn& measure, const std::string& caption);

}  // namespace tremblo
