// The usage window: the usage text's sections, and the reference pages
// (README.md and doc/*.md) built in, each shown with its title, their links
// leading from page to page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>

#include "app/windows/howto_window.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

TEST(HowToPageTitle, FirstHeadingOrTheManualPagesNameLine) {
    const struct {
        const char *file, *markdown, *title;
    } cases[] = {
        {"using.md", "Words first\n\n# Using the program\n## Starting\n", "Using the program"},
        {"x.md", "<!-- a comment\n# not the title\n-->\n# The title\n", "The title"},
        {"tremblo.1.md", "<!-- page -->\n# NAME\n\ntremblo - records\n\n# SYNOPSIS\n", "tremblo - records"},
        {"tremblo-batch.1.md", "# NAME\n\n# SYNOPSIS\n", "tremblo-batch.1.md"},
        {"notes.md", "# NAME\n\nnot a manual page\n", "NAME"},
        {"x.md", "# The `tremblo-batch` **front** *end*\r\nText\r\n", "The tremblo-batch front end"},
        {"x.md", "#Not a heading\n   # nor this\n## Nor this\n", "x.md"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReferencePageTitle(c.file, QString::fromUtf8(c.markdown)).toStdString(), c.title) << c.markdown;
}

TEST(HowToPageLinks, RelativeLinksLeadToTheBuiltInPages) {
    const std::vector<ReferencePage> pages{{":/README.md", "R"}, {":/doc/using.md", "U"}, {":/doc/batch.md", "B"}};
    const struct {
        const char *from, *link;
        int page;
    } cases[] = {
        {"qrc:/doc/using.md", "batch.md#names-files-and-signals", 2}, {"qrc:/doc/using.md", "../README.md", 0},
        {"qrc:/README.md", "doc/using.md", 1},   {"qrc:/doc/using.md", "#the-spectrum-window", 1},
        {"qrc:/doc/using.md", "formats.md", -1}, {"qrc:/doc/using.md", "https://example.org/doc/batch.md", -1},
        {"qrc:/README.md", "using.md", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(LinkedPage(pages, QUrl(c.from), QUrl(c.link)), c.page) << c.from << " " << c.link;
}

TEST(HowToWindow, UsageTextDescribesTheEventFourierAndTargetWindows) {
    const QString text = THowTo().Memo1->toPlainText();
    const struct {
        const char* heading;
        std::vector<const char*> words;
    } sections[] = {
        {"■ イベント一覧", {"イベントを開く...", "イベントのフォルダを開く...", "震央距離", "絞り込み", "波形表示", "地図", "--summary"}},
        {"■ フーリエスペクトル", {"ﾌｰﾘｴｽﾍﾟｸﾄﾙ", "Konno-Ohmachi", "平滑化 b", "5%テーパー", "H/V", "地表/地中"}},
        {"■ 目標スペクトル", {"告示 安全限界", "告示 損傷限界", "地震地域係数", "ファイル...", "消去", "(擬似)"}},
    };
    for (const auto& s : sections) {
        const qsizetype start = text.indexOf(QString::fromUtf8(s.heading));
        ASSERT_GT(start, text.indexOf(QString::fromUtf8("■ 使い方"))) << s.heading;
        const QString section = text.mid(start, text.indexOf(QString::fromUtf8("■"), start + 1) - start);
        for (const char* word : s.words) EXPECT_TRUE(section.contains(QString::fromUtf8(word))) << s.heading << " " << word;
    }
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every page of the source tree is shown with its title, byte for byte the
// file; every link between the pages finds its page and heading.
TEST(HowToWindow, ShowsEveryReferencePageAndFollowsItsLinks) {
    THowTo window;
    const std::vector<ReferencePage>& pages = window.referencePages();
    QStringList expected{":/README.md"}, shown;
    for (const QString& name : QDir(QString::fromStdString(testing::SamplePath("doc"))).entryList({"*.md"}, QDir::Files))
        expected << ":/doc/" + name;
    for (const ReferencePage& page : pages) shown << page.path;
    EXPECT_EQ(shown.size(), expected.size());
    for (const QString& path : expected) EXPECT_TRUE(shown.contains(path)) << path.toStdString();
    ASSERT_GE(pages.size(), 9u);
    EXPECT_EQ(shown.mid(0, 2), QStringList({":/README.md", ":/doc/using.md"}));
    window.Tabs->setCurrentIndex(1);  // the tab opens on the README
    EXPECT_EQ(window.Reference->source(), QUrl("qrc:/README.md"));

    static const QRegularExpression linkPattern(R"(\]\(([^)\s]+)\))"), headingPattern("^#+ (.*)$", QRegularExpression::MultilineOption),
        dropped(R"([^\p{L}\p{M}\p{N}\p{Pc}\- ])");
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        const ReferencePage& page = pages[static_cast<std::size_t>(i)];
        SCOPED_TRACE(page.path.toStdString());
        const QByteArray bytes = FileBytes(page.path);
        EXPECT_EQ(bytes, FileBytes(QString::fromStdString(testing::SamplePath(page.path.mid(2).toStdString()))));
        EXPECT_FALSE(page.title.endsWith(".md"));  // a heading found
        window.ShowReferencePage(i);
        EXPECT_EQ(window.PageList->currentIndex(), i);
        EXPECT_TRUE(window.PageList->currentText().startsWith(page.title));
        const QString text = window.Reference->toPlainText();
        EXPECT_GT(text.size(), 500);
        EXPECT_TRUE(text.contains(page.title)) << page.title.toStdString();
        EXPECT_FALSE(text.contains("<!--") || text.contains("]("));

        for (auto it = linkPattern.globalMatch(QString::fromUtf8(bytes)); it.hasNext();) {
            const QUrl link(it.next().captured(1));
            if (!link.scheme().isEmpty()) continue;  // an address on the web
            window.ShowReferencePage(i);
            window.FollowLink(link);
            const int target = LinkedPage(pages, page.url(), link);
            ASSERT_GE(target, 0) << link.toString().toStdString();
            EXPECT_EQ(window.PageList->currentIndex(), target);
            if (!link.hasFragment()) continue;
            // The anchor a code forge gives a heading: lower case, punctuation dropped, blanks as hyphens.
            QStringList anchors;
            for (auto h = headingPattern.globalMatch(QString::fromUtf8(FileBytes(pages[static_cast<std::size_t>(target)].path))); h.hasNext();)
                anchors << h.next().captured(1).toLower().remove(dropped).replace(' ', '-');
            EXPECT_TRUE(anchors.contains(link.fragment(QUrl::FullyDecoded))) << link.toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace tremblo
