// The intensity window's exports: the table as text or CSV, and the Husid
// curves as tremblo-batch --husid writes them (NAMEhusid.csv, NAMEhusid.png).
#include "app/windows/measures_window.h"

#include "common/text_export.h"
#include "pipeline/record_summary.h"
#include "plot/picture_export.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "record/save_folder.h"
#include "wave/husid_csv.h"

namespace tremblo {

std::string TMeasures::BaseName() const { return session_.record().eventName; }

void TMeasures::BtnCopyClick() {
    if (!measures_) return;
    platform_.CopyTextToClipboard(MeasureTableTsv(MeasureTableOf(*measures_), ColumnTitles(), RowTitles()));
}

void TMeasures::BtnTableCsvClick() {
    if (!measures_) return;
    SaveTextWithDialog(platform_,
                       SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*")),
                                         SaveDialogFolder("", session_.record()), BaseName() + "measures.csv", "csv"},
                       [&] { return MeasureColumnsCsv(*measures_); });
}

void TMeasures::BtnHusidCsvClick() {
    if (!measures_) return;
    SaveTextWithDialog(platform_,
                       SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*")),
                                         SaveDialogFolder("", session_.record()), BaseName() + "husid.csv", "csv"},
                       [&] { return HusidCsvText(session_.record(), curves_); });
}

void TMeasures::BtnHusidPngClick() {
    if (!measures_) return;
    const RgbImage picture = MyGraph1->Picture();  // the picture at the moment of the click
    SavePictureWithDialog(platform_, picture,
                          SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*")),
                                            SaveDialogFolder(saveDir, session_.record()), BaseName() + "husid.png", "png"},
                          &saveDir);
}

}  // namespace tremblo
