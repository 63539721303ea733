// The intensity window: its controls, the calculation, the table and the Husid graph.
#include "app/windows/measures_window.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <new>

#include "common/shift_jis.h"
#include "pipeline/measure_values.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/widget_place.h"
#include "spectrum/windows/spectrum_window_look.h"
#include "wave/husid_drawing.h"
#include "wave/time_domain_measures.h"

namespace tremblo {

namespace {

// The graph and the table side by side within 1024 pixels.
constexpr int kGraphX = 4, kGraphY = 48;
constexpr int kTableX = kGraphX + HUSID_GRAPH_WIDTH + 6, kTableWidth = 310;
constexpr int kCellWidth = 46, kRowHeight = 20;
constexpr int kControlsY = kGraphY + HUSID_GRAPH_HEIGHT + 10;

QPushButton* AddButton(QWidget* parent, const QString& caption, const QString& hint, int x, int width) {
    auto* button = Place(new QPushButton(caption, parent), x, kControlsY + 2, width, 25);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

}  // namespace

TMeasures::TMeasures(Platform& platform, RecordSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), session_(session) {
    ApplySpectrumWindowLook(*this, tr("強震動指標"), kTableX + kTableWidth + kGraphX, kControlsY + 40);
    Label1 = Place(new QLabel(tr("強震動指標"), this), kGraphX, 8, 200, 30);
    Label1->setFont(ProgramFont(21));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: aqua; background-color: navy;");
    Label2 = Place(new QLabel(this), kGraphX + 214, 10, 700, 26);  // the station
    MyGraph1 = PlaceGraph(platform_, *this, HUSID_GRAPH_WIDTH, HUSID_GRAPH_HEIGHT, kGraphX, kGraphY, PrepareHusidGraph);
    Table = Place(new QTableWidget(this), kTableX, kGraphY, kTableWidth, HUSID_GRAPH_HEIGHT - 44);
    Table->setObjectName("Table");
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setFont(ProgramFont(11, false));
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Table->verticalHeader()->setFixedWidth(kTableWidth - 4 * kCellWidth - 2 * Table->frameWidth());
    Table->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    Table->horizontalHeader()->setStretchLastSection(false);
    Label3 = Place(new QLabel(this), kTableX, kGraphY + HUSID_GRAPH_HEIGHT - 40, kTableWidth, 40);  // why cells are empty
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BuildControls();
    ShowTable();
    EnableExports();
}

TMeasures::~TMeasures() = default;

void TMeasures::BuildControls() {
    auto* label = Place(new QLabel(tr("ブラケット継続時間のしきい値 (g)"), this), kGraphX, kControlsY + 4, 204, 20);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EditThreshold = Place(new QDoubleSpinBox(this), kGraphX + 210, kControlsY + 2, 70, 25);
    EditThreshold->setDecimals(3);
    EditThreshold->setRange(0.001, 2.0);
    EditThreshold->setSingleStep(0.01);
    EditThreshold->setValue(DEFAULT_BRACKET_THRESHOLD_G);
    int x = kGraphX + 290;
    BtnCalc = AddButton(this, tr("計　算"), {}, x, 75);
    connect(BtnCalc, &QPushButton::clicked, this, [this] { BtnCalcClick(); });
    BtnCopy = AddButton(this, tr("コピー"), tr("表をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), x += 100, 75);
    connect(BtnCopy, &QPushButton::clicked, this, [this] { BtnCopyClick(); });
    BtnTableCsv = AddButton(this, tr("表CSV"), tr("表をCSVﾌｧｲﾙで保存"), x += 83, 75);
    connect(BtnTableCsv, &QPushButton::clicked, this, [this] { BtnTableCsvClick(); });
    BtnHusidCsv = AddButton(this, tr("Husid CSV"), tr("HusidプロットをCSVﾌｧｲﾙで保存"), x += 83, 85);
    connect(BtnHusidCsv, &QPushButton::clicked, this, [this] { BtnHusidCsvClick(); });
    BtnHusidPng = AddButton(this, tr("Husid PNG"), tr("HusidプロットをPNGﾌｧｲﾙで保存"), x += 93, 85);
    connect(BtnHusidPng, &QPushButton::clicked, this, [this] { BtnHusidPngClick(); });
    Button1 = AddButton(this, tr("閉じる"), {}, kTableX + kTableWidth - 75, 75);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

RecordMeasureSettings TMeasures::ReadSettings() const {
    // The batch's settings: the window's values are the summary's.
    return BatchMeasureSettings(EditThreshold->value());
}

void TMeasures::BtnCalcClick() {
    const SeismicRecord& record = session_.record();
    measures_.reset();
    curves_.clear();
    if (record.recordLoaded) {
        platform_.ShowWait(Std(tr("強震動指標を計算しています・・・・")));
        try {
            measures_ = ComputeRecordMeasures(record, ReadSettings());
            curves_ = RecordHusidCurves(record);
        } catch (const std::bad_alloc&) {
            measures_.reset();
            curves_.clear();
        }
        platform_.CloseWait();
        if (!measures_)
            platform_.ShowMessage(Std(tr("強震動指標の計算に必要なメモリが足りません")), Std(tr("メモリ不足")),
                                  MessageStyle::Warning);
    }
    ShowTable();
    Redraw();
    EnableExports();
}

void TMeasures::UpdateAfterLoad() {
    measures_.reset();
    curves_.clear();
    ShowTable();
    Redraw();
    EnableExports();
}

std::vector<std::string> TMeasures::ColumnTitles() const {
    std::vector<std::string> titles;
    const SeismicRecord& record = session_.record();
    const int count = measures_ ? MeasureTableOf(*measures_).componentCount : 0;
    for (int c = 0; c < count; ++c)
        titles.push_back(SjisToUtf8(record.componentLabel[static_cast<std::size_t>(c)].view()));
    titles.push_back(Std(tr("水平動")));
    return titles;
}

std::vector<std::string> TMeasures::RowTitles() const {
    const QString threshold = QString::number(measures_ ? measures_->bracketThresholdG : EditThreshold->value(), 'g', 4);
    const std::pair<const char*, QString> titles[] = {
        {"arias", tr("アリアス強度 (m/s)")},
        {"d5_75", "D5-75 (s)"},
        {"d5_95", "D5-95 (s)"},
        {"cav", "CAV (cm/s)"},
        {"cav5", "CAV5 (cm/s)"},
        {"cavstd", "CAVstd (cm/s)"},
        {"bracketed", tr("ブラケット %1 g (s)").arg(threshold)},
        {"housner_si", tr("ハウスナーSI (cm)")},
        {"si", tr("SI値 (kine)")},
        {"pga_rotd50", "PGA RotD50 (gal)"},
        {"pga_rotd100", "PGA RotD100 (gal)"},
        {"pgv_rotd50", "PGV RotD50 (kine)"},
        {"pgv_rotd100", "PGV RotD100 (kine)"},
        {"pgd_rotd50", "PGD RotD50 (cm)"},
        {"pgd_rotd100", "PGD RotD100 (cm)"}};
    std::vector<std::string> rows;
    for (const std::string& name : MeasureTableRowNames()) {
        QString title = QString::fromStdString(name);
        for (const auto& [key, text] : titles)
            if (name == key) title = text;
        rows.push_back(Std(title));
    }
    return rows;
}

void TMeasures::ShowTable() {
    const MeasureTable table = measures_ ? MeasureTableOf(*measures_) : MeasureTable{};
    const std::vector<std::string> columns = ColumnTitles(), rows = RowTitles();
    Table->clear();
    Table->setColumnCount(static_cast<int>(columns.size()));
    Table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t c = 0; c < columns.size(); ++c)
        Table->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(columns[c])));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Table->setVerticalHeaderItem(static_cast<int>(r), new QTableWidgetItem(QString::fromStdString(rows[r])));
        if (r >= table.rows.size()) continue;
        for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(MeasureCellText(table.rows[r].cells[c])));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    std::string notes;
    if (measures_)
        for (const std::string* problem : {&measures_->spectrumProblem, &measures_->horizontalProblem})
            if (!problem->empty()) notes += (notes.empty() ? "" : "\n") + *problem;
    Label3->setText(QString::fromStdString(notes));
    const StationRow& station = session_.record().currentStation;
    Label2->setText(measures_ ? QString::fromStdString(SjisToUtf8(station.code.view()) + "  " +
                                                       SjisToUtf8(station.name.view()))
                              : QString());
}

void TMeasures::Redraw() {
    PrepareHusidGraph(MyGraph1->graph());
    if (measures_) DrawHusidCurves(MyGraph1->graph(), session_.record(), curves_);
    MyGraph1->update();
}

void TMeasures::EnableExports() {
    for (QPushButton* button : {BtnCopy, BtnTableCsv, BtnHusidCsv, BtnHusidPng}) button->setEnabled(measures_.has_value());
}

}  // namespace tremblo
