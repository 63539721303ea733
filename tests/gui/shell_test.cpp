#include "app/application.h"
#include "app/qt_platform.h"
#include "app/language/qt_translations.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "plot/windows/clickable_label.h"
#include "record/windows/record_info_panel.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::SamplePath;

QAction* MenuItem(QMainWindow& window, const QString& text) {
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            if (item->text() == text) return item;
    return nullptr;
}

class ShellTest : public ::testing::Test {
protected:
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
};

TEST_F(ShellTest, ExitQuestionNoKeepsEverything) {
    app.Form1.show();
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    platform.messageAnswers.push_back(MessageAnswer::No);
    app.Form1.Button1->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "プログラムを終了します．よろしいですか？");
    EXPECT_EQ(platform.messages[0].caption, "プログラム終了");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::YesNo);
    EXPECT_TRUE(app.Form1.isVisible());
    EXPECT_EQ(app.Form1.infoPanel()->valueLabel("Label13")->text(), "AIC001");

    platform.messageAnswers.push_back(MessageAnswer::Yes);
    MenuItem(app.Form1, QString::fromUtf8("終了(&Q)"))->trigger();
    EXPECT_FALSE(app.Form1.isVisible());
}

// With unsaved station-list edits the list asks before the main window
// closes; No keeps both open, Yes closes the main window and asks no more.
TEST_F(ShellTest, QuittingAsksAboutStationListEditsFirst) {
    app.Form1.show();
    app.Form1.Button2->click();
    app.SiteList.CBEdit2->click();
    platform.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    app.Form1.Button1->click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].caption, "観測点リストを閉じる");
    EXPECT_TRUE(app.Form1.isVisible());
    EXPECT_TRUE(app.SiteList.isVisible());

    platform.messageAnswers = {MessageAnswer::Yes};
    app.Form1.close();  // the close box
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_FALSE(app.Form1.isVisible());
    app.SiteList.close();  // as the program's end closes it: no second question
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_FALSE(app.SiteList.isVisible());
}

TEST(ShellStart, QtsOwnDialogTextsAreJapanese) {
    const auto translations = InstallQtJapaneseTranslations();
    ASSERT_NE(translations, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
    for (const auto& [context, text] : {std::pair{"QFileDialog", "Open"}, std::pair{"QPlatformTheme", "Cancel"},
                                        std::pair{"QMessageBox", "Show Details..."}})
        EXPECT_NE(QCoreApplication::translate(context, text), QString::fromUtf8(text)) << context << " " << text;
}

TEST_F(ShellTest, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen) {
    app.Form1.show();
    app.HowTo.show();
    app.AboutBox.show();
    app.Spect.show();
    // The event loop ends when the main window closes (its close box), or
    // the guard ends it after 5 s.
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        guardFired = true;
        QCoreApplication::quit();
    });
    guard.start(5000);
    QTimer::singleShot(0, &app.Form1, [&] { app.Form1.close(); });
    QCoreApplication::exec();
    EXPECT_FALSE(guardFired);
}

TEST(ShellStart, DialogFiltersShowEachPatternOnce) {
    EXPECT_EQ(ToQtFilter("PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*"),
              QString::fromUtf8("PNGﾌｧｲﾙ (*.png *.PNG);;すべて (*.*)"));
    EXPECT_EQ(ToQtFilter("CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt"), QString::fromUtf8("CSVﾌｧｲﾙ (*.csv *.CSV);;ﾃｷｽﾄﾌｧｲﾙ (*.txt *.TXT)"));
}

TEST(ShellStart, AnErrorWhileTheWindowsAreCreatedIsReportedAndGivesNoWindows) {
    testing::ScriptedPlatform platform;
    const auto windows = CreateWindowsReportingErrors(platform, []() -> std::unique_ptr<Application> {
        throw std::bad_alloc();
    });
    EXPECT_EQ(windows, nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "起動エラー");
    EXPECT_EQ(platform.messages[0].text.rfind("プログラムを起動できません", 0), 0u);
    EXPECT_NE(CreateWindowsReportingErrors(platform, [&] {
                  return std::make_unique<Application>(platform, SamplePath("data/DATA"));
              }),
              nullptr);
}

TEST_F(ShellTest, UsageAndVersionWindowsAreCreatedOnceAndOnlyShown) {
    MenuItem(app.Form1, QString::fromUtf8("使い方(&T)"))->trigger();
    EXPECT_TRUE(app.HowTo.isVisible());
    EXPECT_EQ(app.HowTo.windowTitle(), QString::fromUtf8("使い方"));
    EXPECT_TRUE(app.HowTo.Memo1->toPlainText().contains("TREMBLO Ver 4.2"));
    EXPECT_TRUE(app.HowTo.Memo1->toPlainText().contains(QString::fromUtf8("(8) ダウンロードリンク")));
    QCoreApplication::processEvents();  // let the text lay itself out
    app.HowTo.Memo1->verticalScrollBar()->setValue(40);
    app.HowTo.Image1Click();
    EXPECT_FALSE(app.HowTo.isVisible());
    app.Tutorial1Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.HowTo.isVisible());
    // The same window, scrolled down as it was (a new one would start at the top).
    EXPECT_GT(app.HowTo.Memo1->verticalScrollBar()->value(), 0);

    MenuItem(app.Form1, QString::fromUtf8("バージョン情報(&V)"))->trigger();
    EXPECT_TRUE(app.AboutBox.isVisible());
    EXPECT_EQ(app.AboutBox.windowTitle(), QString::fromUtf8("バージョン情報"));
    EXPECT_EQ(app.AboutBox.Version->text(), "TREMBLO  Ver 4.2");
    app.AboutBox.ProgramIconClick();
    EXPECT_FALSE(app.AboutBox.isVisible());
}

TEST_F(ShellTest, LinksOpenPagesAndReportABrowserThatFails) {
    app.Form1.Label21Click();
    app.Form1.Label32Click();
    app.AboutBox.Label1Click();
    ASSERT_EQ(platform.events.size(), 3u);
    EXPECT_EQ(platform.events[0].rfind("url:https://", 0), 0u);
    EXPECT_NE(platform.events[0], platform.events[1]);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(app.Form1.Label26->text(), "KiK-net");
    EXPECT_EQ(app.Form1.Label26->toolTip(), QString::fromUtf8("KiK-netダウンロードページへリンク"));

    platform.urlOpens = false;
    app.Form1.Label26Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "インターネットエクスプローラの起動に失敗しました　　　　");
    EXPECT_EQ(platform.messages[0].caption, "readme.htm呼び出しエラー");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
}

TEST_F(ShellTest, WaitWindowShowsTheCallersText) {
    app.Wait.ShowWithText(QString::fromUtf8("地震波形データを処理しています・・・・"));
    EXPECT_TRUE(app.Wait.isVisible());
    EXPECT_EQ(app.Wait.Label1->text(), QString::fromUtf8("地震波形データを処理しています・・・・"));
    EXPECT_EQ(app.Wait.windowTitle(), QString::fromUtf8("　　お待ちください"));
    app.Wait.hide();
}

}  // namespace
}  // namespace tremblo
