#include "app/windows/event_list.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/windows/event_list_settings.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "event/coastline.h"
#include "record/inventory_finder.h"
#include "plot/windows/widget_place.h"
#include "plot/windows/window_look.h"
#include "plot/windows/window_placement.h"

namespace tremblo {

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kMapMilliseconds = 400;
constexpr int kProgressSteps = 1000;

QString Caption() { return QCoreApplication::translate("tremblo::TEventList", "イベント一覧"); }

}  // namespace

TEventList::TEventList(Platform& platform, const StationDirectory& directory, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(platform),
      directory_(directory),
      header_(EventSummaryHeader()),
      shownColumns_(LoadShownEventColumns()),
      mapColumn_(LoadMapColumn()) {
    setWindowTitle(Caption());
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    model_ = new EventTableModel(this);
    BuildControls();
    ApplyShownColumns();
    // The size as designed; a smaller screen gets the window shrunk to it
    // (CentreOnScreen), the table and the map giving way.
    resize(1320, 700);
    timer_ = new QTimer(this);
    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { Poll(); });
    ShowCounts();
    RedrawMap();
    // The shoreline file takes some 30 ms to read: not on the window's thread
    // while a table fills.
    coastlineReader_ = std::jthread([] { InstalledCoastline(); });
}

TEventList::~TEventList() = default;

// ---- Reading ---------------------------------------------------------------

void TEventList::OpenEventFileClick() {
    const std::optional<std::string> path = platform_.AskOpenFile(
        Std(tr("イベント(*.tar;*.tar.gz;*.tgz;*.txt;*.lst)|*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tar.xz;*.tar.zst;*.txt;*.lst|"
               "すべて(*.*)|*.*")));
    if (path) OpenEvent(*path);
}

void TEventList::OpenEventFolderClick() {
    const std::optional<std::string> path = platform_.AskOpenFolder();
    if (path) OpenEvent(*path);
}

bool TEventList::OpenEvent(const std::string& path) {
    if (reading() && platform_.ShowMessage(Std(tr("読み込み中のイベントを中止して、新しいイベントを開きますか？")),
                                           Std(Caption()), MessageStyle::QuestionYesNo) != MessageAnswer::Yes)
        return false;
    ResetFilter();  // a new event shows all its rows
    // miniSEED files without their StationXML beside them: one chosen once.
    if (!inventoryChoice_ && NeedsInventoryChoice(path))
        inventoryChoice_ = platform_.AskOpenFile(TrText("record", kStationXmlFileFilter));
    StartReading(path, tr("読み込み中: %1").arg(QString::fromStdString(path)));
    const bool first = !placed_;
    if (first) {
        placed_ = true;
        CentreOnScreen(*this);
    }
    show();
    if (first) RefitOnceFramed(*this);
    raise();
    activateWindow();
    return true;
}

void TEventList::StartReading(const std::string& path, const QString& status) {
    timer_->stop();
    reading_.reset();  // stops the earlier reading and waits for it
    records_.clear();
    model_->Clear();
    ApplyShownColumns();  // the header's sections as chosen, whatever the reset did to them
    finished_ = false;
    mapBehind_ = false;
    mapClock_.invalidate();
    setWindowTitle(Caption() + " - " + QString::fromStdString(path));
    LabelStatus->setText(status);
    ProgressBar1->setRange(0, 0);
    ProgressBar1->setFormat(QStringLiteral("%p%"));
    BtnStop->setEnabled(true);
    // The measures cost time: computed only while a measure column is shown.
    const bool withMeasures = NeedsMeasures(shownColumns_);
    header_ = EventSummaryHeader(withMeasures);
    std::vector<std::string> inventory;
    if (inventoryChoice_) inventory.push_back(*inventoryChoice_);
    reading_ = std::make_unique<EventReading>(path, directory_, 0, withMeasures, inventory);
    timer_->start();
    ShowCounts();
    RedrawMap();
}

void TEventList::Poll() {
    if (!reading_) return;
    // The progress first: rows given before it was read are taken below.
    const EventProgress progress = reading_->progress();
    std::vector<EventRecord> records = reading_->Take();
    if (!records.empty()) {
        const SummaryColumns columns(header_);
        std::vector<EventRow> rows;
        rows.reserve(records.size());
        for (EventRecord& record : records) {
            rows.push_back(ParseSummaryRow(columns, record.summaryLine));
            records_.push_back(std::move(record));
        }
        model_->AddRows(std::move(rows));
        ShowCounts();
        mapBehind_ = true;
    }
    // While the table fills, the map follows a few times a second: each
    // drawing repaints the whole picture.
    if (mapBehind_ && (progress.finished || !mapClock_.isValid() || mapClock_.elapsed() >= kMapMilliseconds)) {
        RedrawMap();
        mapBehind_ = false;
        mapClock_.start();
    }
    ShowProgress(progress);
    if (progress.finished) {  // every row came before the progress said so
        timer_->stop();
        finished_ = true;
        BtnStop->setEnabled(false);
    }
}

// The share of the work done: the input is read a few records ahead of
// their processing, so the share of the bytes read times the share of the
// records read that are done.
void TEventList::ShowProgress(const EventProgress& progress) {
    double share = progress.fraction;
    if (progress.expected > 0) share *= static_cast<double>(progress.done) / static_cast<double>(progress.expected);
    if (!progress.finished) {
        ProgressBar1->setRange(0, kProgressSteps);
        ProgressBar1->setValue(static_cast<int>(share * kProgressSteps));
        return;
    }
    if (!progress.error.empty()) {
        // Nothing could be read: an empty bar that says so.
        ProgressBar1->setRange(0, kProgressSteps);
        ProgressBar1->setValue(0);
        ProgressBar1->setFormat(tr("エラー"));
    } else if (progress.stopped) {
        // As far as the reading came before it was stopped.
        ProgressBar1->setRange(0, kProgressSteps);
        ProgressBar1->setValue(static_cast<int>(share * kProgressSteps));
        ProgressBar1->setFormat(tr("中止 %p%"));
    } else {
        ProgressBar1->setRange(0, 1);
        ProgressBar1->setValue(1);
    }
    ShowStatus(progress);
}

void TEventList::ShowStatus(const EventProgress& progress) {
    QString status;
    if (!progress.error.empty())
        status = QString::fromStdString(progress.error);
    else
        status = (progress.stopped ? tr("中止しました: %1") : tr("読み込み完了: %1"))
                     .arg(QString::fromStdString(reading_->path()));
    if (progress.skipped > 0)
        status += tr("（地震記録でないファイル %1 個を除外）").arg(progress.skipped);
    LabelStatus->setText(status);
}

void TEventList::BtnStopClick() {
    if (reading_) reading_->Stop();
    BtnStop->setEnabled(false);
}

void TEventList::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CentreOnScreen(*this);  // shown some other way than by OpenEvent
    RefitOnceFramed(*this);
}

void TEventList::closeEvent(QCloseEvent* event) {
    // Closing the window stops the reading; what was read stays in the table.
    if (reading()) BtnStopClick();
    event->accept();
}

}  // namespace tremblo
