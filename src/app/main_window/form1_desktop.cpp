// The main window on the desktop: its place when first shown, record files
// dropped onto it, and closing it.
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

#include "app/main_window/form1.h"
#include "common/format.h"
#include "plot/windows/window_placement.h"
#include "record/format_detection.h"

namespace tremblo {

namespace {

// The first local file of a drag, if any.
QString DroppedFile(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    MoveToScreenCentre(*this);
    // On a screen lower than the window, the window manager may keep the
    // bottom in sight at the cost of the title bar: the title bar wins.
    KeepTitleBarOnScreen(*this);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    OpenDroppedPath(file.toStdString());
}

LoadStatus TForm1::OpenDroppedPath(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        platform_.ShowMessage(Std(tr("%1 はフォルダです。\n記録ファイルをドロップしてください"
                                     "（フォルダの記録は ファイル → イベントのフォルダを開く... で開けます）")
                                      .arg(QString::fromStdString(path))),
                              Std(tr("ファイルエラー")), MessageStyle::Warning);
        return LoadStatus::Failed;
    }
    // With a format chosen, the menu follows the file's (自動判別 for the
    // agency formats); 自動判別 reads any.
    if (chosenFormat()) {
        const RecordFormat format = DetectRecordFormatOfFile(path);
        if (format != chosenFormat()) ChooseFormat(format);
    }
    return OpenRecordFile(path);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (mayQuit && !mayQuit()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace tremblo
