// The spectrum window's handlers: the calculation, the drawing in both
// layouts, the display controls and what the main window asks of it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "common/shift_jis.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/widget_place.h"
#include "plot/windows/window_placement.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/windows/large.h"
#include "spectrum/windows/sd_sa.h"
#include "spectrum/windows/spect.h"
#include "stations/station_note.h"
#include "spectrum/windows/super.h"
#include "spectrum/windows/target_chooser.h"

namespace tremblo {

// ---- Calculation -----------------------------------------------------------

void TSpect::ShowProgress(const SpectrumProgress& progress) {
    ProgressBar1->setMaximum(progress.overallMaximum);
    ProgressBar1->setValue(progress.overallPosition);
    ProgressBar2->setMaximum(progress.periodMaximum);
    ProgressBar2->setValue(progress.periodPosition);
}

void TSpect::BtnCalcClick() {
    platform_.ShowWait(Std(tr("応答スペクトルを計算しています・・・・")));
    MyGraph1->graph().Clear(kWhite);
    MyGraph1->repaint();
    const CalculationStatus status =
        model_->Calculate(session_.record(), [this](const SpectrumProgress& p) { ShowProgress(p); });
    platform_.CloseWait();
    if (status == CalculationStatus::OutOfMemory) {
        platform_.ShowMessage(Std(tr("応答スペクトルの計算に必要なメモリが足りません")), Std(tr("メモリ不足")),
                              MessageStyle::Warning);
    } else if (status == CalculationStatus::Refused) {
        // No spectra to show: the graphs drawn from the last ones close with them.
        platform_.ShowMessage(model_->problem(), Std(tr("応答スペクトルを計算できません")), MessageStyle::Warning);
        if (SdSa != nullptr) SdSa->hide();
        if (Large != nullptr) Large->hide();
        EndEnlargedView();
    }
    EnableSpectrumCommands();
    RedrawSpectra();
}

// ---- Drawing ---------------------------------------------------------------

SpectrumDisplaySettings TSpect::ReadDisplaySettings() const {
    SpectrumDisplaySettings s;
    s.layout = RGSpect->itemIndex() == 1 ? SpectrumLayout::PerResponse : SpectrumLayout::PerComponent;
    s.component = RGCompo->itemIndex();
    s.quantity = RGResp->itemIndex();
    s.linearX = RGXScale->itemIndex() == 0;
    s.frequencyX = RGXUnit->itemIndex() == 1;
    s.linearY = RGYScale->itemIndex() == 0;
    s.dampingEnabled = dampingEnabled;
    s.colorByDamping = CBColor->isChecked();
    s.lineWidth = UpDown1->value();
    s.targets = TargetBox->Targets();
    s.pseudo = CBPseudo->isChecked();
    return s;
}

void TSpect::RedrawSpectra() {
    if (RGSpect->itemIndex() == 1) {
        BtnSpectrum2Click();
    } else {
        BtnSpectrum1Click();
    }
}

void TSpect::BtnSpectrum1Click() { DrawLayout(SpectrumLayout::PerComponent); }
void TSpect::BtnSpectrum2Click() { DrawLayout(SpectrumLayout::PerResponse); }

// The Sa-Sd button belongs to the per-component layout; with 拡大図 ticked
// the items go to the enlarged view instead of the three panels.
void TSpect::DrawLayout(SpectrumLayout layout) {
    BtnSdSa->setEnabled(layout == SpectrumLayout::PerComponent && model_->hasSpectra());
    if (!model_->hasSpectra()) {
        MyGraph1->graph().Clear(kWhite);  // the record was replaced: nothing to draw until 計　算
        MyGraph1->update();
        return;
    }
    if (EnlargedViewReady()) {
        MyGraph1->graph().Clear(kWhite);
        MyGraph1->update();
        RunEnlargedViewNow();
        return;
    }
    SpectrumDisplaySettings settings = ReadDisplaySettings();
    settings.layout = layout;
    DrawSpectra(MyGraph1->graph(), SpectrumDataOf(*model_), settings);
    MyGraph1->update();
    ++redrawCount_;
    // An open Sa-Sd graph follows the component and the calculation shown.
    if (SdSa != nullptr && SdSa->isVisible()) DrawSaSd();
}

// The exports and the views drawn from the table need spectra.
void TSpect::EnableSpectrumCommands() {
    const bool ready = model_->hasSpectra();
    for (QWidget* control : std::initializer_list<QWidget*>{BtnGIF, BtnCSV, Button2, CBLarge})
        control->setEnabled(ready);
}

// ---- Display controls ------------------------------------------------------

// Spectra on show are calculated again at once, so that no graph or file
// passes the other oscillator's values off as the chosen one's; otherwise
// the choice waits for the next 計　算.
void TSpect::CBMethodChange() {
    const OscillatorMethod method = CBMethod->currentIndex() == 1 ? OscillatorMethod::Exact : OscillatorMethod::Newmark;
    if (method == model_->oscillatorMethod()) return;
    model_->SetOscillatorMethod(method);
    if (model_->hasSpectra()) BtnCalcClick();
}

void TSpect::EnableComponentChoice() {
    const bool perComponent = RGSpect->itemIndex() == 0;
    RGCompo->setEnabled(perComponent);
    RGResp->setEnabled(!perComponent);
    if (!perComponent) return;
    const bool three = session_.record().componentCount == 3;
    RGCompo->button(0)->setEnabled(true);
    RGCompo->button(1)->setEnabled(three);
    RGCompo->button(2)->setEnabled(three);
}

void TSpect::RGSpectClick() {
    EnableComponentChoice();
    RedrawSpectra();
}

void TSpect::DampingClick(int k) {
    QCheckBox* boxes[DAMPING_COUNT] = {D00, D01, D02, D05, D10};
    dampingEnabled[static_cast<std::size_t>(k)] = boxes[k]->isChecked();
    scaleDamping = ScaleDamping(dampingEnabled);
    RedrawSpectra();
}

void TSpect::CBLargeClick() {
    enlargedView = CBLarge->isChecked();
    RedrawSpectra();
}

// ---- The main window's side ------------------------------------------------

void TSpect::UpdateAfterLoad(const RecordFields& record) {
    const bool three = record.componentCount == 3;
    QStringList items;
    for (int c = 0; c < 3; ++c) {
        items << (c == 0 || three ? QString::fromStdString(SjisToUtf8(record.componentLabel[c].view()))
                                  : QStringLiteral(" "));
    }
    RGCompo->setItems(items);
    // A one-component record has only the first item to choose: a choice of
    // the second or third would draw another record's spectrum.
    if (!three && RGCompo->itemIndex() != 0) RGCompo->setItemIndex(0);
    EnableComponentChoice();
    // The spectra of the record before are gone with it: the window shows
    // the new record's station and an empty graph until 計　算.
    model_->ForgetSpectra();
    ShowStation(record.currentStation);
    ProgressBar1->setValue(0);
    ProgressBar2->setValue(0);
    if (SdSa != nullptr) SdSa->hide();
    if (Large != nullptr) Large->hide();
    EndEnlargedView();
    EnableSpectrumCommands();
    RedrawSpectra();
}

void TSpect::ShowStation(const StationRow& station) {
    const std::pair<QLabel*, std::string_view> texts[] = {{Label2, station.code.view()},
                                                          {Label3, station.location.view()},
                                                          {Label4, station.column5.view()},
                                                          {Label5, station.name.view()}};
    for (const auto& [label, text] : texts)
        label->setText(QString::fromStdString(label == Label4 ? ShownStationNote(SjisToUtf8(text)) : SjisToUtf8(text)));
}

void TSpect::SetDampingMultiplier(DampingMultiplier multiplier) {
    model_->SetDampingMultiplier(multiplier);
    const auto captions = DampingCaptionsFor(multiplier);
    QCheckBox* boxes[] = {D01, D02, D05, D10};
    for (int i = 0; i < 4; ++i) boxes[i]->setText(QString::fromUtf8(captions[static_cast<std::size_t>(i)]));
}

void TSpect::SetLinearPeriodRange(LinearPeriodRange range) {
    model_->SetLinearPeriodRange(range);
    MyGraph1->graph().SubX = model_->linearPeriodAxis().subX;
    if (Super != nullptr) Super->MyGraph1->graph().SubX = model_->linearPeriodAxis().subX;
}

// ---- Sa-Sd -----------------------------------------------------------------

void TSpect::DrawSaSd() {
    if (SdSa == nullptr) return;
    SaSdSettings settings;
    settings.component = RGCompo->itemIndex();
    settings.lineWidth = SdSa->UpDown1->value();
    settings.adjustedOnly = SdSa->CheckBox1->isChecked();
    settings.targets = TargetBox->Targets();
    settings.pseudo = CBPseudo->isChecked();
    tremblo::DrawSaSd(SdSa->MyGraph1->graph(), model_->spectrum(), model_->source(), settings);
    SdSa->drawnComponent = settings.component;
    SdSa->Label2->setText(QString::fromStdString(SaSdCaption(model_->source(), settings.pseudo)));
    SdSa->MyGraph1->update();
}

void TSpect::BtnSdSaClick() {
    if (SdSa == nullptr) return;
    DrawSaSd();
    ShowBeside(*SdSa, *this, BtnSdSa);
}

}  // namespace tremblo
