#pragma once
// The reference pages the usage window shows: the README and the pages of
// doc/, built into the program as Qt resources (:/README.md, :/doc/*.md) from
// the same files the package installs, so that there is one text.
#include <QString>
#include <QUrl>
#include <vector>

namespace tremblo {

struct ReferencePage {
    QString path;   // the resource, ":/doc/using.md"
    QString title;  // what the list shows
    QUrl url() const { return QUrl(QStringLiteral("qrc") + path); }
};

// The title a page is listed under: its first "# " heading, or for a manual
// page (NAME.1.md, whose first heading is "# NAME") the line under that
// heading ("tremblo - strong-motion ..."); the file's name when it has
// neither. HTML comments are passed over, and `code`, *emphasis* and
// **strong** marks are dropped.
QString ReferencePageTitle(const QString& fileName, const QString& markdown);

// The pages built into the program, in reading order: the README, the
// reference pages, the manual pages, then any other page by name.
std::vector<ReferencePage> BuiltInReferencePages();

// The page of `pages` a link on the page at `from` leads to ("batch.md#x"
// from qrc:/doc/using.md), or -1 when it leads to none of them (an address
// on the web, a page that is not built in).
int LinkedPage(const std::vector<ReferencePage>& pages, const QUrl& from, const QUrl& link);

}  // namespace tremblo
