#include "app/main_window/form1.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "plot/windows/radio_group.h"
#include "record/windows/record_info_panel.h"
#include "wave/windows/wave_plot_view.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::SamplePath;

class Form1Test : public ::testing::Test {
protected:
    Form1Test() : form(platform, SamplePath("data/DATA")) {}

    QString Label(const char* name) const { return form.infoPanel()->valueLabel(name)->text(); }

    testing::ScriptedPlatform platform;
    TForm1 form;
};

TEST_F(Form1Test, StartsEmptyWithAutomaticFormatChosen) {
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(" K-NET / KiK-net 観測波形解析  TREMBLO Ver 4.2"));
    EXPECT_EQ(form.size(), QSize(860, 607));
    EXPECT_TRUE(platform.messages.empty());  // the station files were found
    EXPECT_EQ(Label("Label14"), QString::fromUtf8("自動判別（形式は内容から判断します）"));
    EXPECT_EQ(Label("Label6"), "");
    EXPECT_TRUE(form.Automatic->isChecked());
    EXPECT_FALSE(form.chosenFormat().has_value());
    EXPECT_TRUE(form.CB3Compo->isChecked());
    EXPECT_TRUE(form.CBDC->isChecked());
    EXPECT_FALSE(form.BtnWave->isEnabled());
    EXPECT_FALSE(form.N8->isEnabled());
    // Disabled controls are drawn greyed, whatever colours the window sets.
    const QPalette& palette = form.RGCompo->palette();
    EXPECT_NE(palette.color(QPalette::Disabled, QPalette::WindowText),
              palette.color(QPalette::Active, QPalette::WindowText));
    // The start-up hints are drawn on a white plot.
    const QImage plot = form.MyWave1->canvas().Image();
    EXPECT_EQ(plot.size(), QSize(593, 409));
    EXPECT_EQ(plot.pixelColor(5, 5), QColor(Qt::white));
    bool inked = false;
    for (int x = 150; x < 400 && !inked; ++x)
        for (int y = 150; y < 165; ++y) inked = inked || plot.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
}

TEST_F(Form1Test, EachValueLabelHasItsFixedCaptionJustLeftOfIt) {
    const std::pair<const char*, const char*> captions[] = {
        {"Label6", "発震日時"},   {"Label7", "震源緯度"},   {"Label8", "経度"},
        {"Label9", "震源深さ"},   {"Label10", "ﾏｸﾞﾆﾁｭｰﾄﾞ"}, {"Label12", "ﾃﾞｰﾀ総数"},
        {"Label13", "観測点"},    {"Label14", "ﾌｧｲﾙ"},       {"Label28", "計測時間"},
        {"Label30", "ｻﾝﾌﾟﾘﾝｸﾞ率"},
    };
    const RecordInfoPanel* panel = form.infoPanel();
    for (const auto& [name, caption] : captions) {
        const QLabel* value = panel->valueLabel(name);
        ASSERT_NE(value, nullptr) << name;
        // The nearest label on the same row that ends left of the value.
        const QLabel* nearest = nullptr;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (label == value || label->y() != value->y() || label->geometry().right() >= value->x()) continue;
            if (nearest == nullptr || label->x() > nearest->x()) nearest = label;
        }
        ASSERT_NE(nearest, nullptr) << name;
        EXPECT_EQ(nearest->text(), QString::fromUtf8(caption)) << name;
    }
}

TEST_F(Form1Test, FileCommandLoadsTheChosenRecordAndFillsTheLabels) {
    platform.openAnswers.push_back(SamplePath("samples/knet/AIC0012411051012.EW"));
    form.BtnFileClick();
    EXPECT_EQ(Label("Label6"), QString::fromUtf8("2024/11/05  10:12:00"));
    EXPECT_EQ(Label("Label13"), "AIC001");
    EXPECT_EQ(Label("Label23"), QString::fromUtf8("名古屋港"));
    EXPECT_EQ(Label("Label12"), "6000");
    EXPECT_EQ(Label("Label30"), "100 1/s");
    EXPECT_TRUE(form.BtnWave->isEnabled());
    EXPECT_TRUE(form.N8->isEnabled());

    // A cancelled dialog changes nothing.
    form.BtnFileClick();
    EXPECT_EQ(Label("Label13"), "AIC001");
    EXPECT_EQ(platform.openFilters.size(), 2u);
}

TEST_F(Form1Test, FormatMenuActsAsARadioGroupAndNamesTheFileKind) {
    form.HiroshimaClick();
    EXPECT_TRUE(form.Hiroshima->isChecked());
    EXPECT_FALSE(form.KNET->isChecked());
    EXPECT_EQ(Label("Label14"), QString::fromUtf8("広島市消防局データファイル"));
    form.BOSAI->trigger();
    EXPECT_TRUE(form.BOSAI->isChecked());
    EXPECT_FALSE(form.Hiroshima->isChecked());
    EXPECT_EQ(Label("Label14"), QString::fromUtf8("中央防災会議データファイル"));

    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/cdpc/CDPC_SYNTH.ud")), LoadStatus::Loaded);
    EXPECT_EQ(Label("Label6"), QString::fromUtf8("データなし"));
    EXPECT_EQ(Label("Label28"), "60.00 s");
    EXPECT_FALSE(form.N8->isEnabled());  // no station name for a CDPC record
}

TEST_F(Form1Test, ARecordFileDroppedOnTheWindowOpens) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(SamplePath("samples/knet/AIC0012411051012.UD")))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    EXPECT_EQ(Label("Label13"), "AIC001");
    EXPECT_EQ(form.session().record().componentCount, 3);

    QMimeData text;
    text.setText("AIC0012411051012.NS");
    QDragEnterEvent refused(QPoint(100, 100), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QCoreApplication::sendEvent(&form, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// A dropped file is read with the format its content shows, whatever the
// menu says; a menu set to one format follows it, 自動判別 stays; a dropped
// folder is refused with a message.
TEST_F(Form1Test, DropsReadTheFormatTheFileShowsAndRefuseFolders) {
    const struct {
        const char* file;
        RecordFormat format;
    } drops[] = {{"samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima},
                 {"samples/cdpc/CDPC_SYNTH.ew", RecordFormat::Cdpc},
                 {"samples/knet/AIC0012411051012.EW", RecordFormat::Knet}};
    for (const bool automatic : {true, false}) {
        for (const auto& d : drops) {
            if (!automatic) form.ChooseFormat(RecordFormat::Hiroshima);
            EXPECT_EQ(form.OpenDroppedPath(SamplePath(d.file)), LoadStatus::Loaded) << d.file;
            EXPECT_EQ(form.session().loadedFormat(), d.format) << d.file;
            if (automatic) EXPECT_FALSE(form.chosenFormat().has_value()) << d.file;
            else EXPECT_EQ(form.chosenFormat(), d.format) << d.file;
        }
        form.ChooseFormat(RecordFormat::Knet);
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(form.OpenDroppedPath(SamplePath("samples/knet")), LoadStatus::Failed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("はフォルダです"), std::string::npos);
    EXPECT_EQ(Label("Label13"), "AIC001");  // the record stays
}

TEST_F(Form1Test, AThreeComponentRecordShowsItsJmaIntensity) {
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    const QString text = Label("LabelIntensity");
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("計測震度 "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QString::fromUtf8(")"))) << text.toStdString();
    form.CB3Compo->setChecked(false);
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    EXPECT_EQ(Label("LabelIntensity"), "");
}

TEST(Form1Place, CentredOnTheScreenAndKeptOnItWhenLarger) {
    EXPECT_EQ(CenteredPosition(QRect(0, 0, 1920, 1080), QSize(860, 607)), QPoint(530, 236));
    EXPECT_EQ(CenteredPosition(QRect(1920, 30, 1280, 1000), QSize(860, 607)), QPoint(2130, 226));
    EXPECT_EQ(CenteredPosition(QRect(0, 0, 800, 600), QSize(860, 607)), QPoint(0, 0));
}

// Every fixed-format value ("データなし" among them) fits its label, and no
// label of the panel runs into another or past the panel.
TEST_F(Form1Test, RecordInformationTextsFitTheirLabels) {
    const auto check = [&](const char* record) {
        for (QLabel* label : form.infoPanel()->findChildren<QLabel*>()) {
            const QString name = label->objectName();
            const bool anyLength = name == "Label14" || name == "Label23" || name == "Label24" || name == "Label25";
            if (!anyLength) {
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                    << record << " " << name.toStdString() << " " << label->text().toStdString();
            }
            EXPECT_LE(label->geometry().right(), form.infoPanel()->width()) << name.toStdString();
            for (QLabel* other : form.infoPanel()->findChildren<QLabel*>()) {
                if (other == label) continue;
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << label->text().toStdString() << " / " << other->text().toStdString();
            }
        }
    };
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    check("K-NET");
    form.BOSAIClick();
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/cdpc/CDPC_SYNTH.ud")), LoadStatus::Loaded);
    EXPECT_EQ(Label("Label7"), QString::fromUtf8("データなし"));
    check("CDPC");
    form.HiroshimaClick();
    ASSERT_EQ(form.OpenRecordFile(SamplePath("samples/hiroshima/HFD01_241105.ns")), LoadStatus::Loaded);
    check("Hiroshima");
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

TEST(Form1Dc, TogglingTheDcOptionSaysSoAndAsksForTheFileAgain) {
    testing::ScriptedPlatform platform;
    TForm1 form(platform, testing::SamplePath("data/DATA"));
    platform.openAnswers.push_back(testing::SamplePath("samples/knet/AIC0012411051012.NS"));
    form.CBDC->click();  // now unchecked
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "DC成分を除去しないためには，ファイルデータの再読込が必要です");
    EXPECT_EQ(platform.messages[0].caption, "ファイル再読込");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Plain);
    EXPECT_EQ(platform.openFilters.size(), 1u);
    EXPECT_TRUE(form.session().record().recordLoaded);
    double sum = 0.0;
    for (int i = 0; i < 6000; ++i) sum += form.session().record().samples[0][i];
    EXPECT_GT(std::abs(sum / 6000), 1e-3);  // read again with its DC component

    form.CBDC->click();  // checked again; the dialog is cancelled this time
    EXPECT_EQ(platform.messages.back().text, "DC成分を除去するためには，ファイルデータの再読込が必要です");
    EXPECT_EQ(platform.openFilters.size(), 2u);
}

}  // namespace
}  // namespace tremblo
