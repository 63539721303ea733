#include "tools/windows/site_list.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <tuple>

#include "common/format.h"
#include "common/platform.h"
#include "plot/windows/window_look.h"
#include "stations/station_file.h"
#include "plot/windows/widget_place.h"

namespace tremblo {

namespace {

QTableWidget* MakeGrid(QWidget* parent, std::initializer_list<int> widths, int x) {
    auto* grid = new QTableWidget(0, static_cast<int>(widths.size()), parent);
    grid->setGeometry(x, 8, 716, 556);
    // The columns have the widths of the program's grids; an 11-pixel face
    // keeps codes and coordinates whole in them.
    grid->setFont(ProgramFont(11, false));
    grid->setTextElideMode(Qt::ElideNone);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    int column = 0;
    for (int width : widths) grid->setColumnWidth(column++, width);
    return grid;
}

void Fill(QTableWidget& grid, const std::vector<StationListRow>& rows) {
    grid.clearContents();
    grid.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 5; ++c)
            grid.setItem(r, c, new QTableWidgetItem(QString::fromStdString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])));
}

void AppendRows(const QTableWidget& grid, std::vector<StationListRow>& rows) {
    for (int r = 0; r < grid.rowCount(); ++r) {
        StationListRow row;
        for (int c = 0; c < 5; ++c) {
            const QTableWidgetItem* item = grid.item(r, c);
            row[static_cast<std::size_t>(c)] = item != nullptr ? item->text().toStdString() : std::string();
        }
        rows.push_back(row);
    }
}

void SetEditable(QTableWidget& grid, bool editable) {
    grid.setEditTriggers(editable ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

}  // namespace

TSiteList::TSiteList(Platform& platform, const StationDirectory& directory, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), directory_(directory) {
    setWindowTitle(U("K-NET / KiK-net 観測点リスト"));
    resize(1448, 640);
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    StringGrid1 = MakeGrid(this, {46, 49, 107, 313, 171}, 8);
    StringGrid2 = MakeGrid(this, {49, 58, 99, 333, 145}, 732);
    SetEditable(*StringGrid1, false);
    SetEditable(*StringGrid2, true);

    const auto title = [&](const char* text, const char* color, int x) {
        auto* label = new QLabel(U(text), this);
        label->setFont(ProgramFont(19));
        label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
        label->setGeometry(x, 572, 90, 26);
        return label;
    };
    Label1 = title("K-NET", "red", 8);
    Label2 = title("KiK-net", "fuchsia", 732);
    Label3 = new QLabel(this);
    Label3->setGeometry(100, 576, 90, 20);
    Label4 = new QLabel(this);
    Label4->setGeometry(824, 576, 90, 20);

    const auto search = [&](const char* text, const char* fieldHint, const char* buttonHint, int x) {
        auto* field = new QLineEdit(QString::fromUtf8(text), this);
        field->setGeometry(x, 574, 80, 24);
        field->setToolTip(U(fieldHint));
        auto* button = new QPushButton(U("検索"), this);
        button->setGeometry(x + 86, 574, 60, 25);
        button->setToolTip(U(buttonHint));
        return std::pair{field, button};
    };
    std::tie(Edit1, Button2) = search("AIC001", "K-netコード", "K-NETコード検索", 200);
    std::tie(Edit2, Button3) = search("ABSB01", "KiK-netコード", "KiK-netコード検索", 924);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    CBEdit2 = new QCheckBox(U("編集・コピー"), this);
    CBEdit2->setGeometry(8, 608, 130, 22);
    CBEdit2->setToolTip(U("文字編集・クリップボードへコピー"));
    connect(CBEdit2, &QCheckBox::clicked, this, [this] { CBEdit2Click(); });
    BtnSave2 = new QPushButton(U("保存"), this);
    BtnSave2->setGeometry(146, 606, 75, 25);
    BtnSave2->setToolTip(U("編集後保存する"));
    BtnSave2->setEnabled(false);
    connect(BtnSave2, &QPushButton::clicked, this, [this] { BtnSave2Click(); });
    Button1 = new QPushButton(U("閉じる"), this);
    Button1->setGeometry(1364, 606, 75, 25);
    Button1->setToolTip(U("閉じる"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TSiteList::FillAndShow() {
    Fill(*StringGrid1, StationListRows(directory_.knetStations.data(), directory_.knetStationCount));
    Fill(*StringGrid2, StationListRows(directory_.kiknetStations.data(), directory_.kiknetStationCount));
    Label3->setText(QString::number(directory_.knetStationCount) + U(" 地点"));
    Label4->setText(QString::number(directory_.kiknetStationCount) + U(" 地点"));
    show();
    raise();
}

void TSiteList::Search(QTableWidget& grid, const QLineEdit& field) {
    const QString text = field.text().toUpper();
    for (int r = 0; r < grid.rowCount(); ++r) {
        const QTableWidgetItem* code = grid.item(r, 0);
        if (code != nullptr && code->text().startsWith(text, Qt::CaseSensitive)) {
            grid.setCurrentCell(r, 0);
            grid.scrollToItem(grid.item(r, 0), QAbstractItemView::PositionAtTop);
            return;
        }
    }
    platform_.ShowMessage("そのような観測点コードはありません", "観測点コードエラー", MessageStyle::Plain);
}

void TSiteList::CBEdit2Click() {
    edited = CBEdit2->isChecked();
    SetEditable(*StringGrid1, edited);
    SetEditable(*StringGrid2, edited);
    BtnSave2->setEnabled(edited);
}

// All five columns, through a temporary file, to the file the directory was
// read from or, when that cannot be written, to the user's data folder.
// Grids the next start would read otherwise are refused first.
void TSiteList::BtnSave2Click() {
    std::vector<StationListRow> knet, kiknet;
    AppendRows(*StringGrid1, knet);
    AppendRows(*StringGrid2, kiknet);
    for (const auto& [rows, isKnet, name] : {std::tuple{&knet, true, "K-NET"}, std::tuple{&kiknet, false, "KiK-net"}}) {
        if (const auto problem = CheckStationListRows(*rows, isKnet)) {
            platform_.ShowMessage(StringPrintf("%s %d 行目、%sの列: %s\n保存しませんでした", name, problem->row + 1,
                                               StationListColumnName(problem->column), problem->reason.c_str()),
                                  "観測点リスト保存", MessageStyle::Warning);
            return;
        }
    }
    std::vector<StationListRow> rows = knet;
    rows.insert(rows.end(), kiknet.begin(), kiknet.end());
    const std::string readFolder = std::filesystem::path(directory_.siteFile).parent_path().string();
    const std::string written = SaveSiteNameFile(readFolder, SiteNameFileText(rows, directory_.lineEnd));
    if (written.empty()) {
        platform_.ShowMessage("K-NET/KiK-net観測点情報ファイルがありません", "ファイルエラー", MessageStyle::Warning);
        return;
    }
    edited = false;
    BtnSave2->setEnabled(false);
    platform_.ShowMessage(StringPrintf("観測点リストを %s に保存しました", written.c_str()), "観測点リスト保存",
                          MessageStyle::Plain);
}

bool TSiteList::MayClose() {
    if (!edited) return true;
    return platform_.ShowMessage("KiK-net観測点リストの編集結果が保存されていません。\n観測点リストを閉じますか？",
                                 "観測点リストを閉じる", MessageStyle::QuestionYesNo) == MessageAnswer::Yes;
}

void TSiteList::Button1Click() {
    if (MayClose()) hide();
}

void TSiteList::closeEvent(QCloseEvent* event) {
    if (MayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tremblo
