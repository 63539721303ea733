// The language of the Fourier picture: its titles, axis and the reasons for
// an empty ratio panel follow the pictures' language, never the messages'.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "fourier/fourier_drawing.h"
#include "fourier/fourier_spectra.h"
#include "plot/recording_canvas.h"
#include "support/picture_language.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

using testing::DrawnTexts;
using testing::HasJapanese;
using testing::MarkedTranslation;
using testing::Unmarked;

// `components` sines of different frequencies through 3000 samples.
FourierSpectra SpectraOf(int components, bool tapered) {
    auto r = std::make_unique<SeismicRecord>();
    r->componentCount = components;
    r->dt = 0.01f;
    r->sampleCount = r->windowLength = 3000;
    static const char* const kLabels[] = {"NS", "EW", "UD"};
    for (int c = 0; c < components; ++c) {
        r->componentLabel[static_cast<std::size_t>(c)] = kLabels[c];
        for (int i = 0; i < r->sampleCount; ++i)
            r->samples[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] =
                static_cast<float>((c + 1) * std::sin(0.05 * (c + 2) * i));
    }
    r->stationCode = "AIC001";
    FourierSpectra s;
    EXPECT_TRUE(ComputeFourierSpectra(*r, FourierSettings{tapered, 40.0}, s, 1));
    return s;
}

std::vector<std::string> Texts(const FourierSpectra& s, FourierRatio ratio, bool messages, bool pictures) {
    const MarkedTranslation translation{messages, pictures};
    testing::ScriptedPlatform platform;
    RecordingCanvas canvas{FOURIER_GRAPH_WIDTH, FOURIER_GRAPH_HEIGHT};
    TMyGraph graph{canvas, platform};
    PrepareFourierGraph(graph);
    FourierDisplaySettings settings;
    settings.ratio = ratio;
    DrawFourierSpectra(graph, s, nullptr, settings);
    return DrawnTexts(canvas);
}

TEST(FourierPictureLanguage, EveryDrawnTextFollowsThePicturesLanguageOnly) {
    const struct {
        const char* name;
        int components;
        bool tapered;
        FourierRatio ratio;
    } cases[] = {
        {"H/V", 3, false, FourierRatio::HorizontalToVertical},
        {"tapered, one component: no H/V", 1, true, FourierRatio::HorizontalToVertical},
        {"surface/borehole without the pair", 3, false, FourierRatio::SurfaceBorehole},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FourierSpectra s = SpectraOf(c.components, c.tapered);
        const std::vector<std::string> japanese = Texts(s, c.ratio, false, false);
        EXPECT_EQ(Texts(s, c.ratio, true, false), japanese);
        const std::vector<std::string> english = Texts(s, c.ratio, false, true);
        ASSERT_EQ(english.size(), japanese.size());
        int translated = 0;
        for (std::size_t i = 0; i < english.size(); ++i) {
            EXPECT_FALSE(HasJapanese(Unmarked(english[i]))) << english[i];
            EXPECT_EQ(english[i] == japanese[i], !HasJapanese(japanese[i])) << english[i];
            translated += english[i] != japanese[i] ? 1 : 0;
        }
        // Both panels' titles and frequency axes, and the reason in an empty panel.
        EXPECT_GE(translated, 4);
    }
}

}  // namespace
}  // namespace tremblo
