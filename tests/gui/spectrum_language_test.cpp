// The spectrum and Fourier windows in English: what they say through the
// platform (waits, messages, open and save dialogs) is English too, the
// messages made by the core (target tables) included.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/language/language.h"
#include "fourier/windows/fourier_window.h"
#include "spectrum/windows/large.h"
#include "spectrum/windows/sd_sa.h"
#include "spectrum/windows/super.h"
#include "spectrum/windows/target_chooser.h"
#include "support/picture_language.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::HasJapanese;
using testing::SamplePath;
using testing::TempFolder;

// Everything the platform was asked to show, one text each.
std::vector<std::string> Said(const testing::ScriptedPlatform& platform) {
    std::vector<std::string> texts = platform.events;
    for (const auto& m : platform.messages) texts.insert(texts.end(), {m.text, m.caption});
    texts.insert(texts.end(), platform.openFilters.begin(), platform.openFilters.end());
    for (const auto& r : platform.saveRequests) texts.push_back(r.filter);
    return texts;
}

TEST(EnglishWindows, SpectrumAndFourierSpeakEnglishThroughThePlatform) {
    const auto english = InstallLanguage(Language::English);
    TempFolder folder;
    const std::string table = folder / "site.csv";
    std::ofstream(table) << "0.1,300\n1.0,500\n";
    const std::string unordered = folder / "unordered.csv";
    std::ofstream(unordered) << "0.1,300\n0.05,500\n";
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    ASSERT_EQ(app.Form1.OpenRecordFile(SamplePath("samples/knet/AIC0012411051012.NS")), LoadStatus::Loaded);
    app.Form1.BtnSpect->click();
    TargetChooser& targets = *app.Spect.TargetBox;
    const struct {
        const char* name;
        std::function<void()> act;
    } actions[] = {
        {"calculation", [&] { app.Spect.BtnCalcClick(); }},
        {"spectrum PNG", [&] { app.Spect.BtnGIFClick(); }},
        {"spectrum CSV", [&] { app.Spect.BtnCSVClick(); }},
        {"Sa-Sd PNG", [&] { app.SdSa.Button2Click(); }},
        {"enlarged PNG", [&] { app.Large.BtnLGGIFClick(); }},
        {"superposed PNG", [&] { app.Super.BtnSPGIFClick(); }},
        {"missing target table",
         [&] {
             platform.openAnswers.push_back(folder / "missing.csv");
             targets.BtnTargetFile->click();
         }},
        {"target table out of order",
         [&] {
             platform.openAnswers.push_back(unordered);
             targets.BtnTargetFile->click();
         }},
        {"fourth target",
         [&] {
             targets.CBSafety->click();
             targets.CBDamage->click();
             platform.openAnswers.push_back(table);
             targets.BtnTargetFile->click();
             targets.BtnTargetFile->click();
         }},
        {"Fourier calculation", [&] { app.Fourier.BtnCalcClick(); }},
        {"Fourier PNG", [&] { app.Fourier.BtnGIFClick(); }},
        {"Fourier CSV", [&] { app.Fourier.BtnCSVClick(); }},
    };
    for (const auto& a : actions) {
        platform.events.clear();
        platform.messages.clear();
        platform.openFilters.clear();
        platform.saveRequests.clear();
        a.act();
        const std::vector<std::string> said = Said(platform);
        EXPECT_FALSE(said.empty()) << a.name << ": said nothing, so the case checks nothing";
        for (const std::string& text : said) EXPECT_FALSE(HasJapanese(text)) << a.name << ": " << text;
    }
}

}  // namespace
}  // namespace tremblo
