// The main window's waveform exports: CSV table, PNG picture, clipboard.
#include <QCheckBox>

#include "common/text_export.h"
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

void TForm1::BtnCopyClick() { platform_.CopyImageToClipboard(MyWave1->Picture()); }

}  // namespace tremblo
