// The enlarged, navigator and superposed windows with the spectrum window,
// headless: the view's start and end, the superposed window's buttons and
// saves, and the Qt navigator itself.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/application.h"
#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "support/scripted_navigator.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::SamplePath;

bool Inked(const RgbImage& picture) {
    for (std::size_t i = 0; i < picture.rgb.size(); ++i)
        if (picture.rgb[i] != 0xFF) return true;
    return false;
}

class EnlargedViewsTest : public ::testing::Test {
protected:
    EnlargedViewsTest() {
        EXPECT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
        app.Form1.BtnSpect->click();
        spect.navigator = &navigator;
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TSpect& spect = app.Spect;
    testing::ScriptedNavigator navigator;
};

TEST_F(EnlargedViewsTest, TickingEnlargedStepsThroughAndEndsInTheThreePanelView) {
    ASSERT_TRUE(spect.CBLarge->isEnabled());
    std::vector<bool> largeShown;
    navigator.choices = {kChoiceNext, kChoiceNext, kChoiceNext};
    navigator.onShow = [&] {
        largeShown.push_back(app.Large.isVisible());
        EXPECT_TRUE(Inked(app.Large.MyGraph1->Picture()));
        EXPECT_FALSE(Inked(spect.MyGraph1->Picture()));  // the three panels wait
    };
    const int redraws = spect.redrawCount();
    spect.CBLarge->click();
    EXPECT_EQ(largeShown, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(spect.CBLarge->isChecked());
    EXPECT_FALSE(spect.enlargedView);
    EXPECT_FALSE(app.Large.isVisible());
    EXPECT_EQ(spect.redrawCount(), redraws + 1);
    EXPECT_TRUE(Inked(spect.MyGraph1->Picture()));
    EXPECT_EQ(app.Large.MyGraph1->graph().TitleY, "SD AIC001 NS   2024/11/05 10:12:00");
}

TEST_F(EnlargedViewsTest, SuperposedWindowButtonsAndPictures) {
    testing::TempFolder folder;
    spect.spectrumSaveDir = "/somewhere";
    EXPECT_FALSE(app.Super.BtnSPGIF->isEnabled());
    EXPECT_FALSE(app.Super.Button1->isEnabled());
    navigator.choices = {kChoiceNewSuperposed, kChoiceSaveEnlarged, kChoiceSaveSuperposed, kChoiceAddSuperposed};
    platform.saveAnswers = {folder / "large", folder / "super"};
    spect.CBLarge->click();
    EXPECT_TRUE(app.Super.isVisible());
    EXPECT_TRUE(app.Super.BtnSPGIF->isEnabled());
    EXPECT_TRUE(app.Super.Button1->isEnabled());
    EXPECT_EQ(spect.enlargedState.overlayCount, 1);
    ASSERT_EQ(platform.saveRequests.size(), 2u);
    for (const SaveDialogRequest& request : platform.saveRequests) {
        EXPECT_EQ(request.initialName, "AIC001-202411051012rsp.png");
        EXPECT_EQ(request.initialFolder, SamplePath("samples/knet"));  // the record's, not the remembered one
    }
    EXPECT_EQ(platform.saveRequests[0].filter, "PNGﾌｧｲﾙ(*.png)|*.PNG|すべて(*.*)|*.*");
    EXPECT_EQ(platform.saveRequests[1].filter, "PNGﾌｧｲﾙ(*.png)|*.png|すべて(*.*)|*.*");
    EXPECT_EQ(spect.spectrumSaveDir, "/somewhere");
    EXPECT_EQ(testing::ReadWholeFile(folder / "large.png").substr(1, 3), "PNG");
    EXPECT_EQ(testing::ReadWholeFile(folder / "super.png").substr(1, 3), "PNG");

    app.Super.Button2->click();
    EXPECT_EQ(platform.clipboard.size(), 1u);
    EXPECT_EQ(platform.clipboard[0].width, 345);
    app.Super.Button1->click();
    EXPECT_FALSE(app.Super.isVisible());
}

// Window managers raise a dialog's parent with it: the navigator's must be
// the enlarged graph, or the spectrum window (clicked last) would cover the
// part of the graph that overlaps it on a small screen.
TEST(NextStepWindow, BelongsToTheEnlargedGraph) {
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    app.Form1.BtnSpect->click();
    const QWindow* parent = nullptr;
    QTimer::singleShot(0, &app.NextStep, [&] {
        parent = app.NextStep.windowHandle()->transientParent();
        app.NextStep.Button3->click();
    });
    app.Spect.CBLarge->click();
    ASSERT_NE(app.Large.windowHandle(), nullptr);
    EXPECT_EQ(parent, app.Large.windowHandle());
}

TEST(NextStepWindow, ButtonsLeaveTheirChoiceAndTheCloseBoxNone) {
    TNextStep next;
    int copies = 0;
    next.copyEnlarged = [&] { ++copies; };
    next.copySuperposed = [&] { copies += 10; };
    const auto chooseBy = [&](const std::function<void()>& act) {
        QTimer::singleShot(0, &next, act);
        return next.Choose();
    };
    EXPECT_EQ(chooseBy([&] { next.Button6->click(); }), kChoiceAddSuperposed);
    EXPECT_EQ(chooseBy([&] { next.Button7->click(); }), kChoiceSaveSuperposed);
    EXPECT_EQ(chooseBy([&] { next.Button10->click(); }), kChoiceClose);
    EXPECT_EQ(chooseBy([&] {
                  next.Button8->click();
                  next.Button9->click();
                  next.Button2->click();
              }),
              kChoiceBack);
    EXPECT_EQ(copies, 11);
    EXPECT_EQ(chooseBy([&] { next.close(); }), std::nullopt);
    EXPECT_EQ(next.Button5->toolTip(), QString::fromUtf8("現在の拡大図で新規にｽﾍﾟｸﾄﾗﾑを作成"));
}

}  // namespace
}  // namespace tremblo
