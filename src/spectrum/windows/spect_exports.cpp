// The spectrum window's exports: PNG picture, CSV table, clipboard.
#include <QCheckBox>

#include "common/text_export.h"
#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "record/save_folder.h"
#include "spectrum/pseudo_csv.h"
#include "spectrum/spectrum_csv.h"
#include "spectrum/windows/spect.h"

namespace tremblo {

std::string TSpect::SaveFolder(const std::string& remembered) const {
    return SaveDialogFolder(remembered, session_.record());
}

void TSpect::Button2Click() { MyGraph1->graph().Copy(); }

// With the pseudo values shown the files are named for them, NAMEpsa.png
// and NAMEpsa.csv (the pSA and pSV blocks), beside NAMErsp.* of the others.
std::string TSpect::ExportName(const char* extension) const {
    return model_->source().eventName + (CBPseudo->isChecked() ? "psa." : "rsp.") + extension;
}

void TSpect::BtnGIFClick() {
    const RgbImage picture = MyGraph1->Picture();  // the picture at the moment of the click
    SavePictureWithDialog(platform_, picture,
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ (*,png)|*.png|すべて (*.*)|*.*")), SaveFolder(spectrumSaveDir),
                                            ExportName("png"), "png"},
                          &spectrumSaveDir);
}

void TSpect::BtnCSVClick() {
    const SpectrumModel& m = *model_;
    SaveTextWithDialog(platform_,
                       SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*")), SaveFolder(""),
                                         ExportName("csv"), "csv"},
                       [&, pseudo = CBPseudo->isChecked()] {
                           return pseudo ? PseudoCsvText(m.source(), m.periods(), m.dampingRatios(), m.spectrum())
                                         : SpectrumCsvText(m.source(), m.periods(), m.dampingRatios(), m.spectrum());
                       });
}

}  // namespace tremblo
