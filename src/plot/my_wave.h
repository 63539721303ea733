#pragma once
// TMyWave: the waveform plot component. It draws a time axis and an
// amplitude axis through a zero line with ticks, labels, a row title and unit
// texts, and traces as polylines or markers. The main window stacks up to
// three rows on one component by moving OriginY between rows. Properties are
// read on every call; texts are UTF-8.
//
// The component draws on a canvas owned by its caller; its Width and Height
// are the canvas's.
#include <string>

#include "common/platform.h"
#include "plot/canvas.h"

namespace tremblo {

class TMyWave {
public:
    TMyWave(Canvas& canvas, Platform& platform) : canvas_(canvas), platform_(platform) {}

    int OriginX = 50;   // x pixel of time zero
    int OriginY = 100;  // y pixel of the zero line
    int UnitLenX = 100;  // pixels per major X division
    int UnitLenY = 25;   // pixels per major Y division
    int NGridX = 3;
    int NGridY = 2;
    int SubX = 5;  // 0: no minor ticks
    int SubY = 2;
    bool PlusOnly = false;
    float SValueX = 0;  // shifts the X labels only
    float SValueY = 0;  // shifts the Y labels only
    float VValueX = 1.0f;
    float VValueY = 10.0f;
    std::string Title = "Sample Wave";
    std::string UnitX = "[sec]";
    std::string UnitY = "[cm]";

    Canvas& canvas() const { return canvas_; }
    int Width() const { return canvas_.Width(); }
    int Height() const { return canvas_.Height(); }

    void DrawScale();
    static std::string _round_number(float value);

    // Polyline of n samples dt seconds apart; stops at the first sample right
    // of the time axis.
    void DrawWave1(int n, const float* data, float dt);
    // Polyline of every step-th sample, dx pixels apart.
    void DrawWave(int n, const float* data, int step, int dx);
    // Markers one pixel apart at every every-th drawn point of every step-th sample.
    void PlotWave(int n, const float* data, int step, int every, int type, int size);
    // A marker at each sample against time (no right-edge stop).
    void PlotWave1(int n, const float* data, float dt, int type, int size);

    // Brush solid in the colour, whole picture filled.
    void Clear(Color color);
    void Copy();

    // Pixel of a value on the zero line's row: trunc(OriginY - v / VValueY x UnitLenY).
    int ValueToY(float value) const;

private:
    void DrawAxes();
    void DrawMajorTicks();
    void DrawMinorTicks();
    void DrawTexts();

    Canvas& canvas_;
    Platform& platform_;
};

}  // namespace tremblo
