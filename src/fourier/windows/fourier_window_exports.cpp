// The Fourier window's exports: PNG picture, CSV table, clipboard.
#include "common/text_export.h"
#include "fourier/fourier_csv.h"
#include "fourier/windows/fourier_window.h"
#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "record/save_folder.h"

namespace tremblo {

void TFourier::Button2Click() { MyGraph1->graph().Copy(); }

void TFourier::BtnGIFClick() {
    const RgbImage picture = MyGraph1->Picture();  // the picture at the moment of the click
    SavePictureWithDialog(platform_, picture,
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*")),
                                            SaveDialogFolder(saveDir, session_.record()),
                                            spectra_.source.eventName + "fas.png", "png"},
                          &saveDir);
}

// The spectra with H/V for three components (as tremblo-batch --fas --hv),
// or the surface/borehole ratio while it is shown (as --borehole-ratio).
void TFourier::BtnCSVClick() {
    const FourierSpectra* other = partner();
    const bool ratio = ShowsSurfaceBorehole();
    const FourierSpectra* surface = spectra_.series == 2 ? &spectra_ : other;
    const FourierSpectra* borehole = spectra_.series == 1 ? &spectra_ : other;
    const bool saved = SaveTextWithDialog(
        platform_,
        SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*")), SaveDialogFolder("", session_.record()),
                          spectra_.source.eventName + (ratio ? "ratio.csv" : "fas.csv"), "csv"},
        [&] { return ratio ? SurfaceBoreholeCsvText(*surface, *borehole) : FourierCsvText(spectra_, true); });
    // Cells left empty are said so, as the file's first lines say it.
    const std::vector<RatioGap> gaps =
        ratio ? SurfaceBoreholeCsvGaps(*surface, *borehole) : FourierCsvGaps(spectra_, true);
    if (!saved || gaps.empty()) return;
    std::string text;
    for (const RatioGap& gap : gaps) text += (text.empty() ? "" : "\n") + RatioGapNote(gap);
    platform_.ShowMessage(text, Std(tr("CSVﾌｧｲﾙ")), MessageStyle::Warning);
}

}  // namespace tremblo
