#include "app/windows/howto_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/usage_text.h"
#include "app/windows/program_icon.h"
#include "plot/windows/clickable_label.h"
#include "plot/windows/window_look.h"
namespace tremblo {

THowTo::THowTo(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), pages_(BuiltInReferencePages()) {
    setWindowTitle(tr("使い方"));
    setGeometry(316, 134, 442, 364);
    // The usage text's size at least; wider for the reference pages.
    setMinimumSize(442, 364);
    ApplyWindowLook(*this, QColor(184, 192, 173), QColor(0, 0, 128));

    Label1 = new QLabel(QStringLiteral("K-NET / KiK-net TREMBLO"), this);
    Label1->setFont(ProgramFont(21));
    Label1->setStyleSheet("color: rgb(0, 128, 128);");

    Image1 = new ClickableLabel(this);
    Image1->setFixedSize(32, 32);
    Image1->setPixmap(ProgramIcon(32));
    Image1->setToolTip(tr("閉じる"));
    connect(Image1, &ClickableLabel::clicked, this, [this] { Image1Click(); });

    auto* heading = new QHBoxLayout;
    heading->setSpacing(16);
    heading->addWidget(Image1);
    heading->addWidget(Label1);
    heading->addStretch();

    Tabs = new QTabWidget(this);
    Memo1 = new QPlainTextEdit;
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QString::fromStdString(UsageText()));
    Tabs->addTab(Memo1, tr("使い方"));

    // The reference pages are in English whatever the language of the windows.
    auto* reference = new QWidget;
    PageList = new QComboBox(reference);
    PageList->setToolTip(tr("表示するページ（英語）"));
    for (const ReferencePage& page : pages_)
        PageList->addItem(QStringLiteral("%1 (%2)").arg(page.title, page.path.mid(page.path.lastIndexOf('/') + 1)));
    Reference = new QTextBrowser(reference);
    Reference->setOpenLinks(false);
    Reference->setFont(ProgramFont(13, false));
    QPalette paper = Reference->palette();
    paper.setColor(QPalette::Base, Qt::white);
    Reference->setPalette(paper);
    auto* referenceLayout = new QVBoxLayout(reference);
    referenceLayout->setContentsMargins(0, 4, 0, 0);
    referenceLayout->addWidget(PageList);
    referenceLayout->addWidget(Reference, 1);
    Tabs->addTab(reference, tr("リファレンス"));
    connect(PageList, &QComboBox::activated, this, [this](int index) { ShowReferencePage(index); });
    connect(Reference, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { FollowLink(link); });
    // The first page is read when the tab is first shown.
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1 && Reference->source().isEmpty() && !pages_.empty()) ShowReferencePage(0);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->setSpacing(8);
    layout->addLayout(heading);
    layout->addWidget(Tabs, 1);
}

void THowTo::ShowReferencePage(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size())) return;
    PageList->setCurrentIndex(index);
    Reference->setSource(pages_[static_cast<std::size_t>(index)].url(), QTextDocument::MarkdownResource);
    Tabs->setCurrentIndex(1);
}

void THowTo::FollowLink(const QUrl& link) {
    const int index = LinkedPage(pages_, Reference->source(), link);
    if (index < 0) return;
    if (pages_[static_cast<std::size_t>(index)].url() != Reference->source().adjusted(QUrl::RemoveFragment))
        ShowReferencePage(index);
    if (link.hasFragment()) Reference->scrollToAnchor(link.fragment());
}

}  // namespace tremblo
