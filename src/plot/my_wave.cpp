#include "plot/my_wave.h"

#include "plot/markers.h"
#include "plot/pixel.h"
#include "plot/tick_labels.h"

namespace tremblo {

std::string TMyWave::_round_number(float value) { return WaveRoundNumber(value); }

int TMyWave::ValueToY(float value) const {
    return TruncPixel(OriginY - static_cast<double>(value) / VValueY * UnitLenY);
}

void TMyWave::DrawScale() {
    DrawAxes();
    DrawMajorTicks();
    DrawMinorTicks();
    DrawTexts();
}

void TMyWave::DrawAxes() {
    canvas_.SetPenWidth(2);
    canvas_.MoveTo(OriginX, OriginY);
    canvas_.LineTo(OriginX + NGridX * UnitLenX, OriginY);
    canvas_.MoveTo(OriginX, OriginY);
    canvas_.LineTo(OriginX, OriginY - NGridY * UnitLenY);
    if (!PlusOnly) {
        canvas_.MoveTo(OriginX, OriginY);
        canvas_.LineTo(OriginX, OriginY + NGridY * UnitLenY);
    }
}

void TMyWave::DrawMajorTicks() {
    for (int i = 1; i <= NGridX; ++i) {
        const int x = OriginX + i * UnitLenX;
        canvas_.MoveTo(x, OriginY - 5);
        canvas_.LineTo(x, OriginY + 5);
        const std::string label = _round_number(static_cast<float>(i) * VValueX + SValueX);
        canvas_.TextOut(x - canvas_.TextWidth(label) / 2, OriginY + 5, label);
    }
    auto yTick = [&](int y, float value) {
        canvas_.MoveTo(OriginX, y);
        canvas_.LineTo(OriginX + 5, y);
        const std::string label = _round_number(value);
        canvas_.TextOut(OriginX - canvas_.TextWidth(label) - 5, y - canvas_.TextHeight(label) / 2, label);
    };
    for (int i = 1; i <= NGridY; ++i) {
        yTick(OriginY - i * UnitLenY, static_cast<float>(i) * VValueY + SValueY);
    }
    if (PlusOnly) return;
    for (int i = 1; i <= NGridY; ++i) {
        yTick(OriginY + i * UnitLenY, -SValueY - static_cast<float>(i) * VValueY);
    }
}

void TMyWave::DrawMinorTicks() {
    canvas_.SetPenWidth(1);
    if (SubX != 0) {
        const int step = UnitLenX / SubX;
        for (int q = 0; q < NGridX; ++q) {
            for (int p = 1; p <= SubX - 1; ++p) {
                const int x = OriginX + q * UnitLenX + p * step;
                canvas_.MoveTo(x, OriginY - 3);
                canvas_.LineTo(x, OriginY + 3);
            }
        }
    }
    if (SubY != 0) {
        const int step = UnitLenY / SubY;
        for (int q = 0; q < NGridY; ++q) {
            for (int p = 1; p <= SubY - 1; ++p) {
                int y = OriginY - q * UnitLenY - p * step;
                canvas_.MoveTo(OriginX, y);
                canvas_.LineTo(OriginX + 3, y);
                if (PlusOnly) continue;
                y = OriginY + q * UnitLenY + p * step;
                canvas_.MoveTo(OriginX, y);
                canvas_.LineTo(OriginX + 3, y);
            }
        }
    }
}

void TMyWave::DrawTexts() {
    const int hs = canvas_.TextHeight(" ");
    canvas_.TextOut(OriginX + 3, OriginY + 5, ShortestDecimal(SValueX));
    const std::string originY = ShortestDecimal(SValueY);
    canvas_.TextOut(OriginX - canvas_.TextWidth(originY) - 5, OriginY - hs / 2, originY);

    const int titleX = OriginX + (UnitLenX * NGridX) / 2 - canvas_.TextWidth(Title) / 2;
    const int titleY = PlusOnly ? OriginY + hs + 10 : OriginY + NGridY * UnitLenY - hs;
    canvas_.TextOut(titleX, titleY, Title);
    canvas_.TextOut(OriginX + UnitLenX * NGridX - canvas_.TextWidth(UnitX) / 2, OriginY + hs + 10, UnitX);
    canvas_.TextOut(OriginX - canvas_.TextWidth(UnitY) - 5, OriginY - UnitLenY * NGridY - hs - 5, UnitY);
}

void TMyWave::DrawWave1(int n, const float* data, float dt) {
    if (n <= 0) return;
    canvas_.MoveTo(OriginX, ValueToY(data[0]));
    const int axisEnd = NGridX * UnitLenX;
    for (int i = 1; i < n; ++i) {
        const int xo = TruncPixel(static_cast<double>(i) * dt / VValueX * UnitLenX);
        if (xo > axisEnd) return;
        canvas_.LineTo(OriginX + xo, ValueToY(data[i]));
    }
}

// A step below 1 would never advance: nothing is drawn then.
void TMyWave::DrawWave(int n, const float* data, int step, int dx) {
    if (n <= 0 || step < 1) return;
    canvas_.MoveTo(OriginX, ValueToY(data[0]));
    int x = OriginX;
    for (int k = step; k < n; k += step) {
        x += dx;
        if (x > OriginX + NGridX * UnitLenX) return;
        canvas_.LineTo(x, ValueToY(data[k]));
    }
}

// A step or an every below 1 draws nothing (they would loop or divide by zero).
void TMyWave::PlotWave(int n, const float* data, int step, int every, int type, int size) {
    if (step < 1 || every < 1) return;
    int c = 0;
    for (int k = 0; k < n; k += step) {
        const int x = OriginX + c;
        if (x > OriginX + NGridX * UnitLenX) return;
        if (c % every == 0) DrawWaveMarker(canvas_, type, x, ValueToY(data[k]), size);
        ++c;
    }
}

void TMyWave::PlotWave1(int n, const float* data, float dt, int type, int size) {
    for (int k = 0; k < n; ++k) {
        const int x = TruncPixel(static_cast<double>(k) * dt / VValueX * UnitLenX + OriginX);
        DrawWaveMarker(canvas_, type, x, ValueToY(data[k]), size);
    }
}

void TMyWave::Clear(Color color) {
    canvas_.SetBrushColor(color);
    canvas_.SetBrushStyle(BrushStyle::Solid);
    canvas_.FillRect({0, 0, Width(), Height()});
}

void TMyWave::Copy() { platform_.CopyImageToClipboard(canvas_.Picture()); }

}  // namespace tremblo
