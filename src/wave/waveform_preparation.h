#pragma once
// The computing half of the waveform redraw: window start and length,
// velocity and displacement, and per row the trace, its peak and its
// vertical scale. The drawing half consumes WaveformView.
#include <array>

#include "record/seismic_record.h"
#include "compute/engine_path.h"
#include "wave/motion_derivation.h"

namespace tremblo {

enum class WaveQuantity { Acceleration = 0, Velocity = 1, Displacement = 2 };

// Unit text of a quantity: "Gal", "kine" or "cm".
// How many amplitude fields the rows read (the first ones): one with 1ch指定
// in the per-quantity view, one per row otherwise.
int AmplitudeFieldsUsed(bool waveMode, bool oneChannelAmplitude, int componentCount);

const char* WaveUnitName(WaveQuantity quantity);

// The display settings a redraw reads from the main window's controls.
struct WaveformSettings {
    bool waveMode = true;          // CBWave: one quantity for every component
    int waveQuantity = 0;          // RGWave item index (waveMode)
    int componentIndex = 0;        // RGCompo item index (componentMode)
    int timeSpanIndex = 3;         // RGTime item index
    float previousTimeSpan = 50;   // kept when timeSpanIndex is out of range
    bool autoStart = true;         // CBAutoStart
    int startValue = 0;            // integer value of EdStart (manual start)
    bool autoAmplitude = true;     // CBAmp
    bool oneChannelAmplitude = false;                  // CB1ch
    std::array<float, 3> amplitudes{400, 400, 400};    // EdAmp0..2: band top values
    bool removeDc = true;          // CBDC
    EnginePath path = EnginePath::Fast;
    int workers = 0;               // <= 0: all cores
};

struct WaveformRow {
    int component = 0;
    WaveQuantity quantity = WaveQuantity::Acceleration;
    const float* trace = nullptr;  // windowLength values; null when the window is empty
    int length = 0;
    float peak = 0.0f;             // largest absolute value in the window
    int peakIndex = 0;             // its index within the window
    float valuePerDivision = 0.0f; // VValueY of the row (2 divisions each side of zero)
    const char* unitName = "Gal";
};

struct WaveformView {
    bool prepared = false;         // false when no record is loaded: nothing to draw
    float timeSpan = 50.0f;        // seconds across the plot
    int windowStart = 0;
    int windowLength = 0;          // zero or less: nothing to show
    bool startWasAutomatic = false;  // the caller moves the start slider to windowStart
    int rowCount = 0;
    std::array<WaveformRow, 3> rows{};
    DerivationStatus derivation = DerivationStatus::Skipped;
};

// Runs the redraw's preparation on a loaded record (nothing happens before
// the first load: prepared stays false): sets record.windowStart
// and record.windowLength, derives velocity and displacement of every
// component and fills the rows. The row traces point into the record.
WaveformView PrepareWaveform(SeismicRecord& record, const WaveformSettings& settings,
                             DerivationWorkspace& workspace);

}  // namespace tremblo
