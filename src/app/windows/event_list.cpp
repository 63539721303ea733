#include "app/windows/event_list.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "common/atomic_file.h"
#include "event/coastline.h"
#include "plot/png_writer.h"
#include "plot/windows/widget_place.h"
#include "plot/windows/window_look.h"
#include "input/archive_members.h"
#include "input/gzip_file_source.h"
#include "input/member_file_source.h"

namespace tremblo {

namespace {

constexpr int kPollMilliseconds = 100;
constexpr int kMapMilliseconds = 400;

QString Caption() { return QCoreApplication::translate("tremblo::TEventList", "イベント一覧"); }

// The network filter's items: all networks, then one each (captions in the
// window's context, translated where shown).
const std::vector<std::pair<const char*, std::set<Network>>>& NetworkChoices() {
    static const std::vector<std::pair<const char*, std::set<Network>>> choices{
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "すべての観測網"), {}},
        {"K-NET", {Network::Knet}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "KiK-net 地表"), {Network::KikSurface}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "KiK-net 地中"), {Network::KikBorehole}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "KiK-net 地表と地中"), {Network::KikSurface, Network::KikBorehole}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "広島市"), {Network::Hiroshima}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "中央防災会議"), {Network::Cdpc}},
        {QT_TRANSLATE_NOOP("tremblo::TEventList", "海外機関などの形式"),
         {Network::Peer, Network::Cosmos, Network::Csmip, Network::Smc, Network::Esm, Network::GeoNet}},
        {"K-NET CSV", {Network::KnetCsv}}};
    return choices;
}

// Enter on the table opens the current row's record, as a double-click does.
class EventGrid : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void()> activated;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && activated) {
            activated();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

}  // namespace

TEventList::TEventList(Platform& platform, const StationDirectory& directory, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), directory_(directory), header_(EventSummaryHeader()) {
    setWindowTitle(Caption());
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    resize(1320, 700);
    setMinimumSize(900, 600);
    model_ = new EventTableModel(this);
    BuildControls();
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

void TEventList::BuildControls() {
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(tr("絞り込み"), this));
    EdFilter = new QLineEdit(this);
    EdFilter->setPlaceholderText(tr("観測点コード・名称の先頭"));
    EdFilter->setClearButtonEnabled(true);
    EdFilter->setFont(ProgramFont(13, false));
    filterRow->addWidget(EdFilter, 1);
    CBNetwork = new QComboBox(this);
    for (const auto& [caption, networks] : NetworkChoices()) CBNetwork->addItem(tr(caption));
    filterRow->addWidget(CBNetwork);
    LabelCount = new QLabel(this);
    filterRow->addWidget(LabelCount);
    connect(EdFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(CBNetwork, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });

    auto* grid = new EventGrid(this);
    Grid = grid;
    Grid->setModel(model_);
    Grid->setFont(ProgramFont(12, false));
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows come in the order of the records until a column header is clicked.
    Grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    Grid->setSortingEnabled(true);
    Grid->horizontalHeader()->setFont(ProgramFont(12));
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->setAlternatingRowColors(true);
    const int widths[] = {64, 110, 112, 90, 64, 64, 72, 76, 90, 90, 90, 90, 90, 400};
    for (int c = 0; c < static_cast<int>(std::size(widths)); ++c) Grid->setColumnWidth(c, widths[c]);
    grid->activated = [this] { OpenCurrentRecord(); };
    connect(Grid, &QTableView::doubleClicked, this, [this] { OpenCurrentRecord(); });
    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { Map->Select(CurrentRecord()); });

    Map = new StationMapView(this);
    Map->stationClicked = [this](std::size_t record) { SelectRecord(record); };

    auto* middle = new QHBoxLayout;
    middle->addWidget(Grid, 1);
    middle->addWidget(Map, 0, Qt::AlignTop);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(true);
    LabelStatus = new QLabel(this);
    LabelStatus->setWordWrap(true);
    BtnStop = new QPushButton(tr("中　止"), this);
    BtnStop->setToolTip(tr("記録の読み込みを止めます（読み込んだ行は残ります）"));
    BtnStop->setEnabled(false);
    BtnOpen = new QPushButton(tr("波形表示"), this);
    BtnOpen->setToolTip(tr("選んだ記録をメイン画面で開きます（ダブルクリック・Enterでも開きます）"));
    BtnCsv = new QPushButton(tr("CSVﾌｧｲﾙ"), this);
    BtnCsv->setToolTip(tr("表をCSVファイルに保存します（tremblo-batch --summary と同じ形式）"));
    BtnPng = new QPushButton(tr("PNGﾌｧｲﾙ"), this);
    BtnPng->setToolTip(tr("地図をPNGファイルに保存します"));
    BtnClose = new QPushButton(tr("閉じる"), this);
    for (QPushButton* button : {BtnStop, BtnOpen, BtnCsv, BtnPng, BtnClose}) button->setMinimumSize(88, 25);
    connect(BtnStop, &QPushButton::clicked, this, [this] { BtnStopClick(); });
    connect(BtnOpen, &QPushButton::clicked, this, [this] { OpenCurrentRecord(); });
    connect(BtnCsv, &QPushButton::clicked, this, [this] { BtnCsvClick(); });
    connect(BtnPng, &QPushButton::clicked, this, [this] { BtnPngClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { close(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ProgressBar1, 1);
    for (QPushButton* button : {BtnStop, BtnOpen, BtnCsv, BtnPng, BtnClose}) bottom->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addLayout(middle, 1);
    layout->addWidget(LabelStatus);
    layout->addLayout(bottom);
}

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
    timer_->stop();
    reading_.reset();  // stops the earlier reading and waits for it
    records_.clear();
    model_->Clear();
    finished_ = false;
    mapBehind_ = false;
    mapClock_.invalidate();
    setWindowTitle(Caption() + " - " + QString::fromStdString(path));
    LabelStatus->setText(tr("読み込み中: %1").arg(QString::fromStdString(path)));
    ProgressBar1->setRange(0, 0);
    BtnStop->setEnabled(true);
    reading_ = std::make_unique<EventReading>(path, directory_);
    timer_->start();
    ShowCounts();
    RedrawMap();
    show();
    raise();
    activateWindow();
    return true;
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

void TEventList::ShowProgress(const EventProgress& progress) {
    if (!progress.finished) {
        // The input is read a few records ahead of their processing: the
        // share of the bytes read, times the share of the records read that
        // are done.
        double share = progress.fraction;
        if (progress.expected > 0)
            share *= static_cast<double>(progress.done) / static_cast<double>(progress.expected);
        ProgressBar1->setRange(0, 1000);
        ProgressBar1->setValue(static_cast<int>(share * 1000.0));
        return;
    }
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(progress.stopped ? 0 : 1);
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
    MoveToScreenCentre(*this);
}

void TEventList::closeEvent(QCloseEvent* event) {
    // Closing the window stops the reading; what was read stays in the table.
    if (reading()) BtnStopClick();
    event->accept();
}

// ---- Table, filter and map ---------------------------------------------------

void TEventList::ApplyFilter() {
    const int choice = std::max(0, CBNetwork->currentIndex());
    model_->SetFilter(EdFilter->text().trimmed().toStdString(),
                      NetworkChoices()[static_cast<std::size_t>(choice)].second);
    ShowCounts();
    RedrawMap();
}

void TEventList::ShowCounts() {
    const EventTable& table = model_->table();
    LabelCount->setText(tr("表示 %1 / 読込 %2 / 失敗 %3").arg(table.shownCount()).arg(table.readCount()).arg(table.failedCount()));
}

std::optional<std::size_t> TEventList::CurrentRecord() const {
    const QModelIndex current = Grid->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return model_->RecordAt(current.row());
}

void TEventList::RedrawMap() { Map->Show(MapPointsOf(model_->table()), CurrentRecord()); }

void TEventList::SelectRecord(std::size_t record) {
    const std::optional<int> row = model_->RowOf(record);
    if (!row) return;
    Grid->setCurrentIndex(model_->index(*row, 0));
    Grid->scrollTo(model_->index(*row, 0));
}

// ---- Opening a record -------------------------------------------------------

std::unique_ptr<RecordFileSource> TEventList::SourceOf(const EventRecord& record, std::string& failure) const {
    switch (record.origin) {
    case RecordOrigin::PlainFiles: return nullptr;
    case RecordOrigin::GzipFiles: return std::make_unique<GzipFileSource>();
    case RecordOrigin::Archive: {
        Result<std::vector<ArchiveMember>> members = ReadArchiveMembers(record.archive, record.memberNames);
        if (!members) {
            failure = members.error().message;
            return nullptr;
        }
        return std::make_unique<MemberFileSource>(record.archive, std::move(members.value()));
    }
    }
    return nullptr;
}

void TEventList::OpenCurrentRecord() {
    const std::optional<std::size_t> current = CurrentRecord();
    if (!current || !openRecord) return;
    const EventRecord& record = records_[*current];
    if (record.failed && record.loadPath.empty()) return;  // an archive that could not be read on
    std::string failure;
    platform_.ShowWait(Std(tr("記録を読み込み中...")));
    const std::unique_ptr<RecordFileSource> source = SourceOf(record, failure);
    platform_.CloseWait();
    if (!failure.empty()) {
        platform_.ShowMessage(Std(tr("%1 を読めません\n%2").arg(QString::fromStdString(record.file), QString::fromStdString(failure))),
                              Std(Caption()), MessageStyle::Warning);
        return;
    }
    openRecord(record.loadPath, record.format, source.get());
}

// ---- Exports ------------------------------------------------------------------

std::string TEventList::ExportBaseName() const {
    if (!reading_) return "event";
    std::string name = std::filesystem::path(reading_->path()).filename().string();
    if (name.empty()) name = std::filesystem::path(reading_->path()).parent_path().filename().string();
    const std::size_t dot = name.find('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

void TEventList::BtnCsvClick() {
    const std::optional<std::string> path = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.csv)|*.csv")), ".", ExportBaseName() + "_summary.csv", "csv"});
    if (!path) return;
    if (!WriteFileAtomically(*path, model_->table().SummaryCsv(header_))) ReportCannotCreate(platform_, *path);
}

void TEventList::BtnPngClick() {
    const std::optional<std::string> path = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ(*.png)|*.png")), ".", ExportBaseName() + "_map.png", "png"});
    if (!path) return;
    const PngWriteResult written = WritePngFile(*path, Map->ExportPicture());
    if (!written.ok) ReportCannotCreate(platform_, *path);
}

}  // namespace tremblo
