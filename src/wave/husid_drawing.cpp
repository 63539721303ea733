#include "wave/husid_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"

namespace tremblo {

namespace {

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16;
}

// NS, EW, UD, as the Fourier picture colours them.
constexpr Color kCurveColors[] = {Rgb(220, 0, 0), Rgb(0, 0, 230), Rgb(0, 140, 0)};
constexpr Color kLevelColor = Rgb(130, 130, 130);

constexpr int kOriginX = 60, kOriginY = 350, kFrameWidth = 480, kFrameHeight = 300;
constexpr int kFewestTimeDivisions = 4, kMostTimeDivisions = 8, kLevelDivisions = 4;
constexpr double kLevels[] = {HUSID_START_LEVEL, HUSID_MIDDLE_LEVEL, HUSID_END_LEVEL};

// The time the longest curve spans, s.
double RecordSeconds(std::span<const HusidCurve> curves) {
    double seconds = 0.0;
    for (const HusidCurve& c : curves)
        if (!c.cumulative.empty()) seconds = std::max(seconds, static_cast<double>(c.cumulative.size() - 1) * c.dt);
    return seconds;
}

// The time axis that ends nearest after the record: of the round steps over
// 4 to 8 divisions, the one whose end is smallest (a 60 s record gets 0 to 60
// in steps of 10, not 0 to 100 in steps of 20), the fewest divisions first.
void SetTimeAxis(TMyGraph& graph, double seconds) {
    graph.LinearX = true;
    const float longest = seconds > 0.0 ? static_cast<float>(seconds) : 1.0f;
    int bestDivisions = kFewestTimeDivisions;
    float bestStep = 0.0f;
    double bestEnd = HUGE_VAL;
    for (int divisions = kFewestTimeDivisions; divisions <= kMostTimeDivisions; ++divisions) {
        graph.NGridX = divisions;
        graph.XScaleUnit(1, &longest);  // the step, from 0
        const double end = static_cast<double>(graph.VValueX) * divisions;
        if (end < bestEnd) {
            bestDivisions = divisions;
            bestStep = graph.VValueX;
            bestEnd = end;
        }
    }
    graph.NGridX = bestDivisions;
    graph.VValueX = bestStep;
    graph.OriginX = kOriginX;
    graph.WidthX = kFrameWidth / bestDivisions * bestDivisions;
}

void SetAxes(TMyGraph& graph, double seconds) {
    SetTimeAxis(graph, seconds);
    graph.LinearY = true;
    graph.NGridY = kLevelDivisions;
    graph.SValueY = 0.0f;
    graph.VValueY = 1.0f / kLevelDivisions;
    graph.HeightY = kFrameHeight / kLevelDivisions * kLevelDivisions;
    graph.TitleX = TrPicture("wave", "時間 [s]");
}

// The right end of the time axis, s.
float TimeAxisEnd(const TMyGraph& graph) { return graph.SValueX + graph.VValueX * static_cast<float>(graph.NGridX); }

void DrawLevels(TMyGraph& graph) {
    Canvas& canvas = graph.canvas();
    canvas.SetPenColor(kLevelColor);
    canvas.SetPenWidth(1);
    const float xs[2] = {graph.SValueX, TimeAxisEnd(graph)};
    for (double level : kLevels) {
        const float ys[2] = {static_cast<float>(level), static_cast<float>(level)};
        graph.DrawDashedGraph(2, xs, ys, DashPattern{4.0, 3.0});
        const int y = graph.OriginY - static_cast<int>(level * graph.HeightY);
        canvas.TextOut(graph.OriginX + graph.WidthX + 4, y - 6, StringPrintf("%.0f%%", 100.0 * level));
    }
}

// Every k-th sample and the last, at most HUSID_MOST_POINTS of them.
void DrawCurve(TMyGraph& graph, const HusidCurve& curve, Color color) {
    const std::size_t n = curve.cumulative.size();
    const std::size_t stride = std::max<std::size_t>(1, (n + HUSID_MOST_POINTS - 1) / HUSID_MOST_POINTS);
    std::vector<float> xs, ys;
    for (std::size_t k = 0; k < n; k += stride) {
        xs.push_back(static_cast<float>(static_cast<double>(k) * curve.dt));
        ys.push_back(static_cast<float>(curve.Normalised(k)));
    }
    if ((n - 1) % stride != 0) {
        xs.push_back(static_cast<float>(static_cast<double>(n - 1) * curve.dt));
        ys.push_back(static_cast<float>(curve.Normalised(n - 1)));
    }
    graph.canvas().SetPenColor(color);
    graph.canvas().SetPenWidth(2);
    graph.DrawGraph(static_cast<int>(xs.size()), xs.data(), ys.data());
    graph.canvas().SetPenWidth(1);
}

// A white ring in the curve's colour where it reaches each level, drawn over
// every curve so that none hides another's.
void DrawCrossings(TMyGraph& graph, const HusidCurve& curve, Color color) {
    graph.canvas().SetPenColor(color);
    graph.canvas().SetBrushColor(kWhite);
    graph.canvas().SetPenWidth(2);
    for (double level : kLevels) {
        const auto t = HusidCrossingTime(curve, level);
        if (!t) continue;
        const float x = static_cast<float>(*t), y = static_cast<float>(level);
        graph.PlotGraph(1, &x, &y, 0, 4);
    }
    graph.canvas().SetPenWidth(1);
}

// Each component's label in its colour, then its durations and Arias intensity.
void DrawLegend(TMyGraph& graph, const SeismicRecord& record, std::span<const HusidCurve> curves) {
    Canvas& canvas = graph.canvas();
    const int x = graph.OriginX + graph.WidthX + 40;
    int y = graph.OriginY - graph.HeightY;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        canvas.SetPenColor(kCurveColors[c]);
        canvas.SetPenWidth(2);
        canvas.MoveTo(x, y + 6);
        canvas.LineTo(x + 18, y + 6);
        canvas.SetPenWidth(1);
        canvas.TextOut(x + 22, y, SjisToUtf8(record.componentLabel[c].view()));
        y += 14;
        if (!curves[c].HasMotion()) {
            canvas.TextOut(x + 8, y, TrPicture("wave", "揺れなし"));
            y += 22;
            continue;
        }
        const SignificantDurations d = SignificantDurationsOf(curves[c]);
        canvas.TextOut(x + 8, y, StringPrintf("D5-75 %.2f s", d.d5_75.value_or(0.0)));
        canvas.TextOut(x + 8, y + 13, StringPrintf("D5-95 %.2f s", d.d5_95.value_or(0.0)));
        canvas.TextOut(x + 8, y + 26, StringPrintf("Ia %.4g m/s", AriasIntensityOf(curves[c])));
        y += 48;
    }
}

}  // namespace

void PrepareHusidGraph(TMyGraph& graph) {
    graph.OriginY = kOriginY;
    graph.HeightY = kFrameHeight;
    graph.OverWrite = true;
    graph.canvas().ResetDrawingState();
    FontSpec font;
    font.pixelHeight = 10;
    graph.canvas().SetFont(font);
    graph.Clear(kWhite);
}

void DrawHusidCurves(TMyGraph& graph, const SeismicRecord& record, std::span<const HusidCurve> curves) {
    graph.Clear(kWhite);
    curves = curves.first(std::min<std::size_t>(curves.size(), MAX_COMPONENTS));
    SetAxes(graph, RecordSeconds(curves));
    const std::string format = TrPicture("wave", "Husid 曲線 (∫a²dt の累積の割合)   %s   %s");
    graph.TitleY = StringPrintf(format.c_str(), SjisToUtf8(record.stationCode.view()).c_str(),
                                SjisToUtf8(record.originDate.str() + " " + record.originTime.str()).c_str());
    graph.DrawWaku();
    DrawLevels(graph);
    for (std::size_t c = 0; c < curves.size(); ++c)
        if (curves[c].HasMotion()) DrawCurve(graph, curves[c], kCurveColors[c]);
    for (std::size_t c = 0; c < curves.size(); ++c)
        if (curves[c].HasMotion()) DrawCrossings(graph, curves[c], kCurveColors[c]);
    DrawLegend(graph, record, curves);
    graph.RedrawScaleLabels();
}

}  // namespace tremblo
