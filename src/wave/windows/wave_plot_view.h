#pragma once
// MyWave1: the waveform plot of the main window, a picture drawn by the
// waveform plot component and shown as it is.
#include <QWidget>

#include "plot/canvas/raster_canvas.h"
#include "plot/my_wave.h"

namespace tremblo {

class WavePlotView : public QWidget {
    Q_OBJECT
public:
    WavePlotView(Platform& platform, int width, int height, QWidget* parent = nullptr);

    TMyWave& wave() { return wave_; }
    RasterCanvas& canvas() { return canvas_; }
    // The picture as shown now.
    RgbImage Picture() const { return canvas_.Picture(); }

    // White, with the start-up hint lines in the plot's font.
    void ShowHints();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RasterCanvas canvas_;
    TMyWave wave_;
};

}  // namespace tremblo
