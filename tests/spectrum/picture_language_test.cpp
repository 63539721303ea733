// The language of the spectrum pictures: every text the drawings write goes
// through the pictures' translation, none through the messages' one, so that
// English pictures are wholly English and Japanese pictures stay as they were
// whatever language the messages speak.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot/recording_canvas.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_display.h"
#include "spectrum/target_drawing.h"
#include "support/picture_language.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::DrawnTexts;
using testing::HasJapanese;
using testing::MarkedTranslation;
using testing::Unmarked;

struct Drawing {
    const char* name;
    int width, height;
    void (*prepare)(TMyGraph&);
    std::function<void(TMyGraph&, const SpectrumData&, SpectrumDisplaySettings)> draw;
};

class SpectrumPictureLanguage : public ::testing::Test {
protected:
    SpectrumPictureLanguage() {
        for (std::size_t i = 0; i < table->values.size(); ++i) table->values[i] = 40.0f + static_cast<float>(i % 200) * 5.0f;
        source.componentCount = 3;
        source.stationCode = "AIC001";
        source.eventName = "AIC001-202411051012";
    }
    SpectrumData Data() const {
        return SpectrumData{*table, periods, source, LinearPeriodAxisFor(LinearPeriodRange::Seconds2),
                            LinearPeriodCount(periods, 2.0f), LinearFrequencyCount(periods)};
    }
    // The texts of the drawing, made with the targets built before the
    // translation is installed (as the batch builds them from its options).
    std::vector<std::string> Texts(const Drawing& d, bool frequencyX, bool messages, bool pictures) {
        SpectrumDisplaySettings s;
        s.frequencyX = frequencyX;
        s.pseudo = pseudo;
        s.targets = {BuiltInTarget(BslLimit::Safety, 1.0), BuiltInTarget(BslLimit::Damage, 0.8)};
        const MarkedTranslation translation{messages, pictures};
        RecordingCanvas canvas{d.width, d.height};
        TMyGraph graph{canvas, platform};
        d.prepare(graph);
        d.draw(graph, Data(), s);
        return DrawnTexts(canvas);
    }

    std::unique_ptr<SpectrumTable> table = std::make_unique<SpectrumTable>();
    PeriodTable periods = BuildPeriodTable();
    SpectrumSource source;
    bool pseudo = false;
    testing::ScriptedPlatform platform;
};

TEST_F(SpectrumPictureLanguage, EveryDrawnTextFollowsThePicturesLanguageOnly) {
    const auto item = [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
        DrawEnlargedItem(graph, EnlargedItemCurves(data, s, SV), s, data.linearAxis);
    };
    const Drawing drawings[] = {
        {"per component", SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, PrepareSpectrumGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             s.layout = SpectrumLayout::PerComponent;
             DrawSpectra(graph, data, s);
         }},
        {"per response", SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, PrepareSpectrumGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             s.layout = SpectrumLayout::PerResponse;
             DrawSpectra(graph, data, s);
         }},
        {"enlarged", ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT, PrepareEnlargedGraph, item},
        {"superposed", SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT, PrepareSuperposedGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             StartSuperposed(graph, EnlargedItemCurves(data, s, SA), s, data.linearAxis);
             AddSuperposed(graph, EnlargedItemCurves(data, s, SV), s, 1);
         }},
        {"Sa-Sd", SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT, PrepareSaSdGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             SaSdSettings settings;
             settings.targets = s.targets;
             settings.pseudo = s.pseudo;
             DrawSaSd(graph, data.table, data.source, settings);
         }},
    };
    // The default pictures, and those of pseudo values from the exact
    // oscillator with its mark.
    for (const Drawing& d : drawings) {
        for (int variant = 0; variant < 4; ++variant) {
            const bool frequencyX = variant % 2 == 1;
            pseudo = variant >= 2;
            source.method = pseudo ? OscillatorMethod::Exact : OscillatorMethod::Newmark;
            SCOPED_TRACE(std::string(d.name) + (frequencyX ? ", frequency axis" : ", period axis") +
                         (pseudo ? ", pseudo, exact" : ""));
            const std::vector<std::string> japanese = Texts(d, frequencyX, false, false);
            // Texts kept Japanese: the pictures are what they were, whatever the messages' language.
            EXPECT_EQ(Texts(d, frequencyX, true, false), japanese);
            bool anyJapanese = false;
            for (const std::string& text : japanese) anyJapanese = anyJapanese || HasJapanese(text);
            EXPECT_TRUE(anyJapanese) << "nothing to translate: the case checks nothing";
            // English pictures: no Japanese left outside the translated texts.
            const std::vector<std::string> english = Texts(d, frequencyX, false, true);
            ASSERT_EQ(english.size(), japanese.size());
            for (std::size_t i = 0; i < english.size(); ++i) {
                EXPECT_FALSE(HasJapanese(Unmarked(english[i]))) << english[i];
                EXPECT_EQ(english[i] == japanese[i], !HasJapanese(japanese[i])) << english[i];
            }
        }
    }
}

// The Sa-Sd window's caption is a message, not a picture text.
TEST_F(SpectrumPictureLanguage, SaSdCaptionIsAMessage) {
    const struct {
        bool messages, pictures, translated;
    } cases[] = {{false, false, false}, {true, false, true}, {false, true, false}};
    for (bool pseudo : {false, true}) {
        const std::string japanese = SaSdCaption(source, pseudo);
        for (const auto& c : cases) {
            const MarkedTranslation translation{c.messages, c.pictures};
            EXPECT_EQ(SaSdCaption(source, pseudo) != japanese, c.translated) << c.messages << c.pictures << pseudo;
            if (c.translated) {
                EXPECT_FALSE(HasJapanese(Unmarked(SaSdCaption(source, pseudo))));
            }
        }
    }
}

}  // namespace
}  // namespace tremblo
