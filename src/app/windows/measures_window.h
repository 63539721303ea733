#pragma once
// The intensity window (強震動指標): the intensity measures of the loaded
// record per component and for the horizontal motion, the Husid curves,
// and their exports (the table as text or CSV, the Husid CSV and PNG as
// tremblo-batch --husid writes them).
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"
#include "pipeline/measure_table.h"
#include "record/record_session.h"
#include "wave/husid_curve.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tremblo {

class GraphView;

class TMeasures : public QWidget {
    Q_OBJECT
public:
    // The record is read from the main window's session when a calculation runs.
    TMeasures(Platform& platform, RecordSession& session, QWidget* parent = nullptr);
    ~TMeasures() override;

    // The measures and curves of the record now loaded, then the table and the graph.
    void BtnCalcClick();
    RecordMeasureSettings ReadSettings() const;
    // A new record was loaded: the table and the graph are emptied, the
    // exports off, until 計　算.
    void UpdateAfterLoad();

    void Button1Click() { hide(); }
    void BtnCopyClick();       // the table as tab-separated text
    void BtnTableCsvClick();   // the table as the summary's --measures columns
    void BtnHusidCsvClick();   // NAMEhusid.csv
    void BtnHusidPngClick();   // NAMEhusid.png

    const std::optional<RecordMeasures>& measures() const { return measures_; }
    // The titles shown: each column's (components, horizontal) and each row's.
    std::vector<std::string> ColumnTitles() const;
    std::vector<std::string> RowTitles() const;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    GraphView* MyGraph1 = nullptr;
    QTableWidget* Table = nullptr;
    QDoubleSpinBox* EditThreshold = nullptr;  // g, of the bracketed duration
    QPushButton *BtnCalc = nullptr, *BtnCopy = nullptr, *BtnTableCsv = nullptr, *BtnHusidCsv = nullptr,
                *BtnHusidPng = nullptr, *Button1 = nullptr;
    std::string saveDir;  // folder of the last PNG saved from this window

private:
    void BuildControls();
    void ShowTable();
    void Redraw();
    void EnableExports();
    std::string BaseName() const;

    Platform& platform_;
    RecordSession& session_;
    std::optional<RecordMeasures> measures_;
    std::vector<HusidCurve> curves_;
};

}  // namespace tremblo
