// The main window's handlers: loading, the waveform controls and the shell.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "common/translation.h"
#include "common/web_pages.h"
#include "plot/windows/window_placement.h"
#include "plot/windows/radio_group.h"
#include "record/station_file_copy.h"
#include "record/windows/record_info_panel.h"
#include "spectrum/windows/spect.h"
#include "tools/windows/hrsm_list.h"
#include "tools/windows/site_list.h"
#include "tools/windows/synthe.h"
#include "app/main_window/form1.h"
#include "wave/jma_intensity.h"
#include "wave/start_point.h"
#include "wave/waveform_drawing.h"
#include "wave/windows/wave_plot_view.h"

namespace tremblo {


// ---- Record loading --------------------------------------------------------

std::optional<RecordFormat> TForm1::chosenFormat() const {
    if (Automatic->isChecked()) return std::nullopt;
    if (Hiroshima->isChecked()) return RecordFormat::Hiroshima;
    if (BOSAI->isChecked()) return RecordFormat::Cdpc;
    return RecordFormat::Knet;
}

void TForm1::ChooseFormat(RecordFormat format) {
    if (IsAgencyFormat(format)) return ChooseAutomatic();
    KNET->setChecked(format == RecordFormat::Knet);
    Hiroshima->setChecked(format == RecordFormat::Hiroshima);
    BOSAI->setChecked(format == RecordFormat::Cdpc);
    session_->setFileLabel(FileFormatLabel(format));
    info_->Show(session_->labels());
}

void TForm1::ChooseAutomatic() {
    Automatic->setChecked(true);
    session_->setFileLabel(AutomaticFormatLabel());
    info_->Show(session_->labels());
}

LoadSettings TForm1::CurrentLoadSettings() const {
    const std::optional<RecordFormat> chosen = chosenFormat();
    LoadSettings settings{chosen.value_or(RecordFormat::Knet), CB3Compo->isChecked(), CBDC->isChecked(), !chosen};
    settings.findInventory = true;  // miniSEED: its StationXML beside it, else asked once
    return settings;
}

void TForm1::BtnFileClick() {
    const LoadStatus status = session_->OpenWithDialog(CurrentLoadSettings());
    if (status == LoadStatus::Loaded) recordFromSource_ = false;
    FinishLoad(status);
}

LoadStatus TForm1::OpenRecordFile(const std::string& path) {
    const LoadStatus status = session_->LoadPath(path, CurrentLoadSettings());
    if (status == LoadStatus::Loaded) recordFromSource_ = false;
    FinishLoad(status);
    return status;
}

LoadStatus TForm1::OpenRecordFromSource(const std::string& loadPath, RecordFormat format, RecordFileSource* source) {
    session_->setFileSource(source);
    LoadSettings settings{format, CB3Compo->isChecked(), CBDC->isChecked()};
    settings.findInventory = true;
    const LoadStatus status = session_->LoadPath(loadPath, settings);
    session_->setFileSource(nullptr);
    if (status == LoadStatus::Loaded) recordFromSource_ = source != nullptr;
    FinishLoad(status);
    return status;
}

void TForm1::FinishLoad(LoadStatus status) {
    if (status != LoadStatus::Loaded) return;
    UpdateAfterLoad();
    BtnWaveClick();
}

void TForm1::UpdateAfterLoad() {
    const AfterLoadView view = MakeAfterLoadView(session_->record());
    info_->Show(session_->labels());
    TrackBar1->setMaximum(view.trackBarMaximum);
    for (QWidget* w : {static_cast<QWidget*>(BtnWave), static_cast<QWidget*>(BtnGif),
                       static_cast<QWidget*>(BtnCsv), static_cast<QWidget*>(BtnCopy),
                       static_cast<QWidget*>(CBWave), static_cast<QWidget*>(BtnSpect), static_cast<QWidget*>(BtnFourier)})
        w->setEnabled(true);
    if (Spect != nullptr) Spect->UpdateAfterLoad(session_->record());
    if (Synthe != nullptr) Synthe->RecordChanged();
    if (recordChanged) recordChanged();
    // A three-component record shows its JMA intensity; nothing otherwise.
    const Result<JmaIntensity> intensity = RecordJmaIntensity(session_->record());
    info_->ShowIntensity(intensity ? QString::fromStdString(JmaIntensityText(intensity.value())) : QString());
    Button3->setEnabled(view.synthesisEnabled && !recordFromSource_);
    N8->setEnabled(session_->stationFileCopyAvailable() && !recordFromSource_);
    ExportAt2->setEnabled(session_->record().recordLoaded);
    Measures1->setEnabled(session_->record().recordLoaded);
    ExportSac->setEnabled(session_->record().recordLoaded);
    ExportMseed->setEnabled(session_->record().recordLoaded);
}

void TForm1::N8Click() { CreateStationNameFiles(*session_, platform_); }

// ---- Waveform view ---------------------------------------------------------

void TForm1::BtnWaveClick() { Redraw(); }

void TForm1::CBAmpClick() {
    BtnWaveClick();
    CB1ch->setEnabled(!CBAmp->isChecked());
}

void TForm1::CBAutoStartClick() {
    const bool automatic = CBAutoStart->isChecked();
    EdStart->setEnabled(!automatic);
    TrackBar1->setEnabled(!automatic);
    if (automatic) BtnWaveClick();
}

void TForm1::TrackBar1Change() {
    quietRedraw_ = true;
    EdStart->setText(QString::number(TrackBar1->value()));
    BtnWaveClick();
}

void TForm1::EdStartChange() {
    quietRedraw_ = true;
    const StartCheck check =
        CheckStartText(EdStart->text().toStdString(), session_->record().sampleCount, RGTime->itemIndex());
    switch (check.verdict) {
        case StartVerdict::Empty:
            return;
        case StartVerdict::NotANumber:
            platform_.ShowMessage(TrText("wave", kStartNotANumber), TrText("wave", kStartErrorCaption), MessageStyle::Plain);
            return;
        case StartVerdict::TooLarge:
            platform_.ShowMessage(TrText("wave", kStartTooLarge), TrText("wave", kStartErrorCaption), MessageStyle::Plain);
            return;
        case StartVerdict::Accepted:
            TrackBar1->setValue(check.value);  // a change of position redraws
            return;
    }
}

void TForm1::CBWaveClick() {
    const bool waveMode = CBWave->isChecked();
    RGWave->setEnabled(waveMode);
    const char* amps[3] = {"400", "400", "400"};
    if (!waveMode) {
        amps[1] = "100";
        amps[2] = "10";
    }
    EdAmp0->setText(amps[0]);
    EdAmp1->setText(amps[1]);
    EdAmp2->setText(amps[2]);
    RGCompo->setEnabled(!waveMode && session_->record().componentCount == 3);
    BtnCsv->setEnabled(waveMode);
    BtnWaveClick();
}

void TForm1::CBDCClick() {
    platform_.ShowMessage(Std(CBDC->isChecked() ? tr("DC成分を除去するためには，ファイルデータの再読込が必要です")
                                                : tr("DC成分を除去しないためには，ファイルデータの再読込が必要です")),
                          Std(tr("ファイル再読込")), MessageStyle::Plain);
    BtnFileClick();
}

bool TForm1::ReadWaveSettings(WaveformSettings& s) {
    s.waveMode = CBWave->isChecked();
    s.waveQuantity = RGWave->itemIndex();
    s.componentIndex = RGCompo->itemIndex();
    s.timeSpanIndex = RGTime->itemIndex();
    s.previousTimeSpan = lastView_.timeSpan;
    s.autoStart = CBAutoStart->isChecked();
    s.removeDc = CBDC->isChecked();
    if (!s.autoStart) {
        // The field was checked as it changed; only a number counts here.
        const auto start = ParseWholeInteger(EdStart->text().toStdString());
        if (!start) {
            platform_.ShowMessage(TrText("wave", kStartNotANumber), TrText("wave", kStartErrorCaption), MessageStyle::Plain);
            return false;
        }
        s.startValue = *start;
    }
    s.autoAmplitude = CBAmp->isChecked();
    s.oneChannelAmplitude = CB1ch->isChecked();
    if (!s.autoAmplitude) {
        // Only the fields the rows use are read: a word in an unused one changes nothing.
        const QLineEdit* fields[3] = {EdAmp0, EdAmp1, EdAmp2};
        const int used = AmplitudeFieldsUsed(s.waveMode, s.oneChannelAmplitude, session_->record().componentCount);
        for (int i = 0; i < used; ++i) {
            const auto value = ParseWholeDecimal(fields[i]->text().toStdString());
            if (!value) {
                platform_.ShowMessage(TrText("wave", kAmplitudeNotANumber), TrText("wave", kAmplitudeErrorCaption), MessageStyle::Plain);
                return false;
            }
            s.amplitudes[static_cast<std::size_t>(i)] = *value;
        }
    }
    return true;
}

void TForm1::Redraw() {
    if (!session_->record().recordLoaded) return;
    WaveformSettings settings;
    if (!ReadWaveSettings(settings)) return;  // nothing else changes
    const bool quiet = quietRedraw_;
    if (!quiet) platform_.ShowWait(Std(tr("地震波形データを処理しています・・・・")));
    const WaveDisplayOptions options{CBTitle->isChecked(), CBDataCount->isChecked(),
                                     CBMax->isChecked(), CBMaxPnt->isChecked(),
                                     session_->loadedFormat() == RecordFormat::Knet};
    lastView_ = RedrawWaveform(session_->record(), settings, options, *workspace_, MyWave1->wave());
    MyWave1->update();
    ++redrawCount_;
    if (!quiet) platform_.CloseWait();
    quietRedraw_ = false;
    // An automatic start moves the slider, which shows it in the field and
    // redraws once more, quietly, with the same result.
    if (lastView_.startWasAutomatic && TrackBar1->value() != lastView_.windowStart)
        TrackBar1->setValue(lastView_.windowStart);
}

// ---- Horizontal synthesis --------------------------------------------------

void TForm1::Button3Click() {
    if (Synthe == nullptr) return;
    PlaceBeside(*Synthe, *this, Button3);
    Synthe->Open();
}

// ---- Shell -----------------------------------------------------------------

void TForm1::Button1Click() {
    if (platform_.ShowMessage(Std(tr("プログラムを終了します．よろしいですか？")), Std(tr("プログラム終了")),
                              MessageStyle::YesNo) == MessageAnswer::Yes)
        close();
}

void TForm1::Button2Click() {
    const bool hiroshima = Hiroshima->isChecked() || (Automatic->isChecked() && session_->record().recordLoaded &&
                                                      session_->loadedFormat() == RecordFormat::Hiroshima);
    if (hiroshima) {
        if (HRSMList == nullptr) return;
        HRSMList->Fill();
        ShowBeside(*HRSMList, *this, Button2);
    } else if (SiteList != nullptr) {
        PlaceBeside(*SiteList, *this, Button2);
        SiteList->FillAndShow();
    }
}

void TForm1::Label21Click() { OpenPage(platform_, pages::kKnetDownload); }
void TForm1::Label26Click() { OpenPage(platform_, pages::kKiknetSearch); }
void TForm1::Label32Click() { OpenPage(platform_, pages::kHiroshimaNetwork); }

}  // namespace tremblo
