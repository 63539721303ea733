#pragma once
// The usage window: the built-in usage text, and the reference pages (the
// README and doc/*.md) on a second tab; only its icon closes it.
#include <QUrl>
#include <QWidget>
#include <vector>

#include "app/windows/reference_pages.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QTextBrowser;

namespace tremblo {

class ClickableLabel;

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(QWidget* parent = nullptr);

    void Image1Click() { hide(); }
    // Shows the reference page `index` of referencePages() on its tab.
    void ShowReferencePage(int index);
    // A link clicked on the page shown: another page opens at its place in
    // the list; a link to no built-in page leaves the page as it is.
    void FollowLink(const QUrl& link);
    const std::vector<ReferencePage>& referencePages() const { return pages_; }

    QLabel* Label1 = nullptr;
    ClickableLabel* Image1 = nullptr;
    QTabWidget* Tabs = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QComboBox* PageList = nullptr;
    QTextBrowser* Reference = nullptr;

private:
    std::vector<ReferencePage> pages_;
};

}  // namespace tremblo
