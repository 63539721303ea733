#include "spectrum/windows/target_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <QLabel>
#include <QPushButton>

#include "common/translation.h"
#include "plot/windows/widget_place.h"
#include "target/target_table_file.h"

namespace tremblo {

namespace {

constexpr double kZones[] = {1.0, 0.9, 0.8, 0.7};
constexpr const char* kTableFilter = QT_TRANSLATE_NOOP("tremblo::TargetChooser", "CSVﾌｧｲﾙ(*.csv)|*.csv|すべて(*.*)|*.*");

}  // namespace

TargetChooser::TargetChooser(Platform& platform, QWidget* parent)
    : QGroupBox(tr("目標スペクトル"), parent), platform_(platform) {
    CBSafety = Place(new QCheckBox(tr("告示 安全限界"), this), 8, 18, 112, 20);
    CBSafety->setToolTip(tr("平成12年建設省告示第1461号 解放工学的基盤の加速度応答スペクトル (極めて稀)"));
    connect(CBSafety, &QCheckBox::clicked, this, [this] { CBSafetyClick(); });
    CBDamage = Place(new QCheckBox(tr("告示 損傷限界"), this), 122, 18, 112, 20);
    CBDamage->setToolTip(tr("平成12年建設省告示第1461号 解放工学的基盤の加速度応答スペクトル (稀)"));
    connect(CBDamage, &QCheckBox::clicked, this, [this] { CBDamageClick(); });
    CBZone = Place(new QComboBox(this), 236, 16, 72, 24);
    for (double zone : kZones) CBZone->addItem(QString::fromStdString("Z=" + ZoneText(zone)));
    CBZone->setToolTip(tr("地震地域係数"));
    connect(CBZone, &QComboBox::currentIndexChanged, this, [this] { CBZoneChange(); });
    BtnTargetFile = Place(new QPushButton(tr("ファイル..."), this), 316, 15, 84, 25);
    BtnTargetFile->setToolTip(tr("周期 [s], 加速度 [gal] の CSV ファイルを追加"));
    connect(BtnTargetFile, &QPushButton::clicked, this, [this] { BtnTargetFileClick(); });
    LabelTargetFiles = Place(new QLabel(this), 408, 18, 390, 20);
    BtnTargetClear = Place(new QPushButton(tr("消去"), this), 806, 15, 80, 25);
    BtnTargetClear->setToolTip(tr("目標スペクトルをすべて消す"));
    connect(BtnTargetClear, &QPushButton::clicked, this, [this] { BtnTargetClearClick(); });
}

TargetSelection TargetChooser::Selection() const {
    TargetSelection selection;
    selection.safety = CBSafety->isChecked();
    selection.damage = CBDamage->isChecked();
    selection.zone = kZones[std::clamp(CBZone->currentIndex(), 0, 3)];
    selection.files = files_;
    return selection;
}

void TargetChooser::BuiltInClick(QCheckBox* box) {
    if (box->isChecked() && Selection().count() > MAX_TARGETS) {
        box->setChecked(false);
        platform_.ShowMessage(TooManyTargetsText(), TrText("target", kTargetCaption), MessageStyle::Warning);
        return;
    }
    emit changed();
}

void TargetChooser::BtnTargetFileClick() {
    if (Selection().full()) {
        platform_.ShowMessage(TooManyTargetsText(), TrText("target", kTargetCaption), MessageStyle::Warning);
        return;
    }
    const std::optional<std::string> path = platform_.AskOpenFile(Std(tr(kTableFilter)));
    if (!path) return;
    Result<TargetSpectrum> table = ReadTargetFile(*path);
    if (!table) {
        platform_.ShowMessage(table.error().message, TrText("target", kTargetCaption), MessageStyle::Warning);
        return;
    }
    files_.push_back(std::move(table.value()));
    ShowFiles();
    emit changed();
}

void TargetChooser::BtnTargetClearClick() {
    CBSafety->setChecked(false);
    CBDamage->setChecked(false);
    files_.clear();
    ShowFiles();
    emit changed();
}

void TargetChooser::ShowFiles() {
    QStringList names;
    for (const TargetSpectrum& file : files_) names << QString::fromStdString(file.label);
    const QString text = names.join(tr("、"));
    LabelTargetFiles->setText(LabelTargetFiles->fontMetrics().elidedText(text, Qt::ElideMiddle, LabelTargetFiles->width()));
    LabelTargetFiles->setToolTip(text);
}

}  // namespace tremblo
