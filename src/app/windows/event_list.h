#pragma once
// イベント一覧: every record of an earthquake in one table (station, network,
// epicentral distance, peak motions, JMA intensity, spectral accelerations),
// filled in the background as the records are read, beside a map of the
// stations. A row opens its record in the main window.
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "pipeline/event_reading.h"
#include "common/platform.h"
#include "event/event_column.h"
#include "input/record_file_source.h"
#include "record/record_session.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace tremblo {

class EventTableModel;
class StationMapView;

class TEventList : public QWidget {
    Q_OBJECT
public:
    TEventList(Platform& platform, const StationDirectory& directory, QWidget* parent = nullptr);
    ~TEventList() override;

    // Opens the record in the main window (set by the application).
    std::function<LoadStatus(const std::string& loadPath, RecordFormat format, RecordFileSource* source)> openRecord;

    // The file menu's イベントを開く...: an archive or a list of files; and a folder.
    void OpenEventFileClick();
    void OpenEventFolderClick();
    // Starts reading the event at `path` and shows the window; while another
    // event is still being read, asks first. False when the user keeps it.
    bool OpenEvent(const std::string& path);

    void BtnStopClick();
    void BtnCsvClick();
    void BtnPngClick();
    // Opens the record of the table's current row (says so when there is none).
    void OpenCurrentRecord();

    // The columns shown, from the chooser: shown, remembered in the settings,
    // and when a measure column is among them and the event was read
    // without the measures, the event read again with them.
    void SetShownColumns(const std::set<EventColumn>& columns);
    const std::set<EventColumn>& shownColumns() const { return shownColumns_; }
    // The chooser of the columns (the button 列..., the header's context menu).
    void ChooseColumnsClick();
    // Colours the map by a numeric column shown, or by the JMA classes
    // (nothing); remembered in the settings.
    void SetMapColumn(std::optional<EventColumn> column);
    std::optional<EventColumn> mapColumn() const { return mapColumn_; }
    // The records are read with the columns of --measures.
    bool readWithMeasures() const { return reading_ && reading_->withMeasures(); }

    bool reading() const { return reading_ != nullptr && !finished_; }
    // Takes what the reading has given so far (the timer does this while it reads).
    void Poll();

    EventTableModel* model() const { return model_; }
    QTableView* Grid = nullptr;
    StationMapView* Map = nullptr;
    QLineEdit* EdFilter = nullptr;
    QComboBox* CBNetwork = nullptr;
    QComboBox* CBMapColumn = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* LabelCount = nullptr;
    QLabel* LabelStatus = nullptr;
    QPushButton *BtnStop = nullptr, *BtnOpen = nullptr, *BtnCsv = nullptr, *BtnPng = nullptr, *BtnClose = nullptr;
    QPushButton* BtnColumns = nullptr;

protected:
    void closeEvent(class QCloseEvent* event) override;
    // Centred on the screen, and shrunk to it, when first shown.
    void showEvent(class QShowEvent* event) override;

private:
    void BuildControls();
    QLayout* BuildFilterRow();
    QLayout* BuildButtonRow();
    QLayout* BuildMapColumn();
    // Reads `path` anew, the status line saying `status`.
    void StartReading(const std::string& path, const QString& status);
    // The table's columns hidden or shown as chosen; the map's choice of columns with them.
    void ApplyShownColumns();
    void FillMapColumnChoice();
    void ApplyFilter();
    // Every row shown again, the filter's controls emptied.
    void ResetFilter();
    void RedrawMap();
    void ShowCounts();
    void ShowProgress(const EventProgress& progress);
    void ShowStatus(const EventProgress& progress);
    void SelectRecord(std::size_t record);
    // The record (arrival index) of the table's current row.
    std::optional<std::size_t> CurrentRecord() const;
    std::string ExportBaseName() const;
    std::unique_ptr<RecordFileSource> SourceOf(const EventRecord& record, std::string& failure) const;

    Platform& platform_;
    std::optional<std::string> inventoryChoice_;  // StationXML chosen for miniSEED, kept for the session
    const StationDirectory& directory_;
    EventTableModel* model_ = nullptr;
    QTimer* timer_ = nullptr;
    std::unique_ptr<EventReading> reading_;
    std::vector<EventRecord> records_;  // in arrival order, as the table's rows
    bool finished_ = true;
    bool placed_ = false;
    bool mapBehind_ = false;  // rows came that the map does not show yet
    QElapsedTimer mapClock_;  // since the map was last drawn while filling
    std::string header_;
    std::set<EventColumn> shownColumns_;
    std::optional<EventColumn> mapColumn_;
    std::jthread coastlineReader_;  // reads the shoreline file before the first map needs it
};

}  // namespace tremblo
