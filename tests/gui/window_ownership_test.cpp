// Windows that stay out of each other's way, headless: dialogs belong to
// the window in use, the enlarged view's navigator waits without blocking
// the others, the superposed graph is an ordinary window, the Fourier
// window forgets another record's spectra and the station list names the
// list that holds unsaved edits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "app/application.h"
#include "app/qt_platform.h"
#include "plot/windows/radio_group.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::SamplePath;

const std::string kKnetRecord = "samples/knet/AIC0012411051012.NS";

TEST(DialogOwner, IsTheActiveWindowElseTheMainWindow) {
    QWidget mainWindow, eventWindow;
    mainWindow.show();
    eventWindow.show();
    const struct {
        const char* name;
        QWidget* active;
        QWidget* owner;
    } cases[] = {
        {"the event window in use", &eventWindow, &eventWindow},
        {"the main window in use", &mainWindow, &mainWindow},
        {"no window of the program in use", nullptr, &mainWindow},
    };
    QtPlatform platform(&mainWindow);
    for (const auto& c : cases) {
        QApplication::setActiveWindow(c.active);
        const QWidget* parentSeen = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            parentSeen = box != nullptr ? box->parentWidget() : nullptr;
            if (box != nullptr) box->close();
        });
        platform.ShowMessage("text", "caption", MessageStyle::Plain);
        EXPECT_EQ(parentSeen, c.owner) << c.name;
    }
    QApplication::setActiveWindow(nullptr);
}

class OrdinaryWindowsTest : public ::testing::Test {
protected:
    OrdinaryWindowsTest() { EXPECT_EQ(app.Form1.OpenRecordFile(SamplePath(kKnetRecord)), LoadStatus::Loaded); }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
};

// While the navigator waits, no window is modal and the main window can load
// a record; the load ends the view, which leaves the spectrum window usable.
TEST_F(OrdinaryWindowsTest, TheNavigatorBlocksNoWindowAndALoadEndsTheView) {
    app.Form1.BtnSpect->click();
    bool modal = true, spectrumWindowStill = false, loaded = false;
    QTimer::singleShot(0, &app.NextStep, [&] {
        modal = QApplication::activeModalWidget() != nullptr;
        spectrumWindowStill = !app.Spect.isEnabled();
        loaded = app.Form1.OpenRecordFile(SamplePath(kKnetRecord)) == LoadStatus::Loaded;
    });
    app.Spect.CBLarge->click();
    EXPECT_FALSE(modal);
    EXPECT_TRUE(spectrumWindowStill) << "the spectrum window waits while its view runs";
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(app.NextStep.isVisible());
    EXPECT_FALSE(app.NextStep.choosing());
    EXPECT_FALSE(app.Large.isVisible());
    EXPECT_FALSE(app.Spect.CBLarge->isChecked());
    EXPECT_TRUE(app.Spect.isEnabled());
    EXPECT_FALSE(app.Super.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// Closing the spectrum window ends a view waiting in its navigator.
TEST_F(OrdinaryWindowsTest, ClosingTheSpectrumWindowEndsTheView) {
    app.Form1.BtnSpect->click();
    QTimer::singleShot(0, &app.NextStep, [&] { app.Spect.hide(); });
    app.Spect.CBLarge->click();
    EXPECT_FALSE(app.NextStep.isVisible());
    EXPECT_FALSE(app.Large.isVisible());
    EXPECT_TRUE(app.Spect.isEnabled());
}

TEST_F(OrdinaryWindowsTest, TheFourierWindowForgetsTheSpectraOfTheRecordBefore) {
    app.Form1.BtnFourier->click();
    TFourier& fourier = app.Fourier;
    ASSERT_FALSE(fourier.spectra().empty());
    for (QPushButton* b : {fourier.Button2, fourier.BtnGIF, fourier.BtnCSV}) EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(fourier.RGRatio->button(0)->isEnabled());

    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kKnetRecord)), LoadStatus::Loaded);
    EXPECT_TRUE(fourier.spectra().empty());
    for (QPushButton* b : {fourier.Button2, fourier.BtnGIF, fourier.BtnCSV}) EXPECT_FALSE(b->isEnabled());

    // One component: no H/V.
    app.Form1.CB3Compo->setChecked(false);
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kKnetRecord)), LoadStatus::Loaded);
    app.Form1.BtnFourier->click();
    EXPECT_EQ(fourier.spectra().componentCount(), 1);
    EXPECT_FALSE(fourier.RGRatio->button(0)->isEnabled());
    EXPECT_TRUE(fourier.BtnCSV->isEnabled());
}

TEST_F(OrdinaryWindowsTest, TheUnsavedEditsQuestionNamesTheListEdited) {
    TSiteList& list = app.SiteList;
    const struct {
        const char* name;
        bool knet, kiknet;
        const char* lists;
    } cases[] = {
        {"a K-NET row", true, false, "K-NET"},
        {"a KiK-net row", false, true, "KiK-net"},
        {"a row of each", true, true, "K-NET/KiK-net"},
    };
    for (const auto& c : cases) {
        app.Form1.Button2->click();
        list.CBEdit2->click();
        if (c.knet) list.StringGrid1->item(0, 1)->setText(QStringLiteral("x"));
        if (c.kiknet) list.StringGrid2->item(0, 1)->setText(QStringLiteral("x"));
        platform.messageAnswers = {MessageAnswer::Yes};
        const std::size_t before = platform.messages.size();
        list.Button1->click();
        ASSERT_EQ(platform.messages.size(), before + 1) << c.name;
        EXPECT_EQ(platform.messages.back().text,
                  std::string(c.lists) + "観測点リストの編集結果が保存されていません。\n観測点リストを閉じますか？")
            << c.name;
    }
}

}  // namespace
}  // namespace tremblo
