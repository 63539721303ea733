// TMyGraph: data curves and markers, clearing and picture output.
#include <cmath>
#include <vector>

#include "plot/markers.h"
#include "plot/my_graph.h"
#include "plot/picture_export.h"
#include "plot/pixel.h"

namespace tremblo {

// Grid counts below 1 leave no place for any point.
bool TMyGraph::PixelX(float value, double& px) const {
    if (NGridX < 1) return false;
    const double pitchX = WidthX / NGridX;
    if (LinearX) {
        px = OriginX + (static_cast<double>(value) - SValueX) / VValueX * pitchX;
        return true;
    }
    if (!(value > 0) || SValueX == 0.0f) return false;
    px = OriginX + std::log10(static_cast<double>(value) / SValueX) / std::log10(static_cast<double>(VValueX)) * pitchX;
    return true;
}

bool TMyGraph::PixelY(float value, double& py) const {
    if (NGridY < 1) return false;
    const double pitchY = HeightY / NGridY;
    if (LinearY) {
        py = OriginY - (static_cast<double>(value) - SValueY) / VValueY * pitchY;
        return true;
    }
    if (!(value > 0) || SValueY == 0.0f) return false;
    py = OriginY - std::log10(static_cast<double>(value) / SValueY) / std::log10(static_cast<double>(VValueY)) * pitchY;
    return true;
}

bool TMyGraph::MapX(float value, int& px) const {
    double exact = 0;
    if (!PixelX(value, exact)) return false;
    px = TruncPixel(exact);
    return true;
}

bool TMyGraph::MapY(float value, int& py) const {
    double exact = 0;
    if (!PixelY(value, exact)) return false;
    py = TruncPixel(exact);
    return true;
}

ClipRect TMyGraph::FrameRect() const {
    const int pitchX = NGridX < 1 ? 0 : WidthX / NGridX;
    const int pitchY = NGridY < 1 ? 0 : HeightY / NGridY;
    return ClipRect{static_cast<double>(OriginX), static_cast<double>(OriginY - NGridY * pitchY),
                    static_cast<double>(OriginX + NGridX * pitchX), static_cast<double>(OriginY)};
}

void TMyGraph::DrawDashedGraph(int n, const float* x, const float* y, const DashPattern& pattern) {
    const ClipRect frame = FrameRect();
    std::vector<PixelPoint> run;
    auto flush = [&] {
        DrawDashedPolyline(canvas_, run, frame, pattern);
        run.clear();
    };
    for (int i = 0; i < n; ++i) {
        PixelPoint p;
        if (PixelX(x[i], p.x) && PixelY(y[i], p.y) && std::isfinite(p.x) && std::isfinite(p.y))
            run.push_back(p);
        else
            flush();
    }
    flush();
}

// A skipped element is bridged by the line from the previous drawn point to
// the next one. When element 0 is skipped, the first drawn element starts the
// polyline (the pen is moved there, not drawn from wherever it stood).
void TMyGraph::DrawGraph(int n, const float* x, const float* y) {
    bool started = false;
    for (int i = 0; i < n; ++i) {
        int px = 0;
        int py = 0;
        if (!MapX(x[i], px) || !MapY(y[i], py)) continue;
        if (started) {
            canvas_.LineTo(px, py);
        } else {
            canvas_.MoveTo(px, py);
            started = true;
        }
    }
}

void TMyGraph::DrawMarkers(int n, const float* x, const float* y, int type, int size, int skip,
                           bool solidPen) {
    for (int i = 0; i < n; ++i) {
        if (skip > 1 && i % skip != 0) continue;
        int px = 0;
        if (!MapX(x[i], px)) continue;
        if (px > OriginX + WidthX) return;  // data run in ascending x
        int py = 0;
        if (!MapY(y[i], py)) continue;
        if (solidPen) {
            const PenStyle saved = canvas_.GetPenStyle();
            canvas_.SetPenStyle(PenStyle::Solid);
            DrawGraphMarker(canvas_, type, px, py, size);
            canvas_.SetPenStyle(saved);
        } else {
            DrawGraphMarker(canvas_, type, px, py, size);
        }
    }
}

void TMyGraph::PlotGraph(int n, const float* x, const float* y, int type, int size) {
    DrawMarkers(n, x, y, type, size, 1, false);
}

void TMyGraph::SkipGraph(int n, const float* x, const float* y, int type, int size, int skip) {
    if (skip == 0) return;
    DrawMarkers(n, x, y, type, size, skip, true);
}

void TMyGraph::Clear(Color color) {
    scaleLabels_.clear();
    canvas_.SetBrushColor(color);
    canvas_.FillRect({0, 0, Width(), Height()});
}

void TMyGraph::Copy() { platform_.CopyImageToClipboard(canvas_.Picture()); }

bool TMyGraph::Save_PNG(const std::string& path) { return SavePicturePng(canvas_, path, platform_); }

}  // namespace tremblo
