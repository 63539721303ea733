#include "tools/windows/site_list.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>
#include <tuple>

#include "common/format.h"
#include "common/platform.h"
#include "plot/windows/window_look.h"
#include "stations/station_directory.h"
#include "stations/station_file.h"
#include "plot/windows/widget_place.h"

namespace tremblo {

namespace {

// The window's size as designed; on a smaller screen the grids give way, and
// below the smallest size the controls fit in, the page scrolls.
constexpr int kDesignedWidth = 1448, kDesignedHeight = 640;
constexpr int kGridMinimumWidth = 340, kGridMinimumHeight = 160;

QTableWidget* MakeGrid(QWidget* parent, std::initializer_list<int> widths) {
    auto* grid = new QTableWidget(0, static_cast<int>(widths.size()), parent);
    grid->setMinimumSize(kGridMinimumWidth, kGridMinimumHeight);
    // The columns start at the widths of the program's grids, in an 11-pixel
    // face; the header lets the user widen a column whose texts are longer
    // (imported names), and a cell's tooltip shows its whole text.
    grid->setFont(ProgramFont(11, false));
    grid->setTextElideMode(Qt::ElideNone);
    QStringList titles;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) titles << QCoreApplication::translate("stations", StationListColumnName(c));
    grid->setHorizontalHeaderLabels(titles);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setFixedHeight(20);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    int column = 0;
    for (int width : widths) grid->setColumnWidth(column++, width);
    return grid;
}

void Fill(QTableWidget& grid, const std::vector<StationListRow>& rows) {
    const QSignalBlocker quiet(grid);  // filling is no edit
    grid.clearContents();
    grid.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 5; ++c) {
            const QString text = QString::fromStdString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text.trimmed());
            grid.setItem(r, c, item);
        }
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
    setWindowTitle(tr("K-NET / KiK-net 観測点リスト"));
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    // The controls stand in layouts on a page in a scrolled view: the grids
    // take what room the window has, the rows of controls below them keep
    // theirs, and only a window smaller than all of them scrolls.
    auto* page = new QWidget;
    Scroll = new QScrollArea(this);
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setWidgetResizable(true);
    Scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Scroll);
    QWidget* const content = page;

    StringGrid1 = MakeGrid(content, {46, 49, 107, 313, 171});
    StringGrid2 = MakeGrid(content, {49, 58, 99, 333, 145});
    // Both grids are read-only until 編集・コピー is ticked.
    SetEditable(*StringGrid1, false);
    SetEditable(*StringGrid2, false);
    for (QTableWidget* grid : {StringGrid1, StringGrid2})
        connect(grid, &QTableWidget::itemChanged, this, [this, grid] { GridEdited(grid); });

    const auto title = [&](const char* text, const char* color) {
        auto* label = new QLabel(QString::fromUtf8(text), content);
        label->setFont(ProgramFont(19));
        label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
        label->setMinimumWidth(90);
        return label;
    };
    Label1 = title("K-NET", "red");
    Label2 = title("KiK-net", "fuchsia");
    Label3 = new QLabel(content);
    Label3->setMinimumWidth(90);
    Label4 = new QLabel(content);
    Label4->setMinimumWidth(90);

    const auto search = [&](const char* text, const char* fieldHint, const char* buttonHint) {
        auto* field = new QLineEdit(QString::fromUtf8(text), content);
        field->setFixedWidth(80);
        field->setToolTip(tr(fieldHint));
        auto* button = new QPushButton(tr("検索"), content);
        button->setMinimumSize(60, 25);
        button->setToolTip(tr(buttonHint));
        return std::pair{field, button};
    };
    std::tie(Edit1, Button2) = search("AIC001", QT_TR_NOOP("K-netコード"), QT_TR_NOOP("K-NETコード検索"));
    std::tie(Edit2, Button3) = search("ABSB01", QT_TR_NOOP("KiK-netコード"), QT_TR_NOOP("KiK-netコード検索"));
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    CBEdit2 = new QCheckBox(tr("編集・コピー"), content);
    CBEdit2->setToolTip(tr("文字編集・クリップボードへコピー"));
    connect(CBEdit2, &QCheckBox::clicked, this, [this] { CBEdit2Click(); });
    BtnSave2 = new QPushButton(tr("保存"), content);
    BtnSave2->setMinimumSize(75, 25);
    BtnSave2->setToolTip(tr("編集後保存する"));
    BtnSave2->setEnabled(false);
    connect(BtnSave2, &QPushButton::clicked, this, [this] { BtnSave2Click(); });
    Button1 = new QPushButton(tr("閉じる"), content);
    Button1->setMinimumSize(75, 25);
    Button1->setToolTip(tr("閉じる"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    // Each list: its grid, then its name, count and code search.
    const auto column = [&](QTableWidget* grid, QLabel* name, QLabel* count, QLineEdit* field, QPushButton* button) {
        auto* row = new QHBoxLayout;
        row->addWidget(name);
        row->addWidget(count);
        row->addWidget(field);
        row->addWidget(button);
        row->addStretch(1);
        auto* list = new QVBoxLayout;
        list->addWidget(grid, 1);
        list->addLayout(row);
        return list;
    };
    auto* lists = new QHBoxLayout;
    lists->addLayout(column(StringGrid1, Label1, Label3, Edit1, Button2), 1);
    lists->addLayout(column(StringGrid2, Label2, Label4, Edit2, Button3), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CBEdit2);
    buttons->addWidget(BtnSave2);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(8, 8, 8, 8);
    pageLayout->addLayout(lists, 1);
    pageLayout->addLayout(buttons);
    resize(kDesignedWidth, kDesignedHeight);
}

void TSiteList::FillAndShow() {
    // An open list keeps what is being edited; otherwise the grids show the
    // directory, or what was saved last when the list was saved.
    if (!isVisible()) {
        if (saved_) {
            Fill(*StringGrid1, savedKnet_);
            Fill(*StringGrid2, savedKiknet_);
        } else {
            Fill(*StringGrid1, StationListRows(directory_.knetStations.data(), directory_.knetStationCount));
            Fill(*StringGrid2, StationListRows(directory_.kiknetStations.data(), directory_.kiknetStationCount));
        }
        Label3->setText(tr("%1 地点").arg(StringGrid1->rowCount()));
        Label4->setText(tr("%1 地点").arg(StringGrid2->rowCount()));
        edited = editedKnet = editedKiknet = false;
        CBEdit2->setChecked(false);
        CBEdit2Click();
    }
    show();
    raise();
}

// Every change made in a grid after 編集・コピー (or after a save) is unsaved
// until the next save.
void TSiteList::GridEdited(const QTableWidget* grid) {
    edited = true;
    (grid == StringGrid1 ? editedKnet : editedKiknet) = true;
    BtnSave2->setEnabled(true);
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
    platform_.ShowMessage(Std(tr("そのような観測点コードはありません")), Std(tr("観測点コードエラー")), MessageStyle::Plain);
}

void TSiteList::CBEdit2Click() {
    const bool editing = CBEdit2->isChecked();
    if (editing) edited = true;
    SetEditable(*StringGrid1, editing);
    SetEditable(*StringGrid2, editing);
    BtnSave2->setEnabled(editing);
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
            platform_.ShowMessage(Std(tr("%1 %2 行目、%3の列: %4\n保存しませんでした")
                                          .arg(QString::fromUtf8(name), QString::number(problem->row + 1),
                                               QCoreApplication::translate("stations", StationListColumnName(problem->column)),
                                               QString::fromStdString(problem->reason))),
                                  Std(tr("観測点リスト保存")), MessageStyle::Warning);
            return;
        }
    }
    std::vector<StationListRow> rows = knet;
    rows.insert(rows.end(), kiknet.begin(), kiknet.end());
    const std::string readFolder = std::filesystem::path(directory_.siteFile).parent_path().string();
    const std::string written = SaveSiteNameFile(readFolder, SiteNameFileText(rows, directory_.lineEnd));
    if (written.empty()) {
        platform_.ShowMessage(Std(tr("K-NET/KiK-net観測点情報ファイルがありません")), Std(tr("ファイルエラー")),
                              MessageStyle::Warning);
        return;
    }
    edited = editedKnet = editedKiknet = false;
    saved_ = true;
    savedKnet_ = std::move(knet);
    savedKiknet_ = std::move(kiknet);
    BtnSave2->setEnabled(false);
    platform_.ShowMessage(Std(tr("観測点リストを %1 に保存しました").arg(QString::fromStdString(written))),
                          Std(tr("観測点リスト保存")), MessageStyle::Plain);
}

bool TSiteList::MayClose() {
    if (!edited) return true;
    // The list edited, or both when both were (or neither, after only 編集・コピー).
    const char* lists = editedKnet == editedKiknet ? "K-NET/KiK-net" : editedKnet ? "K-NET" : "KiK-net";
    return platform_.ShowMessage(Std(tr("%1観測点リストの編集結果が保存されていません。\n観測点リストを閉じますか？")
                                         .arg(QString::fromUtf8(lists))),
                                 Std(tr("観測点リストを閉じる")), MessageStyle::QuestionYesNo) == MessageAnswer::Yes;
}

bool TSiteList::MayCloseForQuit() {
    if (!isVisible()) return true;
    if (!MayClose()) return false;
    edited = editedKnet = editedKiknet = false;  // answered: closing at the end asks no second time
    return true;
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
