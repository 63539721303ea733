#pragma once
// The Fourier spectra of a record: the amplitude spectrum of each component
// over the spectrum window (the samples the response spectra use, with the
// DC as the load left it), raw and smoothed with the Konno-Ohmachi window.
#include <array>
#include <string>
#include <vector>

#include "fourier/konno_ohmachi.h"
#include "record/seismic_record.h"
#include "spectrum/spectrum_source.h"

namespace tremblo {

// The bandwidths offered by the window.
inline constexpr std::array<double, 3> FOURIER_BANDWIDTHS{20.0, 40.0, 60.0};

struct FourierSettings {
    bool taper = false;                      // 5 % cosine taper at each end
    double bandwidth = KO_DEFAULT_BANDWIDTH;  // b of the Konno-Ohmachi window
};

struct FourierSpectra {
    SpectrumSource source;   // the record's texts at the calculation
    int series = 0;          // KiK-net: 2 surface (X.NS2), 1 borehole (X.NS1); 0 otherwise
    std::string seriesKey;   // the record's files less their extension: the two series share it
    float dt = 0;
    int windowStart = 0, windowLength = 0;
    int length = 0;          // transform length N
    double df = 0;           // 1 / (N dt)
    bool tapered = false;
    double bandwidth = KO_DEFAULT_BANDWIDTH;
    std::array<std::vector<double>, MAX_COMPONENTS> raw, smoothed;  // k = 0 .. N/2, componentCount of them
    // Rows 0 and 1 horizontal, row 2 vertical, as the record's files say:
    // only then is there an H/V ratio.
    bool horizontalsAndVertical = false;

    int componentCount() const { return source.componentCount; }
    int frequencyCount() const { return length / 2 + 1; }
    double nyquist() const { return 0.5 / static_cast<double>(dt); }
    bool empty() const { return length == 0; }
};

// What the spectra are made of: the record's texts and the samples of each
// component's spectrum window. The Fourier window keeps it for each KiK-net
// series, so that the other series' spectra can be made again with the
// settings shown after that record is no longer loaded.
struct FourierInput {
    SpectrumSource source;
    int series = 0;
    std::string seriesKey;
    float dt = 0;
    int windowStart = 0, windowLength = 0;
    bool horizontalsAndVertical = false;
    std::array<std::vector<float>, MAX_COMPONENTS> window;  // componentCount of them
};

// The series of a KiK-net record from its component labels (NS1 ... or
// NS2 ...), 0 for any other record.
int KikNetSeriesOf(const RecordFields& record);

FourierInput FourierInputOf(const SeismicRecord& record);

// Fills `out` from the record's spectrum window; false when memory is short
// (out is then empty). `workers` <= 0: all cores.
bool ComputeFourierSpectra(const SeismicRecord& record, const FourierSettings& settings, FourierSpectra& out,
                           int workers = 0);
bool ComputeFourierSpectra(const FourierInput& input, const FourierSettings& settings, FourierSpectra& out,
                           int workers = 0);

// Smooths the raw spectra again with the bandwidth b.
void SmoothFourierSpectra(FourierSpectra& spectra, double b, int workers = 0);

// The settings the spectra were made with.
FourierSettings SettingsOf(const FourierSpectra& spectra);

// Brings the spectra made from `input` to `settings`: transformed again when
// the taper differs, smoothed again when only b does, left alone otherwise.
// False when memory is short (spectra is then empty).
bool ApplyFourierSettings(const FourierInput& input, const FourierSettings& settings, FourierSpectra& spectra,
                          int workers = 0);

}  // namespace tremblo
