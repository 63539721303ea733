#include "spectrum/windows/large.h"

#include <QPushButton>

#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/windows/spect.h"
#include "spectrum/windows/spectrum_window_look.h"

namespace tremblo {

TLarge::TLarge(Platform& platform, TSpect& spect, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), spect_(spect) {
    ApplySpectrumWindowLook(*this, tr("地震応答スペクトラム"), 513, 513);
    MyGraph1 = PlaceGraph(platform_, *this, ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT, 16, 16, PrepareEnlargedGraph);
    BtnLGGIF = new QPushButton(tr("PNGﾌｧｲﾙ"), this);
    Button2 = new QPushButton(tr("閉じる"), this);
    BtnLGGIF->hide();
    Button2->hide();
    connect(BtnLGGIF, &QPushButton::clicked, this, [this] { BtnLGGIFClick(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TLarge::BtnLGGIFClick() {
    SavePictureWithDialog(platform_, MyGraph1->Picture(),
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ(*.png)|*.PNG|すべて(*.*)|*.*")), spect_.SaveFolder(""),
                                            spect_.model().source().eventName + "rsp.png", "png"});
}

}  // namespace tremblo
