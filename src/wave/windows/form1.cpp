#include "wave/windows/form1.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "record/station_file_copy.h"
#include "record/windows/record_info_panel.h"

namespace tremblo {

namespace {
const QColor kBackground(177, 226, 199);
constexpr int kPlotWidth = 593, kPlotHeight = 409;
}  // namespace

TForm1::TForm1(Platform& platform, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent), platform_(platform), directory_(std::make_unique<StationDirectory>()) {
    setWindowTitle(QString::fromUtf8(" K-NET / KiK-net 観測波形解析  TREMBLO Ver 4.2"));
    setFixedSize(860, 607);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    BuildMenu();
    BuildPanel();
    MyWave1 = new QLabel(central);
    MyWave1->setObjectName("MyWave1");
    MyWave1->setGeometry(12, 48 - menuBar()->sizeHint().height(), kPlotWidth, kPlotHeight);
    info_ = new RecordInfoPanel(central);
    info_->setGeometry(12, 462 - menuBar()->sizeHint().height(), 600, 80);

    session_ = std::make_unique<RecordSession>(platform_, *directory_);
    info_->Show(session_->labels());
    ShowStartUpHints();
    LoadStationDirectory(dataFolder, *directory_, platform_);
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("ファイル(&F)"));
    QAction* open = file->addAction(QString::fromUtf8("開く(&F)"));
    connect(open, &QAction::triggered, this, [this] { N10Click(); });
    N8 = file->addAction(QString::fromUtf8("（記号→地点名）ファイル作成"));
    N8->setEnabled(false);
    connect(N8, &QAction::triggered, this, [this] { N8Click(); });

    QMenu* format = menuBar()->addMenu(QString::fromUtf8("ファイル形式選択(&S)"));
    auto* group = new QActionGroup(this);
    const auto add = [&](const char* text, RecordFormat f) {
        QAction* item = format->addAction(QString::fromUtf8(text));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, f] { ChooseFormat(f); });
        return item;
    };
    KNET = add("K-NET/KiK-netファイル", RecordFormat::Knet);
    Hiroshima = add("広島市消防局ファイル", RecordFormat::Hiroshima);
    BOSAI = add("中央防災会議ファイル", RecordFormat::Cdpc);
    KNET->setChecked(true);
}

void TForm1::BuildPanel() {
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName("Panel1");
    panel->setGeometry(616, 28 - menuBar()->sizeHint().height(), 201, 501);
    CB3Compo = new QCheckBox(QString::fromUtf8("3成分読込"), panel);
    CB3Compo->setGeometry(104, 8, 95, 17);
    CB3Compo->setChecked(true);
    BtnFile = new QPushButton(QString::fromUtf8("ファイル"), panel);
    BtnFile->setGeometry(16, 32, 75, 25);
    connect(BtnFile, &QPushButton::clicked, this, [this] { BtnFileClick(); });
    BtnWave = new QPushButton(QString::fromUtf8(" 波形表示"), panel);
    BtnWave->setGeometry(104, 32, 75, 25);
    BtnWave->setToolTip(QString::fromUtf8("地震波形表示"));
    BtnWave->setEnabled(false);
    CBDC = new QCheckBox(QString::fromUtf8("DC除去"), panel);
    CBDC->setGeometry(16, 404, 73, 17);
    CBDC->setChecked(true);
    BtnSpect = new QPushButton(QString::fromUtf8("応答ｽﾍﾟｸﾄﾗﾑ"), panel);
    BtnSpect->setGeometry(16, 64, 90, 25);
    BtnSpect->setEnabled(false);
}

void TForm1::ShowStartUpHints() {
    QPixmap picture(kPlotWidth, kPlotHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font());
    const char* hints[] = {"ファイルボタンをクリックしてファイルを指定してください",
                           "中央防災会議ファイル",
                           "広島市地震情報ネットワークシステムのファイルはメニューバーの",
                           "「ファイル」でファイル形式を選択してください"};
    const int ys[] = {150, 200, 220, 240};
    for (int i = 0; i < 4; ++i)
        painter.drawText(150, ys[i] + painter.fontMetrics().ascent(), QString::fromUtf8(hints[i]));
    MyWave1->setPixmap(picture);
}

RecordFormat TForm1::chosenFormat() const {
    if (Hiroshima->isChecked()) return RecordFormat::Hiroshima;
    if (BOSAI->isChecked()) return RecordFormat::Cdpc;
    return RecordFormat::Knet;
}

void TForm1::ChooseFormat(RecordFormat format) {
    KNET->setChecked(format == RecordFormat::Knet);
    Hiroshima->setChecked(format == RecordFormat::Hiroshima);
    BOSAI->setChecked(format == RecordFormat::Cdpc);
    session_->setFileLabel(FileFormatLabel(format));
    info_->Show(session_->labels());
}

LoadSettings TForm1::CurrentLoadSettings() const {
    return LoadSettings{chosenFormat(), CB3Compo->isChecked(), CBDC->isChecked()};
}

void TForm1::BtnFileClick() { FinishLoad(session_->OpenWithDialog(CurrentLoadSettings())); }

LoadStatus TForm1::OpenRecordFile(const std::string& path) {
    const LoadStatus status = session_->LoadPath(path, CurrentLoadSettings());
    FinishLoad(status);
    return status;
}

void TForm1::FinishLoad(LoadStatus status) {
    if (status == LoadStatus::Loaded) UpdateAfterLoad();
}

void TForm1::UpdateAfterLoad() {
    info_->Show(session_->labels());
    BtnWave->setEnabled(true);
    N8->setEnabled(session_->stationFileCopyAvailable());
}

void TForm1::N8Click() { CreateStationNameFiles(*session_, platform_); }

}  // namespace tremblo
