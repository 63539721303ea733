#pragma once
// What the spectrum table was calculated from: the texts of the record as it
// was at the calculation. The spectrum window titles its panels, names its
// files and writes its CSV from these, so that a record loaded after the
// calculation never lends its station or date to the spectra of another.
#include <array>
#include <string>

#include "common/fixed_text.h"
#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/oscillator_method.h"

namespace tremblo {

struct SpectrumSource {
    int componentCount = 3;
    FixedText<12> stationCode, originDate, originTime;  // Shift-JIS
    std::array<FixedText<10>, MAX_COMPONENTS> componentLabel{"NS", "EW", "UD"};
    std::string eventName;  // base name of the exported files
    // The damping ratios the table holds (the menu may change them before
    // the next calculation).
    DampingRatios dampingRatios = DampingRatiosFor(DampingMultiplier::Times1);
    // The oscillator that made the table.
    OscillatorMethod method = OscillatorMethod::Newmark;
};

inline SpectrumSource SpectrumSourceOf(const RecordFields& record) {
    SpectrumSource source;
    source.componentCount = record.componentCount;
    source.stationCode = record.stationCode.view();
    source.originDate = record.originDate.view();
    source.originTime = record.originTime.view();
    source.componentLabel = record.componentLabel;
    source.eventName = record.eventName;
    return source;
}

}  // namespace tremblo
