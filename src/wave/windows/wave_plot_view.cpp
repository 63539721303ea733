#include "wave/windows/wave_plot_view.h"

#include <QPainter>

namespace tremblo {

WavePlotView::WavePlotView(Platform& platform, int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(width, height), wave_(canvas_, platform) {
    setFixedSize(width, height);
}

void WavePlotView::ShowHints() {
    wave_.Clear(kWhite);
    // Instructions, in the language in use (no picture: nothing is exported).
    const QString hints[] = {tr("ファイルボタンをクリックしてファイルを指定してください"),
                             tr("中央防災会議ファイル"),
                             tr("広島市地震情報ネットワークシステムのファイルはメニューバーの"),
                             tr("「ファイル」でファイル形式を選択してください")};
    const int ys[] = {150, 200, 220, 240};
    for (int i = 0; i < 4; ++i) canvas_.TextOut(150, ys[i], hints[i].toStdString());
    update();
}

void WavePlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

}  // namespace tremblo
