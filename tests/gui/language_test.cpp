// The language of the windows: Japanese unless asked, English from --lang,
// TREMBLO_LANG or the Help menu, and then no Japanese caption anywhere.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "app/language/language.h"
#include "common/translation.h"
#include "record/windows/record_info_panel.h"
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
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(c)) Collect(where, header->text(), found);
        } else if (auto* view = qobject_cast<QTableView*>(w); view && view->model()) {
            // A table of its own model: the column headers and their hints.
            const QAbstractItemModel& model = *view->model();
            for (int c = 0; c < model.columnCount(); ++c)
                for (const int role : {Qt::DisplayRole, Qt::ToolTipRole})
                    Collect(where + " header", model.headerData(c, Qt::Horizontal, role).toString(), found);
        }
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) Collect(where + " item", combo->itemText(i), found);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) Collect(where + " placeholder", edit->placeholderText(), found);
        if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && text->isReadOnly())
            Collect(where, text->toPlainText(), found);
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
    // The event window as it stands after reading a folder: its status and counts said.
    ASSERT_TRUE(app.EventList.OpenEvent(SamplePath("samples/knet")));
    QElapsedTimer clock;
    clock.start();
    while (app.EventList.reading() && clock.elapsed() < 60000) QTest::qWait(20);
    EXPECT_FALSE(app.EventList.reading());
    // Every window of the program.
    for (QWidget* window : std::initializer_list<QWidget*>{&app.Form1, &app.Spect, &app.HowTo, &app.AboutBox, &app.Wait,
                                                           &app.Large, &app.NextStep, &app.Super, &app.SiteList,
                                                           &app.Synthe, &app.HRSMList, &app.SdSa, &app.EventList,
                                                           &app.Fourier}) {
        const QStringList found = JapaneseCaptions(*window);
        EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
    }
}

// What a load writes into the record information is English too (record
// data aside), the JMA intensity among it, and every label keeps its place.
TEST(EnglishWindows, RecordInformationAfterALoad) {
    const auto english = InstallLanguage(Language::English);
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    const RecordInfoPanel& panel = *app.Form1.infoPanel();
    const struct {
        void (TForm1::*format)();
        const char* sample;
        const char* label;
        const char* expected;  // how the label starts
    } loads[] = {
        {&TForm1::KNETClick, "samples/knet/AIC0012411051012.NS", "LabelIntensity", "JMA intensity "},
        {&TForm1::BOSAIClick, "samples/cdpc/CDPC_SYNTH.ud", "Label6", "No data"},
        {&TForm1::HiroshimaClick, "samples/hiroshima/HFD01_241105.ns", "LabelIntensity", "JMA intensity "},
    };
    for (const auto& load : loads) {
        (app.Form1.*load.format)();
        EXPECT_FALSE(HasJapanese(panel.valueLabel("Label14")->text())) << panel.valueLabel("Label14")->text().toStdString();
        ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(load.sample)), LoadStatus::Loaded) << load.sample;
        const QString text = panel.valueLabel(load.label)->text();
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(load.expected))) << text.toStdString();
        // Label25 holds the station directory's "標高 3m" for K-NET stations.
        for (const char* name : {"Label6", "Label7", "Label9", "Label10", "Label25", "Label28", "Label30", "LabelIntensity"})
            EXPECT_FALSE(HasJapanese(panel.valueLabel(name)->text())) << name << " " << load.sample;
        for (const QLabel* label : panel.findChildren<QLabel*>()) {
            if (label->objectName().isEmpty() || label->objectName() == "LabelIntensity") {
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
            }
            EXPECT_LE(label->geometry().right(), panel.width()) << label->text().toStdString();
        }
    }
    EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
}

// The station lists filled and the synthesis tool waiting for its file.
TEST(EnglishWindows, StationListsAndSynthesisInUse) {
    const auto english = InstallLanguage(Language::English);
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    app.SiteList.FillAndShow();
    app.HRSMList.Fill();
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    app.Synthe.Open();
    for (QWidget* window : std::initializer_list<QWidget*>{&app.SiteList, &app.HRSMList, &app.Synthe}) {
        const QStringList found = JapaneseCaptions(*window);
        EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
    }
    // Captions and buttons show their whole text.
    for (QWidget* window : std::initializer_list<QWidget*>{&app.SiteList, &app.Synthe})
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            int needed = 0;  // the text's width and what the widget draws beside it
            QString text;
            if (auto* box = qobject_cast<const QCheckBox*>(w)) {
                text = box->text();
                needed = box->sizeHint().width();
            } else if (auto* button = qobject_cast<const QPushButton*>(w)) {
                text = button->text();
                needed = button->fontMetrics().horizontalAdvance(text) + 8;
            } else if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().contains('/')) {
                text = label->text();  // (paths are elided on purpose)
                needed = label->fontMetrics().horizontalAdvance(text);
            }
            EXPECT_LE(needed, w->width()) << text.toStdString();
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
