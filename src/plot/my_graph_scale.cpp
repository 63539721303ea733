// TMyGraph: automatic scales.
#include <cmath>

#include "common/translation.h"
#include "plot/my_graph.h"

namespace tremblo {

namespace {

// Past the float range no candidate can be needed; a maximum that is not
// finite, or a grid count below 1, stops the search there and leaves the
// scale as it was.
constexpr double kUnitLimit = 1e39;
constexpr double kCandidates[] = {1, 2, 2.5, 5};

struct Axis {
    int& nGrid;
    bool linear;
    float& start;
    float& step;
};

// The linear candidate for the largest magnitude m over g divisions:
// the first of 1, 2, 2.5, 5 x 10^k whose g-fold exceeds m.
bool LinearStep(int g, float m, double& step) {
    for (double u = 1e-10; u < kUnitLimit; u *= 10) {
        for (double s : kCandidates) {
            if (g * (s + 0.001) * u > m) {
                step = s * u;
                return true;
            }
        }
    }
    return false;
}

// Logarithmic: nGrid decades ending at the first power of ten above m.
void LogScale(Axis axis, float m) {
    double u = 1e-10;
    while (m >= u && u < kUnitLimit) u *= 10;
    if (!(u < kUnitLimit)) return;
    axis.start = static_cast<float>(u / std::pow(10.0, axis.nGrid));
    axis.step = 10;
}

void NonNegativeScale(Axis axis, int n, const float* data) {
    float m = 0;
    for (int i = 0; i < n; ++i) {
        if (data[i] > m) m = data[i];
    }
    if (!axis.linear) {
        LogScale(axis, m);
        return;
    }
    double step = 0;
    if (!LinearStep(axis.nGrid, m, step)) return;
    axis.start = 0;
    axis.step = static_cast<float>(step);
}

// Returns false when negative data meet a logarithmic axis.
bool SignedScale(Axis axis, int n, const float* data) {
    float m = 0;
    bool negative = false;
    for (int i = 0; i < n; ++i) {
        const float a = std::fabs(data[i]);
        if (a > m) m = a;
        if (data[i] < 0) negative = true;
    }
    if (!axis.linear) {
        LogScale(axis, m);
        return !negative;
    }
    const int g = negative ? (axis.nGrid + 1) / 2 : axis.nGrid;
    double step = 0;
    if (!LinearStep(g, m, step)) return true;
    if (negative) axis.nGrid = 2 * g;
    axis.step = static_cast<float>(step);
    axis.start = negative ? -static_cast<float>(g) * axis.step : 0.0f;
    return true;
}

// The scale is still set from the largest magnitude; the program goes on.
void ReportNegativeLogData(Platform& platform) {
    platform.ShowMessage(TrText("plot", "負のデータを対数目盛りでは表せません"), TrText("plot", "目盛り設定エラー"),
                         MessageStyle::Warning);
}

}  // namespace

void TMyGraph::XScaleUnit(int n, const float* data) {
    NonNegativeScale({NGridX, LinearX, SValueX, VValueX}, n, data);
}

void TMyGraph::YScaleUnit(int n, const float* data) {
    NonNegativeScale({NGridY, LinearY, SValueY, VValueY}, n, data);
}

void TMyGraph::XScaleUnit1(int n, const float* data) {
    if (!SignedScale({NGridX, LinearX, SValueX, VValueX}, n, data)) ReportNegativeLogData(platform_);
}

void TMyGraph::YScaleUnit1(int n, const float* data) {
    if (!SignedScale({NGridY, LinearY, SValueY, VValueY}, n, data)) ReportNegativeLogData(platform_);
}

}  // namespace tremblo
