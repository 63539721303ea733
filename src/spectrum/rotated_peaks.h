#pragma once
// RotD50/RotD100 of the peak ground motion (Boore 2010): the two horizontal
// series combined along the azimuths 0, 1, ... 179 degrees as the RotD
// spectra combine the oscillator responses (rotd_table.h), each azimuth's
// peak being the largest |combined value|; RotD100 is the largest peak,
// RotD50 the median. Along 0 and 90 degrees the peaks are those of NS and EW.
//
// The fast path bounds each block of samples by the box of its NS and EW
// values (azimuth_scan.h) and reads a block only on the azimuths where it
// can beat the peak found so far, widest boxes first: the peaks equal those
// of AzimuthPeaks over every sample bit for bit.
#include <span>

#include "compute/engine_path.h"
#include "record/seismic_record.h"
#include "spectrum/rotd_table.h"

namespace tremblo {

struct RotatedPeaks {
    RotDValues acceleration;  // gal, over the whole record
    RotDValues velocity;      // kine, over the window, as derived
    RotDValues displacement;  // cm, over the window, as derived
};

// Of two series of equal length (the shorter's length is taken).
RotDValues RotatedPeakOf(std::span<const float> ns, std::span<const float> ew, EnginePath path = EnginePath::Fast);

// Of a record with two perpendicular horizontal components (RotDUnavailable
// says none) whose waveform view is prepared: the acceleration over every
// sample as loaded, the velocity and displacement over the window as the
// derivation leaves them (the summary's PGV and PGD).
RotatedPeaks RecordRotatedPeaks(const SeismicRecord& record, EnginePath path = EnginePath::Fast);

}  // namespace tremblo
