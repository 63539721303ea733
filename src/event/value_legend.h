#pragma once
// The station map's legend when the stations are coloured by a column: its
// heading (the column and its unit), the scale as a gradient from the
// largest value (top) to the smallest with their numbers and the middle
// one (the geometric mean on a logarithmic scale), the hollow ring of a
// station without a value, and the epicentre's star.
#include <string>
#include <vector>

#include "common/translation.h"

#include "event/map_colouring.h"
#include "event/map_symbols.h"

namespace tremblo {

inline constexpr int kValueBarWidth = 14;
inline constexpr int kValueBarHeight = 120;
// Drawn through TrPicture("event", ...).
inline constexpr const char* kNoValueLegendText = QT_TRANSLATE_NOOP("event", "値なし");

// A scale's number as the legend writes it: three significant digits,
// never an exponent ("0.0123", "4.56", "1234").
std::string LegendNumberText(double value);

// The numbers at the scale's top, middle and bottom (largest first); the
// middle alone when the range is a single value.
std::vector<double> LegendScaleValues(const MapColouring& colouring);

LegendSize MeasureValueLegend(Canvas& canvas, const MapColouring& colouring);
void DrawValueLegend(Canvas& canvas, const Rect& box, const LegendSize& size, const MapColouring& colouring);

}  // namespace tremblo
