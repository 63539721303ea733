#include "spectrum/windows/sd_sa.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "common/format.h"
#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/widget_place.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/windows/spect.h"
#include "spectrum/windows/spectrum_window_look.h"

namespace tremblo {

TSdSa::TSdSa(Platform& platform, TSpect& spect, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), spect_(spect) {
    ApplySpectrumWindowLook(*this, tr("Sa-Sdスペクトラム"), 353, 400);
    MyGraph1 = PlaceGraph(platform_, *this, SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT, 24, 16, PrepareSaSdGraph);

    Label2 = new QLabel(tr("Sa-Sdスペクトラム　h=0.05"), this);
    Label2->setGeometry(24, 330, 200, 20);
    CheckBox1 = new QCheckBox(tr("変位調整"), this);
    CheckBox1->setGeometry(232, 330, 100, 20);
    CheckBox1->setChecked(true);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    Label1 = new QLabel(tr("線サイズ"), this);
    Label1->setGeometry(24, 362, 60, 24);
    UpDown1 = new QSpinBox(this);
    UpDown1->setGeometry(88, 362, 52, 24);
    UpDown1->setRange(1, 100);
    UpDown1->setValue(2);
    UpDown1->setWrapping(false);
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpDown1Click(); });
    Button2 = new QPushButton(tr("PNGﾌｧｲﾙ"), this);
    Button2->setGeometry(170, 362, 75, 25);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    Button1 = new QPushButton(tr("閉じる"), this);
    Button1->setGeometry(254, 362, 75, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TSdSa::UpDown1Click() { spect_.BtnSdSaClick(); }
void TSdSa::CheckBox1Click() { spect_.BtnSdSaClick(); }

void TSdSa::Button2Click() {
    const RgbImage picture = MyGraph1->Picture();
    const std::string name = StringPrintf("%s_%s_SdSa.png", spect_.model().source().eventName.c_str(),
                                          SaSdComponentName(spect_.model().source(), drawnComponent).c_str());
    SavePictureWithDialog(platform_, picture,
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ(*.png)|*.png|すべて(*.*)|*.*")), spect_.SaveFolder(spect_.spectrumSaveDir), name,
                                            "png"},
                          &spect_.spectrumSaveDir);
}

}  // namespace tremblo
