#include "app/windows/wait_window.h"
#include "plot/windows/window_look.h"

#include <QApplication>
#include <QLabel>
namespace tremblo {

TWait::TWait(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setWindowTitle(tr("　　お待ちください"));
    setGeometry(339, 218, 360, 132);
    ApplyWindowLook(*this, QColor(251, 117, 137), Qt::blue);
    Label1 = new QLabel(tr("応答スペクトルを計算しています・・・・"), this);
    Label1->setGeometry(32, 40, 310, 20);
}

void TWait::ShowWithText(const QString& text) {
    Label1->setText(text);
    show();
    raise();
    repaint();
    // Let the window system map and paint the window before the work blocks.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

}  // namespace tremblo
