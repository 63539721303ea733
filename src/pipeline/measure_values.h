#pragma once
// The values of --measures as the summary table and --info name them: per
// component arias (m/s), d5_75, d5_95 (s), cav, cav5, cavstd (cm/s),
// bracketed (s), housner_si (cm), si (cm/s); for the horizontal motion
// si_horizontal (cm/s), pga_rotd50, pga_rotd100 (gal), pgv_rotd50,
// pgv_rotd100 (cm/s), pgd_rotd50, pgd_rotd100 (cm).
#include <optional>
#include <string>
#include <vector>

#include "spectrum/record_measures.h"

namespace tremblo {

struct NamedMeasure {
    std::string name;
    std::optional<double> value;  // none: the record has no such value
};

// In the order of the summary's columns.
std::vector<NamedMeasure> ComponentMeasureValues(const ComponentMeasures& measures);
std::vector<NamedMeasure> HorizontalMeasureValues(const RecordMeasures& measures);

// The names alone, in the same order.
std::vector<std::string> ComponentMeasureNames();
std::vector<std::string> HorizontalMeasureNames();

// The settings of the batch as the record's measures take them: the fast
// path on the record's own thread.
RecordMeasureSettings BatchMeasureSettings(double bracketThresholdG);

}  // namespace tremblo
