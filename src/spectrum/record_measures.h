#pragma once
// The intensity measures of a loaded record, as one call for the batch and
// the windows: per component over the whole record as loaded, the
// time-domain measures (time_domain_measures.h) and the spectrum
// intensities (spectrum_intensity.h); for two perpendicular horizontal
// components, the SI value of the horizontal motion and RotD50/RotD100 of
// PGA, PGV and PGD (rotated_peaks.h).
#include <array>
#include <optional>
#include <string>

#include "compute/engine_path.h"
#include "record/seismic_record.h"
#include "spectrum/rotated_peaks.h"
#include "spectrum/spectrum_intensity.h"
#include "wave/time_domain_measures.h"

namespace tremblo {

struct RecordMeasureSettings {
    double bracketThresholdG = DEFAULT_BRACKET_THRESHOLD_G;  // g
    double siPeriodStep = SI_PERIOD_STEP;                    // s
    EnginePath path = EnginePath::Fast;
    int workers = 1;  // fast path; <= 0 means all cores
};

struct ComponentMeasures {
    TimeDomainMeasures time;
    std::optional<ComponentSpectrumIntensity> spectrum;  // none when the interval is refused
};

struct RecordMeasures {
    double bracketThresholdG = DEFAULT_BRACKET_THRESHOLD_G;  // g, of the bracketed durations
    int componentCount = 0;
    std::array<ComponentMeasures, MAX_COMPONENTS> components;  // the first componentCount
    std::optional<HorizontalSpectrumIntensity> horizontalSi;
    std::optional<RotatedPeaks> rotatedPeaks;
    // Why values are missing, in the program's words; empty when they are there.
    std::string spectrumProblem;    // the spectrum intensities
    std::string horizontalProblem;  // the horizontal SI value and the rotated peaks
};

// Why the record has no horizontal measures: it does not state two
// perpendicular horizontal components (RotD refuses it); nothing when it has.
std::optional<std::string> HorizontalMeasuresUnavailable(const SeismicRecord& record);

// Of a loaded record whose waveform view is prepared (the rotated PGV and
// PGD read the derived velocity and displacement). Throws std::bad_alloc
// when memory is short.
RecordMeasures ComputeRecordMeasures(const SeismicRecord& record, const RecordMeasureSettings& settings);

}  // namespace tremblo
