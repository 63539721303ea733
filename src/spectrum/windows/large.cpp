#include "spectrum/windows/large.h"

#include <QPushButton>

#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/window_look.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/windows/spect.h"

namespace tremblo {

TLarge::TLarge(Platform& platform, TSpect& spect, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), spect_(spect) {
    setWindowTitle(QString::fromUtf8("地震応答スペクトラム"));
    setFixedSize(513, 513);
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    MyGraph1 = new GraphView(platform_, ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT, this);
    MyGraph1->move(16, 16);
    MyGraph1->setObjectName("MyGraph1");
    PrepareEnlargedGraph(MyGraph1->graph());
    BtnLGGIF = new QPushButton(QString::fromUtf8("PNGﾌｧｲﾙ"), this);
    Button2 = new QPushButton(QString::fromUtf8("閉じる"), this);
    BtnLGGIF->hide();
    Button2->hide();
    connect(BtnLGGIF, &QPushButton::clicked, this, [this] { BtnLGGIFClick(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TLarge::BtnLGGIFClick() {
    SavePictureWithDialog(platform_, MyGraph1->Picture(),
                          SaveDialogRequest{"PNGﾌｧｲﾙ(*.png)|*.PNG|すべて(*.*)|*.*", "",
                                            spect_.model().source().eventName + "rsp.png", "png"});
}

}  // namespace tremblo
