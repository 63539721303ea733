// The main window's waveform exports: CSV table, PNG picture, clipboard.
#include <QCheckBox>

#include "common/atomic_file.h"
#include "common/path_text.h"
#include "common/text_export.h"
#include "record/at2_export.h"
#include "record/mseed_export.h"
#include "record/sac_export.h"
#include "plot/picture_export.h"
#include "plot/windows/radio_group.h"
#include "record/save_folder.h"
#include "spectrum/windows/spect.h"
#include "wave/waveform_csv.h"
#include "app/main_window/form1.h"
#include "wave/windows/wave_plot_view.h"

namespace tremblo {

void TForm1::BtnCsvClick() {
    const SeismicRecord& r = session_->record();
    const auto quantity = static_cast<WaveQuantity>(RGWave->itemIndex());
    SaveTextWithDialog(platform_, SaveDialogRequest{Std(tr("KELDOR CSV ﾌｧｲﾙ (*.csv)|*.csv")), SaveDialogFolder("", r), r.eventName + ".csv", "csv"},
                       [&] { return WaveformCsvText(r, quantity); });
}

void TForm1::BtnGifClick() {
    const RgbImage picture = MyWave1->Picture();  // the picture at the moment of the click
    // The dialog starts where the spectrum windows last saved a picture.
    const std::string folder =
        SaveDialogFolder(Spect != nullptr ? Spect->spectrumSaveDir : std::string(), session_->record());
    SavePictureWithDialog(platform_, picture,
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*")), folder,
                                            session_->record().eventName + ".png", "png"});
}

void TForm1::ExportAt2Click() {
    const SeismicRecord& r = session_->record();
    if (!r.recordLoaded) return;
    const auto chosen = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("PEER AT2 ﾌｧｲﾙ (*.AT2)|*.AT2")), SaveDialogFolder("", r), r.eventName + ".AT2", "AT2"});
    if (!chosen) return;
    // The name chosen, without its extension, starts every component's name.
    std::string base = *chosen;
    const std::string name(FileNamePart(base));
    if (const std::size_t period = name.rfind('.'); period != std::string::npos && period > 0)
        base.resize(base.size() - (name.size() - period));
    const std::vector<At2File> files = RecordAt2Files(r, std::string(FileNamePart(base)));
    if (files.empty()) {
        platform_.ShowMessage(Std(tr("値が有限でないため AT2 ファイルを書けません")), Std(tr("書き出し")),
                              MessageStyle::Warning);
        return;
    }
    const std::string folder = FolderPart(base);
    for (const At2File& file : files) {
        const std::string path = folder.empty() ? file.name : folder + "/" + file.name;
        if (!WriteFileAtomically(path, file.text)) return ReportCannotCreate(platform_, path);
    }
}

namespace {

// The name chosen, without its extension.
std::string WithoutExtension(const std::string& chosen) {
    std::string base = chosen;
    const std::string name(FileNamePart(base));
    if (const std::size_t period = name.rfind('.'); period != std::string::npos && period > 0)
        base.resize(base.size() - (name.size() - period));
    return base;
}

}  // namespace

// The same files as the batch's --export sac: the name chosen, without its
// extension, starts every component's name.
void TForm1::ExportSacClick() {
    const SeismicRecord& r = session_->record();
    if (!r.recordLoaded) return;
    const auto chosen = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("SAC ﾌｧｲﾙ (*.sac)|*.sac")), SaveDialogFolder("", r), r.eventName + ".sac", "sac"});
    if (!chosen) return;
    const std::string base = WithoutExtension(*chosen);
    const std::vector<SacFile> files = RecordSacFiles(r, std::string(FileNamePart(base)));
    if (files.empty()) {
        platform_.ShowMessage(Std(tr("値が有限でないため SAC ファイルを書けません")), Std(tr("書き出し")),
                              MessageStyle::Warning);
        return;
    }
    const std::string folder = FolderPart(base);
    for (const SacFile& file : files) {
        const std::string path = folder.empty() ? file.name : folder + "/" + file.name;
        if (!WriteFileAtomically(path, file.bytes)) return ReportCannotCreate(platform_, path);
    }
}

// The same files as the batch's --export mseed: NAME.mseed and NAME.xml
// for the name chosen.
void TForm1::ExportMseedClick() {
    const SeismicRecord& r = session_->record();
    if (!r.recordLoaded) return;
    const auto chosen = platform_.AskSaveFile(SaveDialogRequest{Std(tr("miniSEED ﾌｧｲﾙ (*.mseed)|*.mseed")),
                                                                SaveDialogFolder("", r), r.eventName + ".mseed", "mseed"});
    if (!chosen) return;
    const std::string base = WithoutExtension(*chosen);
    const std::optional<MseedExportFiles> files = RecordMseedFiles(r, std::string(FileNamePart(base)));
    if (!files) {
        platform_.ShowMessage(Std(tr("値が有限でないため miniSEED ファイルを書けません")), Std(tr("書き出し")),
                              MessageStyle::Warning);
        return;
    }
    const std::string folder = FolderPart(base);
    const auto pathOf = [&](const std::string& name) { return folder.empty() ? name : folder + "/" + name; };
    if (!WriteFileAtomically(pathOf(files->mseedName), files->mseedBytes))
        return ReportCannotCreate(platform_, pathOf(files->mseedName));
    if (!WriteFileAtomically(pathOf(files->xmlName), files->xmlText))
        return ReportCannotCreate(platform_, pathOf(files->xmlName));
}

void TForm1::BtnCopyClick() { platform_.CopyImageToClipboard(MyWave1->Picture()); }

}  // namespace tremblo
