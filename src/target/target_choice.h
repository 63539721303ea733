#pragma once
// Naming a target: "bsl-safety" and "bsl-damage" are the built-in curves,
// anything else a table file. Chosen targets are at most three, and their
// keys (the summary's column names) are made distinct.
#include <string>
#include <vector>

#include "common/result.h"
#include "target/target_spectrum.h"

namespace tremblo {

inline constexpr int MAX_TARGETS = 3;

inline constexpr const char* kBslSafetyName = "bsl-safety";
inline constexpr const char* kBslDamageName = "bsl-damage";

// The built-in curve (times `zone`, refused unless IsZoneCoefficient) or
// the table of the file.
Result<TargetSpectrum> TargetOfName(const std::string& name, double zone);

// Keys made distinct in order: a key an earlier target has gets "_2",
// "_3", ... appended.
void MakeKeysDistinct(std::vector<TargetSpectrum>& targets);

// The targets chosen in the spectrum window: the built-in curves ticked,
// their zone coefficient and the tables read from files, at most three in
// all.
struct TargetSelection {
    bool safety = false;
    bool damage = false;
    double zone = 1.0;
    std::vector<TargetSpectrum> files;

    int count() const { return (safety ? 1 : 0) + (damage ? 1 : 0) + static_cast<int>(files.size()); }
    bool full() const { return count() >= MAX_TARGETS; }
    // In drawing order: safety limit, damage limit, then the files as added.
    std::vector<TargetSpectrum> Targets() const;
};

// The words for a choice beyond the three targets.
std::string TooManyTargetsText();

}  // namespace tremblo
