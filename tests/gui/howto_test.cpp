// The usage window: the usage text's sections, and the reference pages
// (README.md and doc/*.md) built in, each shown with its title, their links
// leading from page to page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextBrowser>

#include "app/windows/howto_window.h"
#include "app/windows/reference_pages.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::SamplePath;

TEST(HowToPageTitle, FirstHeadingOrTheManualPagesNameLine) {
    const struct {
        const char* file;
        const char* markdown;
        const char* title;
    } cases[] = {
        {"using.md", "# Using the program\n\nThe windows.\n", "Using the program"},
        {"batch.md", "Some words first\n\n# The batch\n## Running\n", "The batch"},
        {"x.md", "<!-- a comment\n# not the title\n-->\n# The title\n", "The title"},
        {"x.md", "<!-- one line -->\n## A subsection\n# The title\n", "The title"},
        {"tremblo.1.md", "<!-- page -->\n# NAME\n\ntremblo - strong-motion records\n\n# SYNOPSIS\n",
         "tremblo - strong-motion records"},
        {"tremblo-batch.1.md", "# NAME\n\n# SYNOPSIS\n", "tremblo-batch.1.md"},
        {"notes.md", "# NAME\n\nnot a manual page\n", "NAME"},
        {"x.md", "# The `tremblo-batch` **front** *end*\r\nText\r\n", "The tremblo-batch front end"},
        {"x.md", "#Not a heading\n   # nor this\n## Nor a subsection\n", "x.md"},
        {"empty.md", "", "empty.md"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReferencePageTitle(QString::fromUtf8(c.file), QString::fromUtf8(c.markdown)).toStdString(), c.title)
            << c.file << ": " << c.markdown;
}

TEST(HowToPageLinks, RelativeLinksLeadToTheBuiltInPages) {
    const std::vector<ReferencePage> pages{{":/README.md", "README"}, {":/doc/using.md", "Using"}, {":/doc/batch.md", "Batch"}};
    const struct {
        const char* from;
        const char* link;
        int page;
    } cases[] = {
        {"qrc:/doc/using.md", "batch.md", 2},
        {"qrc:/doc/using.md", "batch.md#names-files-and-signals", 2},
        {"qrc:/doc/using.md", "../README.md", 0},
        {"qrc:/doc/using.md", "./../doc/batch.md", 2},
        {"qrc:/README.md", "doc/using.md", 1},
        {"qrc:/doc/using.md", "#the-spectrum-window", 1},
        {"qrc:/doc/using.md", "formats.md", -1},
        {"qrc:/doc/using.md", "https://example.org/doc/batch.md", -1},
        {"qrc:/README.md", "using.md", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkedPage(pages, QUrl(QString::fromUtf8(c.from)), QUrl(QString::fromUtf8(c.link))), c.page)
            << c.from << " -> " << c.link;
}

// The section of the usage text that starts with `heading`, up to the next one.
QString Section(const QString& text, const QString& heading) {
    const qsizetype start = text.indexOf(heading);
    if (start < 0) return {};
    const qsizetype end = text.indexOf(QStringLiteral("■"), start + 1);
    return text.mid(start, end < 0 ? -1 : end - start);
}

TEST(HowToWindow, UsageTextDescribesTheEventFourierAndTargetWindows) {
    THowTo window;
    const QString text = window.Memo1->toPlainText();
    const struct {
        const char* heading;
        std::vector<const char*> words;
    } sections[] = {
        {"■ イベント一覧", {"イベントを開く...", "イベントのフォルダを開く...", "震央距離", "計測震度", "絞り込み", "中　止",
                            "波形表示", "地図", "震央", "--summary", "PNGﾌｧｲﾙ"}},
        {"■ フーリエスペクトル", {"ﾌｰﾘｴｽﾍﾟｸﾄﾙ", "Konno-Ohmachi", "平滑化 b", "5%テーパー", "生スペクトル", "H/V",
                                  "地表/地中", "NS1", "NS2"}},
        {"■ 目標スペクトル", {"告示 安全限界", "告示 損傷限界", "第1461号", "地震地域係数", "ファイル...", "3つ", "消去",
                              "(擬似)"}},
        {"■ リファレンス", {"README", "tremblo-batch"}},
    };
    for (const auto& s : sections) {
        const QString section = Section(text, QString::fromUtf8(s.heading));
        ASSERT_FALSE(section.isEmpty()) << s.heading;
        for (const char* word : s.words) EXPECT_TRUE(section.contains(QString::fromUtf8(word))) << s.heading << ": " << word;
    }
    // The sections that were there stay, in their order, the new ones after the usage.
    qsizetype last = -1;
    for (const char* heading : {"■ このプログラムについて", "■ 使い方", "■ イベント一覧", "■ フーリエスペクトル",
                                "■ 目標スペクトル", "■ リファレンス", "■ ご注意", "■ 更新履歴"}) {
        const qsizetype at = text.indexOf(QString::fromUtf8(heading));
        EXPECT_GT(at, last) << heading;
        last = at;
    }
}

// Every page of doc/ and the README, as the source tree holds them.
QSet<QString> PagesInTheSourceTree() {
    QSet<QString> pages{QStringLiteral(":/README.md")};
    const QDir doc(QString::fromStdString(SamplePath("doc")));
    for (const QString& name : doc.entryList({QStringLiteral("*.md")}, QDir::Files)) pages.insert(":/doc/" + name);
    return pages;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HowToWindow, ShowsEveryReferencePageWithItsTitle) {
    THowTo window;
    const std::vector<ReferencePage>& pages = window.referencePages();
    QSet<QString> shown;
    for (const ReferencePage& page : pages) shown.insert(page.path);
    EXPECT_EQ(shown, PagesInTheSourceTree());
    ASSERT_GE(pages.size(), 9u);
    EXPECT_EQ(pages[0].path, QStringLiteral(":/README.md"));
    EXPECT_EQ(pages[1].path, QStringLiteral(":/doc/using.md"));
    ASSERT_EQ(window.PageList->count(), static_cast<int>(pages.size()));

    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        const ReferencePage& page = pages[static_cast<std::size_t>(i)];
        SCOPED_TRACE(page.path.toStdString());
        // The page built in is the file of the source tree, byte for byte.
        const QString onDisk = QString::fromStdString(SamplePath(page.path.mid(2).toStdString()));
        EXPECT_EQ(FileBytes(page.path), FileBytes(onDisk));
        EXPECT_FALSE(page.title.isEmpty());
        EXPECT_FALSE(page.title.endsWith(QStringLiteral(".md"))) << page.title.toStdString();  // a heading found
        EXPECT_TRUE(window.PageList->itemText(i).startsWith(page.title));

        window.ShowReferencePage(i);
        EXPECT_EQ(window.Tabs->currentIndex(), 1);
        EXPECT_EQ(window.PageList->currentIndex(), i);
        EXPECT_EQ(window.Reference->source(), page.url());
        const QString text = window.Reference->toPlainText();
        EXPECT_GT(text.size(), 500);
        EXPECT_TRUE(text.contains(page.title)) << page.title.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("<!--")));
        EXPECT_FALSE(text.contains(QStringLiteral("](")));  // links drawn as links, not as their Markdown
    }
}

TEST(HowToWindow, TheReferenceTabOpensOnTheReadme) {
    THowTo window;
    EXPECT_EQ(window.Tabs->currentIndex(), 0);
    EXPECT_TRUE(window.Reference->source().isEmpty());
    window.Tabs->setCurrentIndex(1);
    EXPECT_EQ(window.Reference->source(), QUrl(QStringLiteral("qrc:/README.md")));
    EXPECT_TRUE(window.Reference->toPlainText().contains(QStringLiteral("./run.sh")));
}

int PageIndex(const THowTo& window, const char* path) {
    const auto& pages = window.referencePages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].path == QString::fromUtf8(path)) return static_cast<int>(i);
    return -1;
}

TEST(HowToWindow, LinksOpenThePagesTheyName) {
    THowTo window;
    const struct {
        const char* link;
        const char* page;  // shown after the click
    } clicks[] = {
        {"batch.md#names-files-and-signals", ":/doc/batch.md"},
        {"https://example.org/", ":/doc/batch.md"},  // not a page: nothing changes
        {"computations.md", ":/doc/computations.md"},
        {"tremblo.1.md", ":/doc/tremblo.1.md"},
        {"../README.md", ":/README.md"},
        {"doc/formats.md#the-station-directory", ":/doc/formats.md"},
        {"missing.md", ":/doc/formats.md"},
    };
    window.ShowReferencePage(PageIndex(window, ":/doc/using.md"));
    for (const auto& click : clicks) {
        window.FollowLink(QUrl(QString::fromUtf8(click.link)));
        const int expected = PageIndex(window, click.page);
        ASSERT_GE(expected, 0) << click.page;
        EXPECT_EQ(window.PageList->currentIndex(), expected) << click.link;
        EXPECT_EQ(window.Reference->source().adjusted(QUrl::RemoveFragment),
                  window.referencePages()[static_cast<std::size_t>(expected)].url())
            << click.link;
    }
}

// The anchor a code forge gives a heading: lower case, punctuation but
// hyphens and underscores dropped, blanks as hyphens.
QString HeadingAnchor(const QString& heading) {
    static const QRegularExpression dropped(QStringLiteral(R"([^\p{L}\p{M}\p{N}\p{Pc}\- ])"));
    QString anchor = heading.toLower();
    anchor.remove(dropped);
    anchor.replace(QLatin1Char(' '), QLatin1Char('-'));
    return anchor;
}

TEST(HowToPageLinks, EveryLinkOfEveryPageFindsItsPageAndHeading) {
    const std::vector<ReferencePage> pages = BuiltInReferencePages();
    ASSERT_FALSE(pages.empty());
    static const QRegularExpression linkPattern(QStringLiteral(R"(\]\(([^)\s]+)\))"));
    static const QRegularExpression headingPattern(QStringLiteral(R"(^#+ (.*)$)"), QRegularExpression::MultilineOption);
    int links = 0;
    for (const ReferencePage& page : pages) {
        const QString text = QString::fromUtf8(FileBytes(page.path));
        for (auto it = linkPattern.globalMatch(text); it.hasNext();) {
            const QUrl link(it.next().captured(1));
            ++links;
            if (!link.scheme().isEmpty()) continue;  // an address on the web
            const int target = LinkedPage(pages, page.url(), link);
            ASSERT_GE(target, 0) << page.path.toStdString() << ": " << link.toString().toStdString();
            if (!link.hasFragment()) continue;
            QSet<QString> anchors;
            const QString targetText = QString::fromUtf8(FileBytes(pages[static_cast<std::size_t>(target)].path));
            for (auto h = headingPattern.globalMatch(targetText); h.hasNext();) anchors.insert(HeadingAnchor(h.next().captured(1)));
            EXPECT_TRUE(anchors.contains(link.fragment(QUrl::FullyDecoded)))
                << page.path.toStdString() << ": " << link.toString().toStdString();
        }
    }
    EXPECT_GT(links, 30);
}

TEST(HowToPageLinks, HeadingAnchorsAreTheForgesOnes) {
    const struct {
        const char* heading;
        const char* anchor;
    } cases[] = {
        {"Whole events: the summary table", "whole-events-the-summary-table"},
        {"Fourier spectra and spectral ratios: --fas, --hv, --borehole-ratio",
         "fourier-spectra-and-spectral-ratios---fas---hv---borehole-ratio"},
        {"Fourier spectra and Konno–Ohmachi smoothing", "fourier-spectra-and-konnoohmachi-smoothing"},
        {"The station lists (観測点リスト)", "the-station-lists-観測点リスト"},
        {"RotD50/RotD100", "rotd50rotd100"},
    };
    for (const auto& c : cases) EXPECT_EQ(HeadingAnchor(QString::fromUtf8(c.heading)).toStdString(), c.anchor) << c.heading;
}

}  // namespace
}  // namespace tremblo
