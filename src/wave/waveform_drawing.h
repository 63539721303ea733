#pragma once
// The whole waveform redraw without a window: the preparation of the record
// (window, derived traces, peaks, scales) handed to the plot component's
// drawing. The main window and the batch front end both draw through here.
#include "plot/my_wave.h"
#include "plot/wave_plot.h"
#include "record/seismic_record.h"
#include "wave/waveform_preparation.h"

namespace tremblo {

// Size of the main window's waveform plot MyWave1, in pixels.
inline constexpr int WAVE_PLOT_WIDTH = 593;
inline constexpr int WAVE_PLOT_HEIGHT = 409;

// The check boxes that change only the drawing.
struct WaveDisplayOptions {
    bool title = true;      // CBTitle
    bool dataCount = true;  // CBDataCount
    bool max = true;        // CBMax
    bool maxPoint = true;   // CBMaxPnt
    bool knetFormat = true; // the K-NET/KiK-net item of the file-format menu
};

// The drawing input for a prepared view; the rows point into the record.
WaveDrawInput MakeWaveDrawInput(const SeismicRecord& record, const WaveformView& view,
                                const WaveformSettings& settings, const WaveDisplayOptions& options);

// Prepares the record with `settings` and draws the result on `plot`.
// Returns the prepared view (prepared is false before the first load, and
// nothing is drawn then).
WaveformView RedrawWaveform(SeismicRecord& record, const WaveformSettings& settings,
                            const WaveDisplayOptions& options, DerivationWorkspace& workspace,
                            TMyWave& plot);

}  // namespace tremblo
