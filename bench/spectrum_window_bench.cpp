// Times the spectrum button of the main window from the click to the drawn
// spectrum window, as a user meets it: the wait window, the calculation of
// 3 components x 5 damping ratios x 200 periods over a window of 70000
// samples, the three panels drawn and the window painted. Prints
//   spectrum_window click_to_drawn_s first=... best=... median=...
// first is the first click after start-up (helper threads and fonts are
// set up then); best and median are over the following clicks.
#include <cstdio>

#include "click_to_drawn.h"

using namespace tremblo;

int main(int argc, char** argv) {
    BenchApplication bench(argc, argv);
    Application& app = bench.app();
    const ClickTimes t = bench.Time([&] { app.Form1.BtnSpectClick(); }, app.Spect);
    std::printf("spectrum_window click_to_drawn_s first=%.3f best=%.3f median=%.3f (%d samples x 3 components)\n",
                t.first, t.best, t.median, bench.record().windowLength);
    return 0;
}
