#include "tools/windows/hrsm_list.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "common/format.h"
#include "common/shift_jis.h"
#include "plot/windows/window_look.h"
#include "stations/station_directory.h"

namespace tremblo {

namespace {

constexpr int kRowHeight = 20;
constexpr int kColumnWidths[] = {31, 48, 196, 248, 55, 54};

QString U(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

THRSMList::THRSMList(const StationDirectory& directory, QWidget* parent)
    : QWidget(parent, Qt::Window), directory_(directory) {
    setWindowTitle(tr("広島市地震情報ネットワークシステム　"));
    ApplyWindowLook(*this, QColor(226, 234, 244), Qt::black);
    Label1 = new QLabel(tr("広島市地震情報ネットワークシステム　観測点リスト"), this);
    Label1->setFont(ProgramFont(19));
    Label1->setStyleSheet("color: navy;");
    Label1->setGeometry(16, 8, 600, 28);

    StringGrid1 = new QTableWidget(0, 6, this);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The columns keep their widths; an 11-pixel face keeps "%7.3f" whole in them.
    StringGrid1->setFont(ProgramFont(11, false));
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The title row.
    StringGrid1->setHorizontalHeaderLabels({" No", tr("コード"), tr("　　観測点名称"),
                                            tr("　　　　観測点所在地"), tr("　経度"),
                                            tr("　緯度")});
    for (int c = 0; c < 6; ++c) StringGrid1->setColumnWidth(c, kColumnWidths[c]);
    Button1 = new QPushButton(tr("閉じる"), this);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

// The grid is sized to the stations (title and one row each), so none is hidden.
void THRSMList::Fill() {
    const int count = directory_.hiroshimaStationCount;
    StringGrid1->clearContents();
    StringGrid1->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const StationRow& s = directory_.hiroshimaStations[static_cast<std::size_t>(i)];
        const std::string cells[] = {StringPrintf(" %d", i + 1), SjisToUtf8(s.code.view()), SjisToUtf8(s.name.view()),
                                     SjisToUtf8(s.location.view()), StringPrintf("%7.3f", static_cast<double>(s.longitude)),
                                     StringPrintf("%7.3f", static_cast<double>(s.latitude))};
        for (int c = 0; c < 6; ++c) StringGrid1->setItem(i, c, new QTableWidgetItem(U(cells[c])));
    }
    int width = 2 * StringGrid1->frameWidth() + StringGrid1->verticalScrollBar()->sizeHint().width();
    for (int w : kColumnWidths) width += w;
    const int height = 2 * StringGrid1->frameWidth() + kRowHeight * (count + 1);
    StringGrid1->setGeometry(16, 44, width, height);
    Button1->setGeometry(16 + width - 75, 56 + height, 75, 25);
    setFixedSize(width + 32, height + 96);
}

}  // namespace tremblo
