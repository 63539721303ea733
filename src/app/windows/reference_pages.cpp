#include "app/windows/reference_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace tremblo {

namespace {

// The pages in reading order; a page built in but not named here comes
// after them.
constexpr const char* kReadingOrder[] = {
    ":/README.md",         ":/doc/using.md",     ":/doc/formats.md",       ":/doc/batch.md",
    ":/doc/computations.md", ":/doc/languages.md", ":/doc/python.md", ":/doc/development.md",
    ":/doc/tremblo.1.md",    ":/doc/tremblo-batch.1.md",
};

QString WithoutMarks(QString text) {
    text.remove(QLatin1Char('`'));
    text.remove(QStringLiteral("**"));
    static const QRegularExpression emphasis(QStringLiteral(R"(\*([^*]+)\*)"));
    text.replace(emphasis, QStringLiteral("\\1"));
    return text.trimmed();
}

bool IsManualPage(const QString& fileName) {
    static const QRegularExpression manual(QStringLiteral(R"(^[^.]+\.[1-9]\.md$)"));
    return manual.match(fileName).hasMatch();
}

int ReadingPlace(const QString& path) {
    const auto* const end = std::end(kReadingOrder);
    const auto* const found = std::find_if(std::begin(kReadingOrder), end,
                                           [&](const char* known) { return path == QLatin1String(known); });
    return static_cast<int>(found - std::begin(kReadingOrder));
}

QString ReadPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QString ReferencePageTitle(const QString& fileName, const QString& markdown) {
    bool inComment = false, underName = false;
    for (QString line : markdown.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (!inComment && line.startsWith(QStringLiteral("<!--"))) inComment = true;
        if (inComment) {
            if (line.contains(QStringLiteral("-->"))) inComment = false;
            continue;
        }
        if (underName) {
            if (line.startsWith(QStringLiteral("# "))) break;
            if (!line.trimmed().isEmpty()) return WithoutMarks(line);
            continue;
        }
        if (!line.startsWith(QStringLiteral("# "))) continue;
        const QString heading = WithoutMarks(line.mid(2));
        if (heading == QStringLiteral("NAME") && IsManualPage(fileName)) {
            underName = true;
            continue;
        }
        if (!heading.isEmpty()) return heading;
    }
    return fileName;
}

std::vector<ReferencePage> BuiltInReferencePages() {
    QStringList paths;
    if (QFileInfo::exists(QStringLiteral(":/README.md"))) paths << QStringLiteral(":/README.md");
    const QDir doc(QStringLiteral(":/doc"));
    for (const QString& name : doc.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name))
        paths << doc.filePath(name);
    std::stable_sort(paths.begin(), paths.end(),
                     [](const QString& a, const QString& b) { return ReadingPlace(a) < ReadingPlace(b); });
    std::vector<ReferencePage> pages;
    for (const QString& path : paths)
        pages.push_back({path, ReferencePageTitle(QFileInfo(path).fileName(), ReadPage(path))});
    return pages;
}

int LinkedPage(const std::vector<ReferencePage>& pages, const QUrl& from, const QUrl& link) {
    const QUrl target = from.resolved(link);
    if (target.scheme() != QStringLiteral("qrc")) return -1;
    const QString path = QStringLiteral(":") + QDir::cleanPath(target.path());
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].path == path) return static_cast<int>(i);
    return -1;
}

}  // namespace tremblo
