#include "app/windows/about_box.h"

#include <QFrame>
#include <QLabel>

#include "common/web_pages.h"
#include "app/windows/program_icon.h"
#include "common/platform.h"
#include "common/translation.h"
#include "plot/windows/clickable_label.h"
#include "plot/windows/window_look.h"
namespace tremblo {

TAboutBox::TAboutBox(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setWindowTitle(tr("バージョン情報"));
    setFixedSize(305, 194);
    ApplyWindowLook(*this, QColor(247, 181, 136), QColor(0, 128, 128));

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(8, 8, 289, 177);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    ProgramIcon = new ClickableLabel(panel);
    ProgramIcon->setGeometry(8, 8, 64, 64);
    ProgramIcon->setPixmap(tremblo::ProgramIcon(64));
    connect(ProgramIcon, &ClickableLabel::clicked, this, [this] { ProgramIconClick(); });

    const auto place = [panel](QLabel* label, int x, int y, const char* colour) {
        label->setParent(panel);
        label->move(x, y);
        if (colour) label->setStyleSheet(QString("color: %1;").arg(colour));
        label->adjustSize();
    };
    ProductName = new QLabel(QStringLiteral("K-NET / KiK-net"));
    place(ProductName, 88, 16, nullptr);
    Version = new QLabel(QStringLiteral("TREMBLO  Ver 4.2"));
    place(Version, 88, 40, "red");
    place(new QLabel(QStringLiteral("2016/07/28")), 168, 64, nullptr);
    place(new QLabel(QString::fromStdString(TrText("common", pages::kAuthorName))), 112, 88, "blue");
    Label2 = new ClickableLabel(QString::fromUtf8(pages::kAuthorMail));
    place(Label2, 8, 120, nullptr);
    Label2->setCursor(Qt::PointingHandCursor);
    connect(Label2, &ClickableLabel::clicked, this, [this] { Label2Click(); });
    Label1 = new ClickableLabel(QString::fromUtf8(pages::kAuthorPage));
    QFont underlined = font();
    underlined.setUnderline(true);
    Label1->setFont(underlined);
    place(Label1, 8, 152, nullptr);
    Label1->setCursor(Qt::PointingHandCursor);
    connect(Label1, &ClickableLabel::clicked, this, [this] { Label1Click(); });
}

void TAboutBox::Label1Click() { OpenPage(platform_, pages::kAuthorPage); }
void TAboutBox::Label2Click() { OpenPage(platform_, pages::kAuthorSecondPage); }

}  // namespace tremblo
