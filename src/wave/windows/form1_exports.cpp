// The main window's waveform exports: CSV table, PNG picture, clipboard.
#include <QCheckBox>

#include "common/atomic_file.h"
#include "common/format.h"
#include "common/path_text.h"
#include "plot/png_writer.h"
#include "plot/windows/radio_group.h"
#include "wave/waveform_csv.h"
#include "wave/windows/form1.h"
#include "wave/windows/wave_plot_view.h"

namespace tremblo {

namespace {

void ReportCannotWrite(Platform& platform, const std::string& path) {
    platform.ShowMessage(StringPrintf("ファイル %s を作成できません", path.c_str()), "ファイルエラー",
                         MessageStyle::Warning);
}

}  // namespace

void TForm1::BtnCsvClick() {
    const SeismicRecord& r = session_->record();
    const auto chosen = platform_.AskSaveFile(
        SaveDialogRequest{"KELDOR CSV ﾌｧｲﾙ (*.csv)|*.csv", "", r.eventName + ".csv", "csv"});
    if (!chosen) return;
    const std::string path = WithDefaultExtension(*chosen, "csv");
    const auto quantity = static_cast<WaveQuantity>(RGWave->itemIndex());
    if (!WriteFileAtomically(path, WaveformCsvText(r, quantity))) ReportCannotWrite(platform_, path);
}

void TForm1::BtnGifClick() {
    const RgbImage picture = MyWave1->Picture();  // the picture at the moment of the click
    const SeismicRecord& r = session_->record();
    const auto chosen = platform_.AskSaveFile(SaveDialogRequest{
        "PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*", spectrumSaveDir, r.eventName + ".png", "png"});
    if (!chosen) return;
    const std::string path = WithDefaultExtension(*chosen, "png");
    const PngWriteResult written = WritePngFile(path, picture);
    if (!written.ok) platform_.ShowMessage(written.message, "ファイルエラー", MessageStyle::Warning);
}

void TForm1::BtnCopyClick() { platform_.CopyImageToClipboard(MyWave1->Picture()); }

}  // namespace tremblo
