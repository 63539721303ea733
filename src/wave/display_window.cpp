#include "wave/display_window.h"

#include <cmath>

namespace tremblo {

float TimeSpanForIndex(int index, float previousSpan) {
    static constexpr float kSpans[6] = {5.0f, 10.0f, 25.0f, 50.0f, 100.0f, 250.0f};
    if (index < 0 || index >= 6) return previousSpan;
    return kSpans[index];
}

int WindowLengthFor(float timeSpan, float dt) {
    if (!(dt > 0.0f)) return 0;
    const double samples = std::trunc(static_cast<double>(timeSpan) / static_cast<double>(dt));
    if (!(samples < 2147483647.0)) return 2147483647;
    return samples > 0.0 ? static_cast<int>(samples) : 0;
}

DisplayWindow ChooseDisplayWindow(int start, float timeSpan, float dt, int sampleCount) {
    DisplayWindow window;
    window.start = start < 0 ? 0 : start;
    window.length = WindowLengthFor(timeSpan, dt);
    if (static_cast<long long>(window.start) + window.length > sampleCount) {
        window.length = sampleCount - window.start;
    }
    return window;
}

}  // namespace tremblo
