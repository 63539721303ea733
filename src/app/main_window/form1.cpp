#include "app/main_window/form1.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

#include "app/language/language.h"
#include "plot/windows/clickable_label.h"
#include "plot/windows/radio_group.h"
#include "record/windows/record_info_panel.h"
#include "wave/jma_intensity.h"
#include "wave/record_filter.h"
#include "wave/waveform_drawing.h"
#include "wave/windows/wave_plot_view.h"
#include "plot/windows/window_look.h"
#include "plot/windows/widget_place.h"

namespace tremblo {

namespace {

const QColor kBackground(177, 226, 199);

}  // namespace

TForm1::TForm1(Platform& platform, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      directory_(std::make_unique<StationDirectory>()),
      workspace_(std::make_unique<DerivationWorkspace>()) {
    setWindowTitle(tr(" K-NET / KiK-net 観測波形解析  TREMBLO Ver 4.2"));
    setFixedSize(860, 607);
    setAcceptDrops(true);
    ApplyWindowLook(*this, kBackground, Qt::black);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    BuildMenu();
    // Places are given in window coordinates; the menu bar takes the top.
    const int top = menuBar()->sizeHint().height();
    auto* panel = Place(new QWidget(central), 616, 28 - top, 201, 501);
    panel->setObjectName("Panel1");
    BuildPanel(panel);
    BuildWaveControls(panel);
    BuildLinks(panel);
    MyWave1 = new WavePlotView(platform_, WAVE_PLOT_WIDTH, WAVE_PLOT_HEIGHT, central);
    MyWave1->move(12, 48 - top);
    MyWave1->setObjectName("MyWave1");
    std::vector<std::string> intensityExamples;
    for (const char* className : {"5弱", "5強", "6弱", "6強"})
        intensityExamples.push_back(JmaIntensityText(JmaIntensity{0.0, -0.0, className}));
    info_ = Place(new RecordInfoPanel(intensityExamples, central), 12, 462 - top, 600, 96);
    Button2 = Place(new QPushButton(tr("観測点リスト"), central), 616, 536 - top, 95, 25);
    Button3 = Place(new QPushButton(tr("合成波形"), central), 720, 536 - top, 95, 25);
    Button1 = Place(new QPushButton(tr("終　了"), central), 720, 566 - top, 95, 25);
    BtnFourier = Place(new QPushButton(tr("ﾌｰﾘｴｽﾍﾟｸﾄﾙ"), central), 616, 566 - top, 95, 25);
    BtnFourier->setToolTip(tr("フーリエスペクトル表示"));
    BtnFourier->setEnabled(false);
    connect(BtnFourier, &QPushButton::clicked, this, [this] {
        if (showFourier) showFourier();
    });
    Button2->setToolTip(tr("観測地点情報ﾘｽﾄ表示"));
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    // 合成波形 waits for a three-component record.
    Button3->setToolTip(tr("水平成分を合成した波形作成"));
    Button3->setEnabled(false);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    session_ = std::make_unique<RecordSession>(platform_, *directory_);
    session_->setFilterDesigner(RecordFilterDesigner());
    session_->setFileLabel(AutomaticFormatLabel());  // the menu starts at 自動判別
    info_->Show(session_->labels());
    MyWave1->ShowHints();
    LoadStationDirectory(dataFolder, *directory_, platform_);
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
    QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
    connect(file->addAction(tr("開く(&F)")), &QAction::triggered, this, [this] { N10Click(); });
    connect(file->addAction(tr("イベントを開く(&E)...")), &QAction::triggered, this, [this] {
        if (openEvent) openEvent();
    });
    connect(file->addAction(tr("イベントのフォルダを開く...")), &QAction::triggered, this, [this] {
        if (openEventFolder) openEventFolder();
    });
    // 書き出し: the record in another program's format.
    QMenu* exportMenu = file->addMenu(tr("書き出し"));
    ExportAt2 = exportMenu->addAction(tr("PEER AT2 形式 (成分ごと、単位 g)..."));
    ExportAt2->setEnabled(false);
    connect(ExportAt2, &QAction::triggered, this, [this] { ExportAt2Click(); });
    ExportSac = exportMenu->addAction(tr("SAC 形式 (成分ごと、単位 gal)..."));
    ExportSac->setEnabled(false);
    connect(ExportSac, &QAction::triggered, this, [this] { ExportSacClick(); });
    ExportMseed = exportMenu->addAction(tr("miniSEED 形式 (StationXML 付き、単位 gal)..."));
    ExportMseed->setEnabled(false);
    connect(ExportMseed, &QAction::triggered, this, [this] { ExportMseedClick(); });
    N8 = file->addAction(tr("（記号→地点名）ファイル作成"));
    N8->setEnabled(false);
    connect(N8, &QAction::triggered, this, [this] { N8Click(); });
    file->addSeparator();
    connect(file->addAction(tr("終了(&Q)")), &QAction::triggered, this, [this] { Exit1Click(); });

    QMenu* format = menuBar()->addMenu(tr("ファイル形式選択(&S)"));
    auto* group = new QActionGroup(this);
    const auto add = [&](const char* text, RecordFormat f) {
        QAction* item = format->addAction(tr(text));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, f] { ChooseFormat(f); });
        return item;
    };
    // 自動判別 reads every format the program knows, recognised from the
    // content; the three below read their format only.
    Automatic = format->addAction(tr("自動判別"));
    Automatic->setCheckable(true);
    group->addAction(Automatic);
    connect(Automatic, &QAction::triggered, this, [this] { ChooseAutomatic(); });
    format->addSeparator();
    KNET = add(QT_TR_NOOP("K-NET/KiK-netファイル"), RecordFormat::Knet);
    Hiroshima = add(QT_TR_NOOP("広島市消防局ファイル"), RecordFormat::Hiroshima);
    BOSAI = add(QT_TR_NOOP("中央防災会議ファイル"), RecordFormat::Cdpc);
    Automatic->setChecked(true);

    BuildSpectrumMenu();

    // 解析: the windows of measures beside the spectra.
    QMenu* analysis = menuBar()->addMenu(tr("解析(&A)"));
    Measures1 = analysis->addAction(tr("強震動指標(&I)..."));
    Measures1->setEnabled(false);
    connect(Measures1, &QAction::triggered, this, [this] {
        if (showMeasures) showMeasures();
    });

    QMenu* help = menuBar()->addMenu(tr("ヘルプ(&H)"));
    connect(help->addAction(tr("使い方(&T)")), &QAction::triggered, this, [this] {
        if (showHowTo) showHowTo();
    });
    connect(help->addAction(tr("バージョン情報(&V)")), &QAction::triggered, this, [this] {
        if (showAbout) showAbout();
    });
    BuildLanguageMenu(help);
}

// English / 日本語: each named in its own language, whatever the language in use.
void TForm1::BuildLanguageMenu(QMenu* help) {
    help->addSeparator();
    auto* group = new QActionGroup(this);
    for (const Language language : {Language::English, Language::Japanese}) {
        QAction* item = help->addAction(language == Language::English ? QStringLiteral("English") : QStringLiteral("日本語"));
        item->setCheckable(true);
        item->setChecked(language == CurrentLanguage());
        item->setObjectName(language == Language::English ? "LanguageEnglish" : "LanguageJapanese");
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { ChooseLanguageForNextStart(language); });
    }
}

void TForm1::ChooseLanguageForNextStart(Language language) {
    RememberLanguage(language);
    if (language == CurrentLanguage()) return;
    if (language == Language::English)
        platform_.ShowMessage("TREMBLO will speak English from its next start.", "Language", MessageStyle::Plain);
    else
        platform_.ShowMessage("次回の起動から日本語で表示します。", "表示言語", MessageStyle::Plain);
}

void TForm1::BuildPanel(QWidget* panel) {
    BtnFile = Place(new QPushButton(tr("ファイル"), panel), 16, 32, 75, 25);
    connect(BtnFile, &QPushButton::clicked, this, [this] { BtnFileClick(); });
    CB3Compo = Place(new QCheckBox(tr("3成分読込"), panel), 8, 64, 97, 17);
    CB3Compo->setChecked(true);
    BtnWave = Place(new QPushButton(tr(" 波形表示"), panel), 104, 32, 75, 25);
    BtnWave->setToolTip(tr("地震波形表示"));
    BtnWave->setEnabled(false);
    connect(BtnWave, &QPushButton::clicked, this, [this] { BtnWaveClick(); });
    CBDC = Place(new QCheckBox(tr("DC除去"), panel), 16, 404, 73, 17);
    CBDC->setChecked(true);
    connect(CBDC, &QCheckBox::clicked, this, [this] { CBDCClick(); });
    BtnCsv = Place(new QPushButton(tr("CSVﾌｧｲﾙ"), panel), 16, 436, 75, 25);
    BtnCsv->setToolTip(tr("波形表示部分のCSVﾌｧｲﾙ出力"));
    BtnGif = Place(new QPushButton(tr("PNGﾌｧｲﾙ"), panel), 112, 436, 75, 25);
    BtnGif->setToolTip(tr("波形表示部分をPNGﾌｧｲﾙ保存"));
    BtnCopy = Place(new QPushButton(tr("コピー"), panel), 16, 468, 75, 25);
    BtnCopy->setToolTip(tr("表示波形をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"));
    BtnSpect = Place(new QPushButton(tr("応答ｽﾍﾟｸﾄﾗﾑ"), panel), 104, 468, 89, 25);
    BtnSpect->setToolTip(tr("地震応答ｽﾍﾟｸﾄﾗﾑ表示"));
    for (QPushButton* b : {BtnCsv, BtnGif, BtnCopy, BtnSpect}) b->setEnabled(false);
    connect(BtnCsv, &QPushButton::clicked, this, [this] { BtnCsvClick(); });
    connect(BtnGif, &QPushButton::clicked, this, [this] { BtnGifClick(); });
    connect(BtnCopy, &QPushButton::clicked, this, [this] { BtnCopyClick(); });
    connect(BtnSpect, &QPushButton::clicked, this, [this] { BtnSpectClick(); });
}

void TForm1::BuildWaveControls(QWidget* panel) {
    RGWave = Place(new RadioGroup(tr("波形"), {tr("加速度"), tr("速　 度"), tr("変　 位")}, panel), 8, 82, 89, 73);
    connect(RGWave, &RadioGroup::clicked, this, [this] { RGWaveClick(); });
    CBWave = Place(new QCheckBox(tr("波形/成分"), panel), 112, 64, 81, 17);
    CBWave->setToolTip(tr("波形/成分表示の選択"));
    CBWave->setChecked(true);
    CBWave->setEnabled(false);
    connect(CBWave, &QCheckBox::clicked, this, [this] { CBWaveClick(); });
    RGCompo = Place(new RadioGroup(tr("成分"), {tr(" ＮＳ"), tr(" ＥＷ"), tr(" ＵＤ")}, panel), 112, 81, 81, 73);
    RGCompo->setEnabled(false);
    connect(RGCompo, &RadioGroup::clicked, this, [this] { RGCompoClick(); });

    GroupBox2 = Place(new QGroupBox(tr("波形表示開始点"), panel), 8, 160, 185, 65);
    GroupBox2->setToolTip(tr("波形表示開始点設定"));
    CBAutoStart = Place(new QCheckBox(tr("自動"), GroupBox2), 72, 14, 65, 17);
    CBAutoStart->setChecked(true);
    connect(CBAutoStart, &QCheckBox::clicked, this, [this] { CBAutoStartClick(); });
    EdStart = Place(new QLineEdit(QStringLiteral("1400"), panel), 16, 192, 49, 21);
    EdStart->setEnabled(false);
    connect(EdStart, &QLineEdit::textChanged, this, [this] { EdStartChange(); });
    TrackBar1 = Place(new QSlider(Qt::Horizontal, panel), 64, 190, 127, 33);
    TrackBar1->setRange(0, 10000);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(1000);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setEnabled(false);
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });

    RGTime = Place(new RadioGroup(tr("時間軸目盛"), {"  5 s", " 10 s", " 25 s", " 50 s", "100 s", "250 s"}, panel),
                   8, 228, 89, 129);
    RGTime->setToolTip(tr("波形表示時間幅"));
    RGTime->setItemIndex(3);
    connect(RGTime, &RadioGroup::clicked, this, [this] { RGTimeClick(); });

    GroupBox1 = Place(new QGroupBox(tr("振幅軸目盛"), panel), 104, 228, 89, 129);
    GroupBox1->setToolTip(tr("振幅軸目盛りの設定"));
    CBAmp = Place(new QCheckBox(tr("自動"), GroupBox1), 8, 16, 57, 17);
    CBAmp->setChecked(true);
    connect(CBAmp, &QCheckBox::clicked, this, [this] { CBAmpClick(); });
    CB1ch = Place(new QCheckBox(tr("1ch指定"), GroupBox1), 8, 32, 97, 17);
    CB1ch->setEnabled(false);
    QLineEdit** amps[3] = {&EdAmp0, &EdAmp1, &EdAmp2};
    for (int i = 0; i < 3; ++i) {
        Place(new QLabel(QString::number(i + 1), GroupBox1), 8, 54 + 24 * i, 12, 17);
        *amps[i] = Place(new QLineEdit(QStringLiteral("400"), GroupBox1), 24, 52 + 24 * i, 40, 21);
    }

    CBTitle = Place(new QCheckBox(tr("タイトル"), panel), 16, 364, 65, 17);
    CBDataCount = Place(new QCheckBox(tr("ﾃﾞｰﾀｶｳﾝﾄ"), panel), 96, 364, 89, 17);
    CBMax = Place(new QCheckBox(tr("最大値"), panel), 16, 384, 65, 17);
    CBMaxPnt = Place(new QCheckBox(tr("最大位置"), panel), 96, 384, 97, 17);
    const std::pair<QCheckBox*, void (TForm1::*)()> redraws[] = {
        {CBTitle, &TForm1::CBTitleClick},
        {CBDataCount, &TForm1::CBDataCountClick},
        {CBMax, &TForm1::CBMaxClick},
        {CBMaxPnt, &TForm1::CBMaxPntClick}};
    for (const auto& [box, handler] : redraws) {
        box->setChecked(true);
        connect(box, &QCheckBox::clicked, this, [this, h = handler] { (this->*h)(); });
    }
}

void TForm1::BuildLinks(QWidget* panel) {
    QFont link = font();
    link.setPixelSize(16);
    link.setUnderline(true);
    const auto make = [&](const char* caption, const char* hint, int x, void (TForm1::*handler)()) {
        auto* label = new ClickableLabel(QString::fromUtf8(caption), panel);
        label->setFont(link);
        label->setStyleSheet("color: red;");
        label->setToolTip(tr(hint));
        label->setCursor(Qt::PointingHandCursor);
        label->move(x, 4);
        label->adjustSize();
        connect(label, &ClickableLabel::clicked, this, [this, handler] { (this->*handler)(); });
        return label;
    };
    Label21 = make("K-NET", QT_TR_NOOP("K-NETダウンロードページへリンク"), 7, &TForm1::Label21Click);
    Label26 = make("KiK-net", QT_TR_NOOP("KiK-netダウンロードページへリンク"), 73, &TForm1::Label26Click);
    Label32 = make("HRSM", QT_TR_NOOP("広島市地震情報ネットワークへリンク"), 145, &TForm1::Label32Click);
}

}  // namespace tremblo
