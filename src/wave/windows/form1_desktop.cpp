// The main window on the desktop: its place when first shown, and record
// files dropped onto it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "wave/windows/form1.h"

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

QPoint CenteredPosition(const QRect& available, const QSize& frame) {
    const int x = available.left() + std::max(0, (available.width() - frame.width()) / 2);
    const int y = available.top() + std::max(0, (available.height() - frame.height()) / 2);
    return {x, y};
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    if (const QScreen* s = screen()) move(CenteredPosition(s->availableGeometry(), frameGeometry().size()));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    OpenRecordFile(file.toStdString());
}

}  // namespace tremblo
