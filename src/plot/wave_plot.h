#pragma once
// The drawing half of the main window's waveform redraw: clears the plot,
// sets the time axis from the time span, draws the data-range and header
// texts and, for each row, its quantity name, title, scale, trace and peak
// marker. The preparation (window, derived traces, peaks, vertical scales)
// is done by the caller and handed over as plain values.
#include <array>
#include <string>
#include <vector>

#include "plot/my_wave.h"

namespace tremblo {

enum class WaveDisplayMode {
    Wave,       // one row per component, one quantity (CBWave checked)
    Component,  // one component, three rows: acceleration, velocity, displacement
};

struct WaveRowData {
    const float* trace = nullptr;  // the row's samples from the window start
    int count = 0;                 // samples in trace (windowLength); none drawn when <= 0
    float peak = 0;                // largest absolute value of the trace
    int peakIndex = 0;             // its index in trace
    float valuePerDivision = 10;   // the row's vertical scale (VValueY)
    int component = 0;             // index into componentLabels
    int quantity = 0;              // 0 acceleration, 1 velocity, 2 displacement
};

// Texts are Shift-JIS, as the record holds them; they are converted here.
struct WaveDrawInput {
    WaveDisplayMode mode = WaveDisplayMode::Wave;
    bool knetFormat = true;  // the file-format menu item KNET is checked
    float timeSpan = 50;     // seconds: 5, 10, 25, 50, 100 or 250
    float dt = 0.01f;        // the record's sampling interval (peak marker)
    int samplingFrequency = 100;  // the trace is drawn 1 / samplingFrequency apart
    int windowStart = 0;
    int windowLength = 0;
    bool showDataCount = false;  // CBDataCount
    bool showTitle = true;       // CBTitle
    bool showMax = true;         // CBMax
    bool showMaxPoint = true;    // CBMaxPnt

    std::string stationCode;
    std::string recordDate;
    std::string recordTime;
    std::string originDate;
    std::string originTime;
    std::string currentStationCode;  // the directory row of the station
    std::string currentStationName;
    std::array<std::string, 3> componentLabels;
    std::array<std::string, 3> quantityLabels;

    std::vector<WaveRowData> rows;  // 1 or 3, top to bottom
};

// The font of the line above the rows (header texts and data range): a
// monospaced 10-pixel face, in which a date (50 pixels), a time (40) and a
// station code (30) fit the columns the header's places leave them.
FontSpec WaveHeaderFont();

// Unit texts of the three quantities on the waveform plot: "Gal", "kine", "cm".
const char* WaveUnitName(int quantity);

void DrawWaveform(TMyWave& wave, const WaveDrawInput& input);

}  // namespace tremblo
