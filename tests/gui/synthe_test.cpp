#include "tools/windows/synthe.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/application.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "tools/horizontal_synthesis.h"

namespace tremblo {
namespace {

using testing::SamplePath;

const char* kSample = "samples/knet/AIC0012411051012.NS";

class SyntheTest : public ::testing::Test {
protected:
    // The main window's 合成波形 after a three-component load.
    void OpenTool() {
        ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kSample)), LoadStatus::Loaded);
        app.Form1.Button3->click();
        ASSERT_TRUE(app.Synthe.isVisible());
        platform.messages.clear();
    }

    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    TSynthe& w = app.Synthe;
    testing::TempFolder temp;
};

TEST_F(SyntheTest, MainButtonFollowsTheComponentCountAndOpensTheTool) {
    EXPECT_EQ(app.Form1.Button3->toolTip(), QString::fromUtf8("水平成分を合成した波形作成"));
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("水平成分波形の合成"));
    EXPECT_FALSE(app.Form1.Button3->isEnabled());
    EXPECT_FALSE(w.Button1->isEnabled());
    app.Form1.CB3Compo->setChecked(false);
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kSample)), LoadStatus::Loaded);
    EXPECT_FALSE(app.Form1.Button3->isEnabled());
    app.Form1.CB3Compo->setChecked(true);
    OpenTool();
    EXPECT_TRUE(app.Form1.Button3->isEnabled());
    EXPECT_EQ(w.defaultName(), "AIC0012411051012.045");
    EXPECT_EQ(w.defaultExtension(), "045");
    EXPECT_EQ(w.Label8->text(), QString::fromUtf8(synthesis_text::kPressOutputFile));
    w.Edit1->setText("7");
    EXPECT_EQ(w.defaultExtension(), "007");
    w.Edit1->setText("");  // while typing: no message, nothing changes
    EXPECT_EQ(w.defaultExtension(), "007");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SyntheTest, OutputFileChecksThenExecutionWritesTheFile) {
    OpenTool();
    const std::string good = temp / "AIC0012411051012.045";
    const struct {
        std::string path;
        std::vector<MessageAnswer> answers;
        const char* caption;  // of the one message shown, or "" for none
        bool accepted;
    } steps[] = {{temp / "a.b/x.045", {}, synthesis_text::kBadExtensionCaption, false},
                 {temp / "x.046", {MessageAnswer::Cancel}, synthesis_text::kExtensionNotAzimuthCaption, false},
                 {temp / "x.046", {MessageAnswer::Ok}, synthesis_text::kExtensionNotAzimuthCaption, true},
                 {good, {}, "", true}};
    for (const auto& step : steps) {
        platform.messages.clear();
        w.Button1->setEnabled(false);
        w.Button3->setEnabled(true);
        platform.saveAnswers.push_back(step.path);
        platform.messageAnswers.assign(step.answers.begin(), step.answers.end());
        w.Button3->click();
        EXPECT_EQ(platform.saveRequests.back().initialName, "AIC0012411051012.045");
        EXPECT_EQ(platform.saveRequests.back().defaultExtension, "045");
        EXPECT_EQ(w.Label6->text().toStdString(), step.path);
        ASSERT_EQ(platform.messages.size(), *step.caption ? 1u : 0u) << step.path;
        if (*step.caption) {
            EXPECT_EQ(platform.messages[0].caption, step.caption);
        }
        EXPECT_EQ(w.Button1->isEnabled(), step.accepted) << step.path;
        EXPECT_EQ(w.Button3->isEnabled(), !step.accepted) << step.path;
    }
    EXPECT_EQ(w.Label8->text(), QString::fromUtf8(synthesis_text::kPressExecute));
    w.Button1->click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w.Label8->text(), QString::fromUtf8(synthesis_text::kWritten));
    EXPECT_FALSE(w.Button1->isEnabled());
    EXPECT_TRUE(w.Button3->isEnabled());
    // The file opens as a one-component record in the main window.
    app.Form1.CB3Compo->setChecked(false);
    ASSERT_EQ(app.Form1.OpenRecordFile(good), LoadStatus::Loaded);
    EXPECT_EQ(app.Form1.session().record().componentCount, 1);
}

// A file chosen for one azimuth or one record is no target for another:
// changing either asks for the file again, and the record's own component
// files are refused as output.
TEST_F(SyntheTest, ChangingAzimuthOrRecordAsksForTheFileAgain) {
    OpenTool();
    const auto choose = [&](const std::string& path) {
        platform.saveAnswers.push_back(path);
        w.Button3->click();
        return w.Button1->isEnabled();
    };
    ASSERT_TRUE(choose(temp / "AIC0012411051012.045"));
    w.Edit1->setText("90");
    EXPECT_FALSE(w.Button1->isEnabled());
    EXPECT_TRUE(w.Button3->isEnabled());
    EXPECT_EQ(w.Label8->text(), QString::fromUtf8(synthesis_text::kPressOutputFile));
    EXPECT_TRUE(w.Label6->text().isEmpty());

    ASSERT_TRUE(choose(temp / "AIC0012411051012.090"));
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath(kSample)), LoadStatus::Loaded);
    EXPECT_FALSE(w.Button1->isEnabled());
    w.Button1->click();  // disabled, and 実行 writes nothing without a chosen file
    EXPECT_FALSE(std::filesystem::exists(temp / "AIC0012411051012.090"));

    platform.messages.clear();
    for (const char* own : {"samples/knet/AIC0012411051012.EW", "samples/knet/../knet/AIC0012411051012.UD"}) {
        EXPECT_FALSE(choose(SamplePath(own))) << own;
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.back().caption, synthesis_text::kErrorCaption);
    }
}

TEST_F(SyntheTest, ALongOutputPathKeepsItsFileNameInSight) {
    OpenTool();
    const std::string path = "/" + std::string(120, 'd') + "/" + std::string(60, 'e') + "/AIC0012411051012.045";
    platform.saveAnswers.push_back(path);
    w.Button3->click();
    const QString shown = w.Label6->text();
    EXPECT_TRUE(shown.endsWith("AIC0012411051012.045")) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith("/ddd")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(w.Label6->fontMetrics().horizontalAdvance(shown), w.Label6->width());
    EXPECT_EQ(w.Label6->toolTip().toStdString(), path);
}

TEST_F(SyntheTest, FailuresAreSaidInTheProgramsWords) {
    OpenTool();
    w.Edit1->setText("4.5");
    w.Button3->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, synthesis_text::kAzimuthErrorCaption);
    EXPECT_TRUE(platform.saveRequests.empty());

    w.Edit1->setText("45");
    platform.messages.clear();
    platform.saveAnswers.push_back(temp / "missing/x.045");
    w.Button3->click();
    w.Button1->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, synthesis_text::kErrorCaption);
    EXPECT_NE(platform.messages[0].text.find("出力ファイル"), std::string::npos);
    EXPECT_FALSE(w.Button1->isEnabled());
    EXPECT_TRUE(w.Button3->isEnabled());
}

}  // namespace
}  // namespace tremblo
