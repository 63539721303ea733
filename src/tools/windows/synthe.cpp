#include "tools/windows/synthe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/format.h"
#include "common/translation.h"
#include "plot/windows/window_look.h"
#include "record/record_session.h"
#include "tools/horizontal_synthesis.h"
#include "plot/windows/widget_place.h"

namespace tremblo {

namespace {

// A text of the tool kept in the core, in the language in use.
QString Said(const char* text) { return QString::fromStdString(TrText("tools", text)); }

}  // namespace

TSynthe::TSynthe(Platform& platform, const RecordSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), session_(session) {
    setWindowTitle(tr("水平成分波形の合成"));
    setFixedSize(560, 240);
    ApplyWindowLook(*this, QColor(232, 240, 216), Qt::black);

    Label1 = Place(new QLabel(tr("ＮＳおよびEWの２成分を合成します"), this), 16, 12, 520, 20);
    Label2 = Place(
        new QLabel(tr("合成波の方位角を，北を０度，東を９０度とし０～３６０度の範囲で指定してください"), this),
        16, 36, 536, 20);
    Label3 = Place(new QLabel(tr("方位角"), this), 16, 68, 52, 20);
    Edit1 = Place(new QLineEdit(QStringLiteral("45"), this), 72, 66, 57, 24);
    Label4 = Place(new QLabel(tr("度"), this), 136, 68, 20, 20);
    Label7 = Place(new QLabel(tr("（拡張子を指定しなければ，設定された方位角が拡張子となります）"), this), 16, 98,
                   536, 20);
    Label5 = Place(new QLabel(tr("出力ファイル名"), this), 16, 130, 96, 20);
    Label6 = Place(new QLabel(this), 116, 130, 436, 20);
    Label8 = Place(new QLabel(this), 16, 162, 536, 20);
    Label8->setStyleSheet(QStringLiteral("color: red;"));
    Button3 = Place(new QPushButton(tr("出力ファイル"), this), 16, 198, 97, 25);
    Button1 = Place(new QPushButton(tr("実行"), this), 232, 198, 97, 25);
    Button2 = Place(new QPushButton(tr("閉じる"), this), 448, 198, 97, 25);
    Button1->setEnabled(false);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    FormCreate();
}

void TSynthe::FormCreate() { Label6->setText(QString()); }

std::optional<int> TSynthe::Azimuth() {
    const std::optional<int> azimuth = ParseAzimuth(Edit1->text().toStdString());
    if (!azimuth)
        platform_.ShowMessage(TrText("tools", synthesis_text::kAzimuthNotInteger), TrText("tools", synthesis_text::kAzimuthErrorCaption),
                              MessageStyle::Warning);
    return azimuth;
}

void TSynthe::SetDialogDefaults(int azimuth) {
    defaultName_ = DefaultSynthesisName(session_.record().componentPath[0], azimuth);
    defaultExtension_ = AzimuthExtension(azimuth);
}

void TSynthe::AwaitOutputFile() {
    Label8->setText(Said(synthesis_text::kPressOutputFile));
    Button1->setEnabled(false);
    Button3->setEnabled(true);
}

void TSynthe::Open() {
    if (const auto reason = SynthesisUnavailable(session_.record(), session_.loadedFormat())) {
        platform_.ShowMessage(*reason, TrText("tools", synthesis_text::kErrorCaption), MessageStyle::Warning);
        return;
    }
    // A text that is no azimuth is reported when the output file is chosen.
    if (const auto azimuth = ParseAzimuth(Edit1->text().toStdString())) SetDialogDefaults(*azimuth);
    ForgetOutputFile();
    show();
    raise();
    activateWindow();
}

void TSynthe::Edit1Change() {
    // Typing passes through texts that are no number yet: they change nothing.
    const auto azimuth = ParseAzimuth(Edit1->text().toStdString());
    if (azimuth) defaultExtension_ = AzimuthExtension(*azimuth);
    // A file chosen for another azimuth is no longer the target.
    if (outputChosen_ && azimuth != chosenAzimuth_) ForgetOutputFile();
}

void TSynthe::RecordChanged() {
    // A file chosen for the record before is no target for this one.
    if (outputChosen_ || !outputPath_.empty()) ForgetOutputFile();
}

void TSynthe::ForgetOutputFile() {
    outputChosen_ = false;
    outputPath_.clear();
    Label6->clear();
    Label6->setToolTip(QString());
    AwaitOutputFile();
}

void TSynthe::Button3Click() {
    const std::optional<int> azimuth = Azimuth();
    if (!azimuth) return;
    SetDialogDefaults(*azimuth);
    const std::optional<std::string> path = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("すべて(*.*)|*.*")), session_.record().recordFolder, defaultName_, defaultExtension_});
    if (!path) return;
    if (IsRecordComponentFile(session_.record(), *path)) {
        platform_.ShowMessage(StringPrintf(TrText("tools", synthesis_text::kOutputIsRecordFileFormat).c_str(), path->c_str()),
                              TrText("tools", synthesis_text::kErrorCaption), MessageStyle::Warning);
        return;
    }
    // A long path loses its middle, never the file name; the whole path is
    // in the tooltip.
    const QString full = QString::fromStdString(*path);
    Label6->setText(Label6->fontMetrics().elidedText(full, Qt::ElideMiddle, Label6->width()));
    Label6->setToolTip(full);
    outputPath_ = *path;
    switch (CheckOutputName(*path, *azimuth)) {
        case OutputNameVerdict::BadPeriodCount:
            platform_.ShowMessage(TrText("tools", synthesis_text::kBadExtension), TrText("tools", synthesis_text::kBadExtensionCaption),
                                  MessageStyle::Warning);
            return;
        case OutputNameVerdict::ExtensionNotAzimuth:
            if (platform_.ShowMessage(TrText("tools", synthesis_text::kExtensionNotAzimuth),
                                      TrText("tools", synthesis_text::kExtensionNotAzimuthCaption),
                                      MessageStyle::QuestionOkCancel) == MessageAnswer::Cancel)
                return;
            break;
        case OutputNameVerdict::Accepted:
            break;
    }
    outputChosen_ = true;
    chosenAzimuth_ = *azimuth;
    Button1->setEnabled(true);
    Button3->setEnabled(false);
    Label8->setText(Said(synthesis_text::kPressExecute));
}

void TSynthe::Button1Click() {
    if (!outputChosen_) return;
    const std::optional<int> azimuth = Azimuth();
    if (!azimuth) return;  // the output file stays chosen
    const SeismicRecord& record = session_.record();
    std::string failure;
    if (const auto reason = SynthesisUnavailable(record, session_.loadedFormat())) {
        failure = *reason;
    } else {
        const Result<SynthesisSummary> written = WriteSynthesizedRecord(record, *azimuth, outputPath_);
        if (!written) failure = written.error().message;
    }
    if (!failure.empty()) {
        platform_.ShowMessage(failure, TrText("tools", synthesis_text::kErrorCaption), MessageStyle::Warning);
        AwaitOutputFile();
        return;
    }
    Label8->setText(Said(synthesis_text::kWritten));
    outputChosen_ = false;
    Button1->setEnabled(false);
    Button3->setEnabled(true);
}

}  // namespace tremblo
