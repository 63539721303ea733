#include "app/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace tremblo {

namespace {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// Patterns are matched case-sensitively on Linux; offer both cases so that
// "*.ns*" also shows AIC0010103241528.NS.
QString BothCases(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
        out << p;
        if (p.toUpper() != p) out << p.toUpper();
    }
    out.removeDuplicates();
    return out.join(' ');
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // A description that already shows a pattern, "PNGﾌｧｲﾙ (*.png)", shows
        // the patterns the dialog really uses instead.
        QString description = parts[i];
        static const QRegularExpression shownPattern(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        description.remove(shownPattern);
        entries << description + " (" + BothCases(parts[i + 1]) + ")";
    }
    return entries.join(";;");
}

QWidget* QtPlatform::Owner() const {
    // The window in use asked: the dialog belongs to it, so that the window
    // manager keeps it over that window and raises no other.
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) return active;
    return parent_;
}

MessageAnswer QtPlatform::ShowMessage(const std::string& text, const std::string& caption,
                                      MessageStyle style) {
    QMessageBox box(Owner());
    box.setWindowTitle(Q(caption));
    box.setText(Q(text));
    switch (style) {
        case MessageStyle::Plain:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageStyle::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::QuestionYesNo:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageStyle::QuestionOkCancel:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return MessageAnswer::Ok;
    }
}

std::optional<std::string> QtPlatform::AskOpenFile(const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(Owner(), QString(), QString(), ToQtFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtPlatform::AskOpenFolder() {
    const QString path = QFileDialog::getExistingDirectory(Owner());
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<int> QtPlatform::AskChoice(const std::string& text, const std::string& caption,
                                         const std::vector<std::string>& items) {
    QStringList names;
    for (const std::string& item : items) names << Q(item);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(Owner(), Q(caption), Q(text), names, 0, false, &ok);
    if (!ok) return std::nullopt;
    const qsizetype index = names.indexOf(chosen);
    if (index < 0) return std::nullopt;
    return static_cast<int>(index);
}

std::optional<std::string> QtPlatform::AskSaveFile(const SaveDialogRequest& request) {
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtFilter(request.filter));
    dialog.setDirectory(Q(request.initialFolder));
    dialog.selectFile(Q(request.initialName));
    dialog.setDefaultSuffix(Q(request.defaultExtension));
    // Qt asks before overwriting an existing file (the default).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void QtPlatform::ShowWait(const std::string& text) {
    if (showWait_) showWait_(text);
}

void QtPlatform::CloseWait() {
    if (closeWait_) closeWait_();
}

void QtPlatform::CopyImageToClipboard(const RgbImage& image) {
    QImage picture(image.rgb.data(), image.width, image.height, image.width * 3,
                   QImage::Format_RGB888);
    QGuiApplication::clipboard()->setImage(picture.copy());
}

void QtPlatform::CopyTextToClipboard(const std::string& text) { QGuiApplication::clipboard()->setText(Q(text)); }

bool QtPlatform::OpenUrl(const std::string& url) { return QDesktopServices::openUrl(QUrl(Q(url))); }

}  // namespace tremblo
