// The language of the windows: Japanese unless asked, English from --lang,
// TREMBLO_LANG or the Help menu, and then no Japanese caption anywhere.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/application.h"
#include "app/language/language.h"
#include "common/translation.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::SamplePath;

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

void Collect(const QString& where, const QString& text, QStringList& found) {
    if (HasJapanese(text)) found << where + ": " + text;
}

void CollectMenu(const QString& where, const QMenu& menu, QStringList& found) {
    Collect(where + " menu", menu.title(), found);
    for (const QAction* item : menu.actions()) {
        if (item->objectName() == "LanguageJapanese") continue;  // 日本語 names itself in Japanese
        Collect(where + " menu item", item->text(), found);
        Collect(where + " menu item tip", item->toolTip(), found);
        if (item->menu()) CollectMenu(where, *item->menu(), found);
    }
}

// Every caption, title, hint and menu text a window shows before a record
// is read (record data such as place names are no captions).
QStringList JapaneseCaptions(QWidget& window) {
    QStringList found;
    const QString name = window.metaObject()->className();
    Collect(name + " title", window.windowTitle(), found);
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString where = name + "/" + w->metaObject()->className() + " " + w->objectName();
        Collect(where + " tip", w->toolTip(), found);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) Collect(where, button->text(), found);
        if (auto* label = qobject_cast<QLabel*>(w)) Collect(where, label->text(), found);
        if (auto* group = qobject_cast<QGroupBox*>(w)) Collect(where, group->title(), found);
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(c)) Collect(where, header->text(), found);
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (const QAction* menu : bar->actions())
                if (menu->menu()) CollectMenu(where, *menu->menu(), found);
    }
    return found;
}

TEST(LanguageChoice, OptionThenEnvironmentThenMenuThenJapanese) {
    constexpr auto en = Language::English, ja = Language::Japanese;
    struct Case {
        std::optional<Language> option;
        const char* environment;
        std::optional<Language> remembered;
        Language expected;
        bool problem;
    } cases[] = {
        {std::nullopt, nullptr, std::nullopt, ja, false},  // whatever the locale
        {std::nullopt, "", std::nullopt, ja, false},
        {std::nullopt, nullptr, en, en, false},
        {std::nullopt, "EN", ja, en, false},
        {std::nullopt, "ja", en, ja, false},
        {ja, "en", en, ja, false},
        {en, nullptr, ja, en, false},
        {std::nullopt, "de_DE.UTF-8", en, en, true},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(ChooseLanguage(c.option, c.environment, c.remembered, &problem), c.expected)
            << (c.environment ? c.environment : "(no TREMBLO_LANG)");
        EXPECT_EQ(!problem.empty(), c.problem) << problem;
    }
}

TEST(LanguageChoice, HelpMenuChoiceIsRememberedForTheNextStart) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    auto* english = app.Form1.findChild<QAction*>("LanguageEnglish");
    auto* japanese = app.Form1.findChild<QAction*>("LanguageJapanese");
    ASSERT_TRUE(english && japanese);
    EXPECT_TRUE(japanese->isChecked());
    english->trigger();
    EXPECT_EQ(RememberedLanguage(), Language::English);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(HasJapanese(QString::fromStdString(platform.messages[0].text)));  // said in the chosen language
    japanese->trigger();
    EXPECT_EQ(RememberedLanguage(), Language::Japanese);
    EXPECT_EQ(platform.messages.size(), 1u);  // the language in use: nothing changes, nothing to say
}

TEST(EnglishWindows, ShowNoJapaneseCaption) {
    const auto english = InstallLanguage(Language::English);
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    EXPECT_TRUE(app.Form1.findChild<QAction*>("LanguageEnglish")->isChecked());
    for (QWidget* window : std::initializer_list<QWidget*>{&app.Form1, &app.Spect, &app.SdSa, &app.Large, &app.Super,
                                                          &app.NextStep, &app.Fourier}) {
        const QStringList found = JapaneseCaptions(*window);
        EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
    }
}

TEST(EnglishWindows, PicturesKeepTheirJapaneseUnlessAsked) {
    {
        const auto english = InstallLanguage(Language::English);
        EXPECT_EQ(TrPicture("plot", "加速度"), "加速度");
    }
    const auto english = InstallLanguage(Language::English, true);
    EXPECT_NE(TrText("tremblo::TForm1", "終　了"), "終　了");
    EXPECT_EQ(TrText("tremblo::TForm1", "終　了"), TrPicture("tremblo::TForm1", "終　了"));
}

}  // namespace
}  // namespace tremblo
