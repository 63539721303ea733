// The spectrum window: creation and layout of its controls.
#include "spectrum/windows/spect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPalette>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/widget_place.h"
#include "spectrum/windows/spectrum_window_look.h"
#include "spectrum/windows/target_chooser.h"

namespace tremblo {

namespace {

QPushButton* AddButton(QWidget* parent, const QString& caption, const QString& hint, int x, int y, int w = 75) {
    auto* button = Place(new QPushButton(caption, parent), x, y, w, 25);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

}  // namespace

TSpect::TSpect(Platform& platform, RecordSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), session_(session),
      model_(std::make_unique<SpectrumModel>()) {
    ApplySpectrumWindowLook(*this, QStringLiteral(" K-NET / KiK-net Earthquake Response Spectrum"), 929, 586);
    BuildHeader();
    MyGraph1 = PlaceGraph(platform_, *this, SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, 16, 56, PrepareSpectrumGraph);
    BuildLayoutControls();
    BuildAxisControls();
    BuildDampingControls();
    BuildButtons();
    BuildMethodControls();
}

TSpect::~TSpect() = default;

void TSpect::BuildHeader() {
    Label1 = Place(new QLabel(tr("地震応答スペクトラム"), this), 16, 14, 230, 30);
    Label1->setFont(ProgramFont(21));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: aqua; background-color: navy;");
    // The station of the record: code, name, location, fifth column.
    auto* station = Place(new QWidget(this), 262, 16, 650, 26);
    auto* row = new QHBoxLayout(station);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);
    for (QLabel** label : {&Label2, &Label5, &Label3, &Label4}) {
        *label = new QLabel(station);
        row->addWidget(*label);
    }
    Label2->setText("Label2");
    Label3->setText("Label3");
    Label4->setText("Label4");
    Label5->setText("Label5");
    row->addStretch(1);
}

void TSpect::BuildLayoutControls() {
    RGSpect = Place(new RadioGroup(tr("地震応答ｽﾍﾟｸﾄﾗﾑ"), {tr("成分ごと"), tr("応答ごと")}, this), 16, 368, 122, 62);
    connect(RGSpect, &RadioGroup::clicked, this, [this] { RGSpectClick(); });
    RGCompo = Place(new RadioGroup(tr("成分"), {tr("１ (NS)"), tr("２ (EW)"), tr("３ (UD)")}, this), 146, 368, 96, 92);
    connect(RGCompo, &RadioGroup::clicked, this, [this] { RGCompoClick(); });
    RGResp = Place(new RadioGroup(tr("応答"), {tr("加速度"), tr("速　度"), tr("変　位")}, this), 250, 368, 86, 92);
    RGResp->setItemIndex(1);
    RGResp->setEnabled(false);
    connect(RGResp, &RadioGroup::clicked, this, [this] { RGRespClick(); });
}

void TSpect::BuildAxisControls() {
    auto* xAxis = Place(new QGroupBox(tr("横　軸"), this), 344, 368, 164, 92);
    RGXScale = Place(new RadioGroup(tr("目盛り"), {tr("線形"), tr("対数")}, xAxis), 6, 18, 74, 66);
    RGXScale->setItemIndex(1);
    connect(RGXScale, &RadioGroup::clicked, this, [this] { RGXScaleClick(); });
    RGXUnit = Place(new RadioGroup(tr("単位"), {"s", "Hz"}, xAxis), 84, 18, 74, 66);
    connect(RGXUnit, &RadioGroup::clicked, this, [this] { RGXUnitClick(); });

    auto* yAxis = Place(new QGroupBox(tr("縦　軸"), this), 516, 368, 88, 92);
    RGYScale = Place(new RadioGroup(tr("目盛り"), {tr("線形"), tr("対数")}, yAxis), 6, 18, 76, 66);
    RGYScale->setItemIndex(1);
    connect(RGYScale, &RadioGroup::clicked, this, [this] { RGYScaleClick(); });
}

void TSpect::BuildDampingControls() {
    auto* group = Place(new QGroupBox(tr("減衰比"), this), 612, 368, 132, 92);
    struct Box {
        QCheckBox** box;
        const char* caption;
        Qt::GlobalColor text;        // the caption's colour, as the curve's
        Qt::GlobalColor background;  // Qt::transparent: the window's own
        int x, y;
    };
    // One form for every caption, as the menu 減衰比倍率 writes them (" 5%", "10%").
    // Colours go through the palette, not a style sheet: a style sheet's
    // background would paint the check box's indicator too (a red tick on red).
    const Box boxes[] = {{&D00, " 0%", Qt::white, Qt::red, 8, 20},
                         {&D01, " 1%", Qt::blue, Qt::transparent, 8, 42},
                         {&D02, " 2%", Qt::darkMagenta, Qt::transparent, 8, 64},
                         {&D05, " 5%", Qt::black, Qt::transparent, 70, 20},
                         {&D10, "10%", Qt::darkGreen, Qt::transparent, 70, 42}};
    for (int k = 0; k < DAMPING_COUNT; ++k) {
        const Box& b = boxes[k];
        QCheckBox* box = *b.box = Place(new QCheckBox(U(b.caption), group), b.x, b.y, 56, 18);
        box->setChecked(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, b.text);
        if (b.background != Qt::transparent) {
            palette.setColor(QPalette::Window, b.background);
            box->setBackgroundRole(QPalette::Window);
            box->setAutoFillBackground(true);
        }
        box->setPalette(palette);
        connect(box, &QCheckBox::clicked, this, [this, k] { DampingClick(k); });
    }

    CBColor = Place(new QCheckBox(tr("色分け"), this), 756, 372, 80, 18);
    CBColor->setToolTip(tr("減衰比による色分け"));
    CBColor->setChecked(true);
    connect(CBColor, &QCheckBox::clicked, this, [this] { CBColorClick(); });
    CBLarge = Place(new QCheckBox(tr("拡大図"), this), 756, 394, 80, 18);
    CBLarge->setToolTip(tr("拡大ｽﾍﾟｸﾄﾗﾑ"));
    connect(CBLarge, &QCheckBox::clicked, this, [this] { CBLargeClick(); });
    Label6 = Place(new QLabel(tr("線サイズ"), this), 756, 420, 60, 20);
    UpDown1 = Place(new QSpinBox(this), 820, 418, 48, 24);
    UpDown1->setRange(1, 10);
    UpDown1->setValue(2);
    UpDown1->setWrapping(false);
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpDown1Click(); });
}

void TSpect::BuildButtons() {
    BtnCalc = AddButton(this, tr("計　算"), {}, 16, 436, 58);
    connect(BtnCalc, &QPushButton::clicked, this, [this] { BtnCalcClick(); });
    BtnSdSa = AddButton(this, QStringLiteral("Sa-Sd"), tr("Sd-Saスペクトラム"), 80, 436, 58);
    connect(BtnSdSa, &QPushButton::clicked, this, [this] { BtnSdSaClick(); });
    Button3 = AddButton(this, tr("グラフ"), {}, 344, 470);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    Button2 = AddButton(this, tr("コピー"), tr("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), 427, 470);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    BtnGIF = AddButton(this, tr("PNGﾌｧｲﾙ"), tr("ｽﾍﾟｸﾄﾗﾑをPNGﾌｧｲﾙで保存"), 510, 470);
    connect(BtnGIF, &QPushButton::clicked, this, [this] { BtnGIFClick(); });
    BtnCSV = AddButton(this, tr("CSVﾌｧｲﾙ"), tr("ｽﾍﾟｸﾄﾙをCSVﾌｧｲﾙで保存"), 593, 470);
    connect(BtnCSV, &QPushButton::clicked, this, [this] { BtnCSVClick(); });
    Button1 = AddButton(this, tr("閉じる"), {}, 837, 470);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    TargetBox = Place(new TargetChooser(platform_, this), 16, 502, 897, 48);
    connect(TargetBox, &TargetChooser::changed, this, [this] { RedrawSpectra(); });

    ProgressBar1 = Place(new QProgressBar(this), 16, 558, 440, 14);
    ProgressBar1->setMaximum(2);
    ProgressBar2 = Place(new QProgressBar(this), 472, 558, 440, 14);
    ProgressBar2->setMaximum(5);
    for (QProgressBar* bar : {ProgressBar1, ProgressBar2}) {
        bar->setValue(0);
        bar->setTextVisible(false);
    }
}

// The oscillator below the calculation buttons, kept for the session; the
// pseudo values beside the exports, since they change what these write.
void TSpect::BuildMethodControls() {
    Label7 = Place(new QLabel(tr("計算方法"), this), 16, 472, 60, 20);
    CBMethod = Place(new QComboBox(this), 80, 470, 200, 25);
    CBMethod->addItems({tr("Newmark β=1/6"), tr("厳密解(区分線形)")});
    CBMethod->setToolTip(tr("応答の計算方法: 線形加速度法、または地動加速度を区分線形とした厳密解"));
    connect(CBMethod, &QComboBox::currentIndexChanged, this, [this] { CBMethodChange(); });
    CBPseudo = Place(new QCheckBox(tr("擬似応答 (pSA, pSV)"), this), 678, 473, 155, 20);
    CBPseudo->setToolTip(tr("SA と SV の代わりに擬似加速度 ω²SD と擬似速度 ωSD を表示"));
    connect(CBPseudo, &QCheckBox::clicked, this, [this] { CBPseudoClick(); });
}

}  // namespace tremblo
