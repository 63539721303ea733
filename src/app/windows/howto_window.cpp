#include "app/windows/howto_window.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "app/usage_text.h"
#include "app/windows/program_icon.h"
#include "plot/windows/clickable_label.h"
#include "plot/windows/window_look.h"
namespace tremblo {

THowTo::THowTo(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setWindowTitle(tr("使い方"));
    setGeometry(316, 134, 442, 364);
    setFixedSize(442, 364);
    ApplyWindowLook(*this, QColor(184, 192, 173), QColor(0, 0, 128));

    Label1 = new QLabel(QStringLiteral("K-NET / KiK-net TREMBLO"), this);
    Label1->setFont(ProgramFont(21));
    Label1->setStyleSheet("color: rgb(0, 128, 128);");
    Label1->move(64, 8);
    Label1->adjustSize();

    Image1 = new ClickableLabel(this);
    Image1->setGeometry(16, 8, 32, 32);
    Image1->setPixmap(ProgramIcon(32));
    Image1->setToolTip(tr("閉じる"));
    connect(Image1, &ClickableLabel::clicked, this, [this] { Image1Click(); });

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(24, 48, 385, 305);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QString::fromStdString(UsageText()));
}

}  // namespace tremblo
