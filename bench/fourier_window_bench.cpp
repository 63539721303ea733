// Times the main window's フーリエスペクトル button from the click to the
// painted Fourier window for a 300 s record at 100 Hz (three components of
// 30000 samples: the wait window, the transforms, the smoothing of 3 x
// 16385 frequencies, both panels drawn and the window painted). Prints
//   fourier_window click_to_drawn_s first=... best=... median=...
// first is the first click after start-up; best and median are over the
// following clicks.
#include <QPushButton>
#include <cstdio>

#include "click_to_drawn.h"

using namespace tremblo;

int main(int argc, char** argv) {
    BenchApplication bench(argc, argv);
    Application& app = bench.app();
    SeismicRecord& record = bench.record();
    record.sampleCount = 30000;  // 300 s
    record.windowLength = 30000;
    app.Form1.BtnFourier->setEnabled(true);
    const ClickTimes t = bench.Time([&] { app.Form1.BtnFourier->click(); }, app.Fourier);
    std::printf("fourier_window click_to_drawn_s first=%.3f best=%.3f median=%.3f (%d samples x 3 components, %d frequencies)\n",
                t.first, t.best, t.median, record.windowLength, app.Fourier.spectra().frequencyCount());
    return 0;
}
