#pragma once
// TMyGraph: the x-y graph component of the spectrum windows. Callers set the
// public properties (or let an automatic scale set them), draw the frame with
// DrawWaku, set pen colour and width on the canvas, then draw data with
// DrawGraph, PlotGraph or SkipGraph. Properties are read on every call.
//
// The component draws on a canvas owned by its caller (the picture of the
// control); its Width and Height are the canvas's. Texts are UTF-8.
#include <string>
#include <string_view>
#include <vector>

#include "common/platform.h"
#include "plot/canvas.h"
#include "plot/dashed_path.h"

namespace tremblo {

class TMyGraph {
public:
    TMyGraph(Canvas& canvas, Platform& platform) : canvas_(canvas), platform_(platform) {}

    int NGridX = 4;
    int NGridY = 4;
    int WidthX = 250;
    int HeightY = 250;
    int OriginX = 35;  // x pixel of the frame's lower-left corner
    int OriginY = 270;  // y pixel of the frame's lower-left corner
    bool LinearX = true;
    bool LinearY = true;
    float SValueX = 0;  // value at the left edge of the frame
    float SValueY = 0;  // value at the bottom edge of the frame
    float VValueX = 5;  // linear: value per division; logarithmic: ratio per division
    float VValueY = 10;
    bool SubAxis = true;     // minor lines full length dotted (true) or 7-pixel ticks
    bool OverWrite = false;  // DrawWaku keeps the picture (true) or clears it first
    bool LeftScale = true;   // Y labels and title left (true) or right of the frame
    int SubX = 5;
    int SubY = 5;
    std::string TitleX = "TitleX [unit]";
    std::string TitleY = "TitleY [unit]";

    Canvas& canvas() const { return canvas_; }
    int Width() const { return canvas_.Width(); }
    int Height() const { return canvas_.Height(); }

    // Frame, grid, tick labels and titles. A logarithmic axis whose start
    // value is 0 is reported through the platform; drawing goes on.
    void DrawWaku();
    // As DrawWaku with SubX/SubY and fixed-decimal labels derived from the steps.
    void DrawWakuN();

    // Automatic scales: non-negative data, and data of either sign (which may
    // change NGridX / NGridY). Negative data on a logarithmic axis are
    // reported through the platform and scaled by their largest magnitude.
    void XScaleUnit(int n, const float* data);
    void YScaleUnit(int n, const float* data);
    void XScaleUnit1(int n, const float* data);
    void YScaleUnit1(int n, const float* data);

    static std::string _round_number(float value);
    static int sub_scale(float step, std::string& format);
    static bool zero_string(std::string_view text);

    // Data, mapped with truncation toward zero; non-positive values on a
    // logarithmic axis are skipped.
    void DrawGraph(int n, const float* x, const float* y);
    void PlotGraph(int n, const float* x, const float* y, int type, int size);
    void SkipGraph(int n, const float* x, const float* y, int type, int size, int skip);
    // A dashed curve (pen in force) cut to the frame, so that data beyond the
    // scales stay inside it; points that cannot be placed (non-positive on a
    // logarithmic axis) break the curve.
    void DrawDashedGraph(int n, const float* x, const float* y, const DashPattern& pattern = {});
    // The frame's grid area in pixels: OriginX .. OriginX + NGridX * (WidthX /
    // NGridX) across, OriginY up by NGridY * (HeightY / NGridY).
    ClipRect FrameRect() const;

    // Draws the tick labels of every frame drawn since the picture was last
    // cleared again, each on its white box: curves drawn past a frame (they
    // are not cut to it) then never hide a label. Drawing procedures call it
    // after their curves.
    void RedrawScaleLabels();

    void Clear(Color color);
    void Copy();
    // Writes the whole picture as a PNG file; a file that cannot be written is
    // reported through the platform and gives false.
    bool Save_PNG(const std::string& path);

private:
    void DrawFrame(bool derivedSubdivisions);
    void DrawXPass(const std::string* format);
    void DrawYPass(const std::string* format);
    void DrawTitles();
    bool MapX(float value, int& px) const;
    bool MapY(float value, int& py) const;
    bool PixelX(float value, double& px) const;  // before truncation
    bool PixelY(float value, double& py) const;
    void DrawMarkers(int n, const float* x, const float* y, int type, int size, int skip, bool solidPen);

    struct ScaleLabel {
        int x = 0, y = 0;
        std::string text;
        FontSpec font;
    };
    void DrawScaleLabel(int x, int y, const std::string& text);

    Canvas& canvas_;
    Platform& platform_;
    std::vector<ScaleLabel> scaleLabels_;  // of the frames on the picture
};

}  // namespace tremblo
