#pragma once
// Choice of the waveform view's display window: which record sample is shown
// at time zero and how many samples are shown.

namespace tremblo {

// Samples derived past the shown window: a run-out for the band-pass filter,
// whose zero extension at the end of the stretch then lies outside the plot.
inline constexpr int FILTER_RUN_OUT = 300;

// The time span in seconds for an item of the time-scale radio group
// (0 -> 5, 1 -> 10, 2 -> 25, 3 -> 50, 4 -> 100, 5 -> 250). Any other index
// keeps the previous span.
float TimeSpanForIndex(int index, float previousSpan);

// trunc(timeSpan / dt) evaluated in double from the single-precision values:
// at 20 Hz, where dt is stored slightly above 0.05, 50 s give 999 samples.
// A dt of zero or less gives 0.
int WindowLengthFor(float timeSpan, float dt);

struct DisplayWindow {
    int start = 0;
    int length = 0;  // zero or less when the start lies at or past the end
};

// The window from a start (a negative start counts as 0), cut at the end of
// the record when start + length would pass sampleCount.
DisplayWindow ChooseDisplayWindow(int start, float timeSpan, float dt, int sampleCount);

}  // namespace tremblo
