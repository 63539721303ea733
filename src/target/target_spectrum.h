#pragma once
// A target spectrum: a curve SA(T) at 5 % damping, in gal, that the record's
// response spectra are compared with. Either one of the built-in bedrock
// spectra of the 2000 building notification (times a zone coefficient) or a
// table of (period, SA) points read from a file, interpolated linearly in
// log T and log SA between its points and undefined outside them.
//
// SV and SD of a target are pseudo values: SV = SA T / 2π, SD = SA (T / 2π)².
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/translation.h"
#include "target/bsl_spectrum.h"

namespace tremblo {

enum class TargetKind { BslSafety, BslDamage, Table };

// Quantities of a target, in the order of the spectrum table: SA (gal),
// pseudo SV (kine), pseudo SD (cm).
inline constexpr int TARGET_SA = 0;
inline constexpr int TARGET_SV = 1;
inline constexpr int TARGET_SD = 2;

struct TargetSpectrum {
    TargetKind kind = TargetKind::BslSafety;
    double zone = 1.0;            // built-in curves: the zone coefficient Z
    std::vector<double> periods;  // a table: seconds, strictly ascending, above 0
    std::vector<double> sa;       // a table: gal, above 0, one per period
    std::string key;              // "bsl-safety", "bsl-damage", or the file name without its extension
    std::string label;            // the legend's text (UTF-8)

    bool builtIn() const { return kind != TargetKind::Table; }
    // SA at the period in gal; nothing outside a table's periods (a period
    // within a millionth of a table's first or last one counts as that one,
    // so a table written with six digits covers the periods it was made from).
    std::optional<double> SaAt(double period) const;
    // SA, pseudo SV or pseudo SD at the period.
    std::optional<double> ValueAt(int quantity, double period) const;
};

// The names of the built-in curves' limits, as their labels begin.
inline constexpr const char* kBslSafetyLabel = QT_TRANSLATE_NOOP("target", "告示 安全限界");
inline constexpr const char* kBslDamageLabel = QT_TRANSLATE_NOOP("target", "告示 損傷限界");

// The built-in curve of a limit for the zone coefficient: key and label
// ("告示 安全限界 Z=1.0", "告示 損傷限界 Z=0.8").
TargetSpectrum BuiltInTarget(BslLimit limit, double zone);

// The label as pictures draw it: a built-in curve's in the pictures'
// language (chosen when drawing, whenever the target was made), a table's
// file name as it is.
std::string TargetPictureLabel(const TargetSpectrum& target);

// A pseudo value of SA at the period: SA itself, SA T / 2π or SA (T / 2π)².
double PseudoValue(int quantity, double sa, double period);

// The zone coefficient as the legend writes it: "1.0", "0.8", "0.85".
std::string ZoneText(double zone);

// The periods a target is drawn at: the table periods it is defined at
// (built-in curves: all of them, with the corner periods 0.16 s and 0.64 s
// added where they fall inside), and a file's own periods, ascending.
std::vector<double> TargetDrawingPeriods(const TargetSpectrum& target, std::span<const float> tablePeriods);

}  // namespace tremblo
