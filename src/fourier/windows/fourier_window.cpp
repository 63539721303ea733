// The Fourier window: its controls, the calculation and the drawing.
#include "fourier/windows/fourier_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "common/shift_jis.h"
#include "fourier/spectral_ratio.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/widget_place.h"
#include "spectrum/windows/spectrum_window_look.h"

namespace tremblo {

namespace {

QPushButton* AddButton(QWidget* parent, const QString& caption, const QString& hint, int x, int y) {
    auto* button = Place(new QPushButton(caption, parent), x, y, 75, 25);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

constexpr int kControlsY = 466;

}  // namespace

TFourier::TFourier(Platform& platform, RecordSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), session_(session) {
    ApplySpectrumWindowLook(*this, tr("フーリエスペクトル"), 929, 572);
    Label1 = Place(new QLabel(tr("フーリエスペクトル"), this), 16, 14, 230, 30);
    Label1->setFont(ProgramFont(21));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: aqua; background-color: navy;");
    Label2 = Place(new QLabel(this), 262, 16, 650, 26);  // the station
    MyGraph1 = PlaceGraph(platform_, *this, FOURIER_GRAPH_WIDTH, FOURIER_GRAPH_HEIGHT, 16, 56, PrepareFourierGraph);
    BuildControls();
    EnableExports();
}

TFourier::~TFourier() = default;

void TFourier::BuildControls() {
    RGBandwidth = Place(new RadioGroup(tr("平滑化 b"), {"20", "40", "60"}, this), 16, kControlsY, 96, 92);
    RGBandwidth->setItemIndex(1);
    connect(RGBandwidth, &RadioGroup::clicked, this, [this] { RGBandwidthClick(); });
    RGRatio = Place(new RadioGroup(tr("スペクトル比"), {"H/V", tr("地表/地中")}, this), 120, kControlsY, 110, 70);
    RGRatio->button(1)->setEnabled(false);
    connect(RGRatio, &RadioGroup::clicked, this, [this] { RGRatioClick(); });
    CBRaw = Place(new QCheckBox(tr("生スペクトル"), this), 240, kControlsY + 6, 110, 18);
    CBRaw->setChecked(true);
    connect(CBRaw, &QCheckBox::clicked, this, [this] { CBRawClick(); });
    CBTaper = Place(new QCheckBox(tr("5%テーパー"), this), 240, kControlsY + 28, 110, 18);
    CBTaper->setToolTip(tr("両端5%のコサインテーパー"));
    connect(CBTaper, &QCheckBox::clicked, this, [this] { CBTaperClick(); });
    Label3 = Place(new QLabel(tr("線サイズ"), this), 240, kControlsY + 54, 60, 20);
    UpDown1 = Place(new QSpinBox(this), 300, kControlsY + 52, 48, 24);
    UpDown1->setRange(1, 10);
    UpDown1->setValue(2);
    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { UpDown1Click(); });

    BtnCalc = AddButton(this, tr("計　算"), {}, 370, kControlsY + 4);
    connect(BtnCalc, &QPushButton::clicked, this, [this] { BtnCalcClick(); });
    Button2 = AddButton(this, tr("コピー"), tr("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), 510, kControlsY + 4);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    BtnGIF = AddButton(this, tr("PNGﾌｧｲﾙ"), tr("ｽﾍﾟｸﾄﾙをPNGﾌｧｲﾙで保存"), 593, kControlsY + 4);
    connect(BtnGIF, &QPushButton::clicked, this, [this] { BtnGIFClick(); });
    BtnCSV = AddButton(this, tr("CSVﾌｧｲﾙ"), tr("ｽﾍﾟｸﾄﾙをCSVﾌｧｲﾙで保存"), 676, kControlsY + 4);
    connect(BtnCSV, &QPushButton::clicked, this, [this] { BtnCSVClick(); });
    Button1 = AddButton(this, tr("閉じる"), {}, 837, kControlsY + 4);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

FourierSettings TFourier::ReadSettings() const {
    return FourierSettings{CBTaper->isChecked(), FOURIER_BANDWIDTHS[static_cast<std::size_t>(RGBandwidth->itemIndex())]};
}

FourierDisplaySettings TFourier::ReadDisplaySettings() const {
    FourierDisplaySettings s;
    s.showRaw = CBRaw->isChecked();
    s.ratio = RGRatio->itemIndex() == 1 ? FourierRatio::SurfaceBorehole : FourierRatio::HorizontalToVertical;
    s.lineWidth = UpDown1->value();
    return s;
}

bool TFourier::ReportMemory(bool done) {
    if (!done)
        platform_.ShowMessage(Std(tr("フーリエスペクトルの計算に必要なメモリが足りません")), Std(tr("メモリ不足")),
                              MessageStyle::Warning);
    return done;
}

// The shown spectra as their series' last.
void TFourier::KeepSeries() {
    if (spectra_.series != 0 && !spectra_.empty())
        series_[static_cast<std::size_t>(spectra_.series)] = Series{input_, std::make_shared<FourierSpectra>(spectra_)};
}

void TFourier::BtnCalcClick() {
    platform_.ShowWait(Std(tr("フーリエスペクトルを計算しています・・・・")));
    input_ = std::make_shared<const FourierInput>(FourierInputOf(session_.record()));
    const bool done = ComputeFourierSpectra(*input_, ReadSettings(), spectra_);
    platform_.CloseWait();
    if (ReportMemory(done)) {
        KeepSeries();
        MatchPartner(ReadSettings());
    }
    EnableRatioChoice();
    EnableExports();
    Redraw();
}

void TFourier::UpdateAfterLoad(const StationRow& station) {
    spectra_ = FourierSpectra{};
    input_.reset();
    ShowStation(station);
    // The ratio chosen stays chosen: the next calculation shows it again.
    EnableExports();
    Redraw();
}

void TFourier::EnableExports() {
    for (QPushButton* button : {Button2, BtnGIF, BtnCSV}) button->setEnabled(!spectra_.empty());
}

// The other series made again with `settings` where it was made with
// others: the ratio divides spectra of one setting, the one shown.
void TFourier::MatchPartner(const FourierSettings& settings) {
    if (spectra_.series == 0) return;
    Series& other = series_[static_cast<std::size_t>(3 - spectra_.series)];
    if (other.spectra && !ReportMemory(ApplyFourierSettings(*other.input, settings, *other.spectra))) other = Series{};
}

void TFourier::ApplySettings() {
    if (!spectra_.empty() && input_) {
        const FourierSettings settings = ReadSettings();
        if (ReportMemory(ApplyFourierSettings(*input_, settings, spectra_))) {
            KeepSeries();
            MatchPartner(settings);
        }
    }
    EnableRatioChoice();
    Redraw();
}

const FourierSpectra* TFourier::partner() const {
    if (spectra_.series == 0) return nullptr;
    const FourierSpectra* other = series_[static_cast<std::size_t>(3 - spectra_.series)].spectra.get();
    if (!other) return nullptr;
    const FourierSpectra& surface = spectra_.series == 2 ? spectra_ : *other;
    const FourierSpectra& borehole = spectra_.series == 1 ? spectra_ : *other;
    return SurfaceBoreholeMismatch(surface, borehole) ? nullptr : other;
}

bool TFourier::ShowsSurfaceBorehole() const { return RGRatio->itemIndex() == 1 && partner() != nullptr; }

// 地表/地中 is offered while the pair is at hand; otherwise H/V is shown.
// H/V needs two horizontals and a vertical; 地表/地中 both series of a KiK-net station.
void TFourier::EnableRatioChoice() {
    const bool pair = partner() != nullptr;
    RGRatio->button(0)->setEnabled(spectra_.empty() || spectra_.horizontalsAndVertical);
    RGRatio->button(1)->setEnabled(pair);
    if (!pair && RGRatio->itemIndex() == 1) RGRatio->setItemIndex(0);  // redraws
}

void TFourier::Redraw() {
    DrawFourierSpectra(MyGraph1->graph(), spectra_, partner(), ReadDisplaySettings());
    MyGraph1->update();
}

void TFourier::ShowStation(const StationRow& station) {
    Label2->setText(QString::fromStdString(SjisToUtf8(station.code.view()) + "  " + SjisToUtf8(station.name.view()) +
                                           "  " + SjisToUtf8(station.location.view())));
}

}  // namespace tremblo
