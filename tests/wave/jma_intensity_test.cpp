// The JMA instrumental intensity against values known without the FFT: a
// sine lying exactly on a frequency bin of a record of 2^13 samples is
// periodic in the transform, so its filtered amplitude is A times the filter
// gain at its frequency, worked out here from the filter formulas.
#include "wave/jma_intensity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "support/marked_texts.h"

namespace tremblo {
namespace {

constexpr int kSamples = 8192;
constexpr float kDt = 0.01f;

// The three filters written out anew, in long double.
long double Gain(long double f) {
    const long double y = f / 10;
    long double p = 1, sum = 1;
    const long double c[] = {0.694L, 0.241L, 0.0557L, 0.009664L, 0.00134L, 0.000155L};
    for (long double ci : c) {
        p *= y * y;
        sum += ci * p;
    }
    return std::sqrt(1 / f) / std::sqrt(sum) * std::sqrt(1 - std::exp(-std::pow(f / 0.5L, 3)));
}

std::vector<float> Sine(int cycles, double amplitude) {
    std::vector<float> s(kSamples);
    for (int i = 0; i < kSamples; ++i)
        s[i] = static_cast<float>(amplitude * std::sin(2 * M_PI * cycles * i / kSamples));
    return s;
}

TEST(JmaIntensity, SinesOfKnownFrequencyGiveTheirFilteredAmplitude) {
    const std::vector<float> zero(kSamples, 0.0f);
    for (const auto& [cycles, amplitude] : {std::pair{82, 100.0}, std::pair{41, 300.0}, std::pair{410, 20.0}}) {
        const long double f = cycles / (kSamples * static_cast<long double>(kDt));
        const long double expected = 2 * std::log10(amplitude * Gain(f)) + 0.94L;
        const std::vector<float> sine = Sine(cycles, amplitude);
        const Result<JmaIntensity> one = ComputeJmaIntensity(sine, zero, zero, kDt);
        ASSERT_TRUE(one.ok());
        // The 30th largest sample lies within a sample of a crest.
        EXPECT_NEAR(one.value().raw, static_cast<double>(expected), 2e-3) << cycles;
        const Result<JmaIntensity> three = ComputeJmaIntensity(sine, sine, sine, kDt);
        EXPECT_NEAR(three.value().raw - one.value().raw, 2 * std::log10(std::sqrt(3.0)), 1e-4) << cycles;
    }
}

TEST(JmaIntensity, RoundsToTwoDecimalsThenCutsToOne) {
    EXPECT_DOUBLE_EQ(ReportedJmaIntensity(4.449), 4.4);
    EXPECT_DOUBLE_EQ(ReportedJmaIntensity(4.45), 4.4);
    EXPECT_DOUBLE_EQ(ReportedJmaIntensity(4.999), 5.0);
    EXPECT_DOUBLE_EQ(ReportedJmaIntensity(4.994), 4.9);
    EXPECT_DOUBLE_EQ(ReportedJmaIntensity(-0.26), -0.2);
}

TEST(JmaIntensity, ClassesChangeAtTheirBoundaries) {
    const std::pair<double, const char*> cases[] = {
        {-1.0, "0"}, {0.4, "0"}, {0.5, "1"}, {1.4, "1"}, {1.5, "2"}, {2.5, "3"}, {3.5, "4"}, {4.4, "4"},
        {4.5, "5弱"}, {4.9, "5弱"}, {5.0, "5強"}, {5.4, "5強"}, {5.5, "6弱"}, {6.0, "6強"}, {6.4, "6強"},
        {6.5, "7"}, {7.3, "7"}};
    for (const auto& [reported, name] : cases) EXPECT_EQ(JmaIntensityClass(reported), name) << reported;
}

// The shown text says the class in the language in use; the class itself,
// which tables write, keeps its Japanese name.
TEST(JmaIntensity, TextSaysTheClassInTheLanguageInUse) {
    const struct {
        double reported;
        const char* japanese;
        const char* translated;
    } cases[] = {{5.3, "計測震度 5.3 (震度5強)", "{wave}計測震度 5.3 (震度{wave}5強)"},
                 {4.5, "計測震度 4.5 (震度5弱)", "{wave}計測震度 4.5 (震度{wave}5弱)"},
                 {3.7, "計測震度 3.7 (震度4)", "{wave}計測震度 3.7 (震度{wave}4)"}};
    for (const auto& c : cases) {
        const JmaIntensity intensity{c.reported, c.reported, JmaIntensityClass(c.reported)};
        EXPECT_EQ(JmaIntensityText(intensity), c.japanese);
        const testing::MarkedTexts marked;
        EXPECT_EQ(JmaIntensityText(intensity), c.translated);
        EXPECT_EQ(JmaIntensityClass(c.reported), intensity.className);
    }
}

TEST(JmaIntensity, RecordsTooShortOrStillHaveNone) {
    const std::vector<float> short29(29, 1.0f), still(1000, 0.0f);
    const Result<JmaIntensity> tooShort = ComputeJmaIntensity(short29, short29, short29, kDt);
    ASSERT_FALSE(tooShort.ok());
    EXPECT_EQ(tooShort.error().message, "記録が0.3秒に満たないため計測震度を求められません");
    EXPECT_FALSE(ComputeJmaIntensity(still, still, still, kDt).ok());
    const std::vector<float> short30 = Sine(1, 1.0);
    EXPECT_TRUE(ComputeJmaIntensity(std::span(short30).first(30), std::span(short30).first(30),
                                    std::span(short30).first(30), kDt).ok());
}

// 0.3 s is the nearest whole number of samples: 0.3 / 0.1f is 2.99999996, so
// a 10 Hz record needs three samples, not two.
TEST(JmaIntensity, ThreeTenthsOfASecondInWholeSamples) {
    const struct {
        float dt;
        std::size_t samples;
        bool enough;
    } cases[] = {{0.1f, 2, false}, {0.1f, 3, true}, {0.01f, 29, false}, {0.01f, 30, true},
                 {0.005f, 59, false}, {0.005f, 60, true}, {0.02f, 14, false}, {0.02f, 15, true}};
    for (const auto& c : cases) {
        std::vector<float> motion(c.samples);
        for (std::size_t i = 0; i < motion.size(); ++i) motion[i] = i % 2 ? -50.0f : 50.0f;
        EXPECT_EQ(ComputeJmaIntensity(motion, motion, motion, c.dt).ok(), c.enough) << c.dt << " " << c.samples;
    }
}

// The transforms and gains a thread keeps for the next record are those of
// the record's own length and interval: records of other lengths and
// intervals in turn give what each gives on a thread that has computed nothing.
TEST(JmaIntensity, RecordsInTurnGiveWhatEachGivesAlone) {
    struct Case {
        int samples;
        float dt;
    };
    // 300,000 samples take transforms too large to keep.
    const Case cases[] = {{kSamples, kDt}, {3000, kDt},    {kSamples, 0.005f}, {5000, 0.02f},
                          {300000, kDt},   {kSamples, kDt}, {3000, kDt}};
    auto motion = [](const Case& c, int component) {
        std::vector<float> g(static_cast<size_t>(c.samples));
        for (int i = 0; i < c.samples; ++i)
            g[static_cast<size_t>(i)] =
                static_cast<float>(80.0 * std::sin(0.05 * i * (component + 1)) * std::exp(-i / 2500.0) + 3.0 * std::cos(1.3 * i));
        return g;
    };
    auto intensity = [&](const Case& c) {
        const std::vector<float> ns = motion(c, 0), ew = motion(c, 1), ud = motion(c, 2);
        const Result<JmaIntensity> r = ComputeJmaIntensity(ns, ew, ud, c.dt);
        return r ? r.value().raw : -1.0;
    };
    for (const Case& c : cases) {
        double alone = 0.0;
        std::thread([&] { alone = intensity(c); }).join();
        const double inTurn = intensity(c);
        ASSERT_GT(alone, 0.0);
        EXPECT_EQ(std::memcmp(&alone, &inTurn, sizeof alone), 0) << c.samples << " " << c.dt << ": " << alone << " vs " << inTurn;
    }
}

}  // namespace
}  // namespace tremblo
