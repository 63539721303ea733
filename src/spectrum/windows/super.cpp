#include "spectrum/windows/super.h"

#include <QPushButton>

#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/windows/spect.h"
#include "spectrum/windows/spectrum_window_look.h"

namespace tremblo {

TSuper::TSuper(Platform& platform, TSpect& spect, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), spect_(spect) {
    ApplySpectrumWindowLook(*this, tr("地震応答ｽﾍﾟｸﾄﾗﾑ"), 409, 500);
    MyGraph1 = PlaceGraph(platform_, *this, SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT, 32, 32,
                          PrepareSuperposedGraph);
    BtnSPGIF = new QPushButton(tr("PNGﾌｧｲﾙ"), this);
    BtnSPGIF->setGeometry(32, 462, 75, 25);
    Button2 = new QPushButton(tr("コピー"), this);
    Button2->setGeometry(167, 462, 75, 25);
    Button1 = new QPushButton(tr("閉じる"), this);
    Button1->setGeometry(302, 462, 75, 25);
    BtnSPGIF->setEnabled(false);
    Button1->setEnabled(false);
    connect(BtnSPGIF, &QPushButton::clicked, this, [this] { BtnSPGIFClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TSuper::BtnSPGIFClick() {
    SavePictureWithDialog(platform_, MyGraph1->Picture(),
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ(*.png)|*.png|すべて(*.*)|*.*")), spect_.SaveFolder(""),
                                            spect_.model().source().eventName + "rsp.png", "png"});
}

void TSuper::Button2Click() { MyGraph1->graph().Copy(); }

}  // namespace tremblo
