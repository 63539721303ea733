// The event window's controls: the filter row, the table beside the map, the
// status and the buttons; the filter and what follows it (counts, map).
#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "app/windows/event_list.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "plot/windows/window_look.h"

namespace tremblo {

namespace {

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

// The largest count the count line makes room for.
constexpr int kWidestCount = 999999;

}  // namespace

QLayout* TEventList::BuildFilterRow() {
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
    // The count line keeps one width whatever its numbers, so that the
    // filter's controls stay where they are while the table fills.
    LabelCount = new QLabel(this);
    const QString widest = tr("表示 %1 / 読込 %2 / 失敗 %3").arg(kWidestCount).arg(kWidestCount).arg(kWidestCount);
    LabelCount->setFixedWidth(QFontMetrics(LabelCount->font()).horizontalAdvance(widest) + 8);
    filterRow->addWidget(LabelCount);
    BtnColumns = new QPushButton(tr("列..."), this);
    BtnColumns->setToolTip(tr("表示する列を選びます（表の見出しの右クリックでも選べます）"));
    filterRow->addWidget(BtnColumns);
    connect(BtnColumns, &QPushButton::clicked, this, [this] { ChooseColumnsClick(); });
    connect(EdFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(CBNetwork, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
    return filterRow;
}

QLayout* TEventList::BuildButtonRow() {
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setMinimumWidth(120);
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
    return bottom;
}

void TEventList::BuildControls() {
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
    Grid->setMinimumSize(240, 120);
    const int widths[] = {64, 110, 112, 90, 64, 64, 72, 76, 90, 90, 90, 90, 90, 400};
    // Measure columns: wide enough for their captions ("アリアス強度 NS [m/s]").
    for (int c = 0; c < model_->columnCount(); ++c)
        Grid->setColumnWidth(c, c < static_cast<int>(std::size(widths))
                                    ? widths[c]
                                    : std::max(110, Grid->horizontalHeader()->sectionSizeHint(c)));
    Grid->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Grid->horizontalHeader(), &QHeaderView::customContextMenuRequested, this, [this] { ChooseColumnsClick(); });
    grid->activated = [this] { OpenCurrentRecord(); };
    connect(Grid, &QTableView::doubleClicked, this, [this] { OpenCurrentRecord(); });
    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { Map->Select(CurrentRecord()); });

    Map = new StationMapView(this);
    Map->stationClicked = [this](std::size_t record) { SelectRecord(record); };

    // On a small screen the table and the map give way, never the buttons.
    auto* mapSide = new QVBoxLayout;
    mapSide->addLayout(BuildMapColumn());
    mapSide->addWidget(Map, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Grid, 3);
    middle->addLayout(mapSide, 2);

    LabelStatus = new QLabel(this);
    LabelStatus->setWordWrap(true);
    // A long path wraps or is cut: it never widens the window.
    LabelStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFilterRow());
    layout->addLayout(middle, 1);
    layout->addWidget(LabelStatus);
    layout->addLayout(BuildButtonRow());
}

// ---- Table, filter and map ---------------------------------------------------

void TEventList::ApplyFilter() {
    const int choice = std::max(0, CBNetwork->currentIndex());
    model_->SetFilter(EdFilter->text().trimmed().toStdString(),
                      NetworkChoices()[static_cast<std::size_t>(choice)].second);
    ShowCounts();
    RedrawMap();
}

void TEventList::ResetFilter() {
    {
        const QSignalBlocker quietText(EdFilter);
        const QSignalBlocker quietNetwork(CBNetwork);
        EdFilter->clear();
        CBNetwork->setCurrentIndex(0);
    }
    model_->SetFilter({}, {});
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

void TEventList::RedrawMap() { Map->Show(MapPointsOf(model_->table(), mapColumn_), CurrentRecord()); }

void TEventList::SelectRecord(std::size_t record) {
    const std::optional<int> row = model_->RowOf(record);
    if (!row) return;
    Grid->setCurrentIndex(model_->index(*row, 0));
    Grid->scrollTo(model_->index(*row, 0));
}

}  // namespace tremblo
