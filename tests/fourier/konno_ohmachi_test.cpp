// Konno-Ohmachi smoothing: the window, its exponential sum, and the fast
// smoothing against the definition summed term by term.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "fourier/konno_ohmachi.h"
#include "fourier/konno_ohmachi_kernel.h"

namespace tremblo {
namespace {

TEST(KonnoOhmachiWindowTest, IsOneAtTheCentreAndFollowsItsDefinition) {
    for (const double b : {20.0, 40.0, 60.0}) {
        for (const double fc : {0.05, 1.0, 37.5}) {
            EXPECT_EQ(KonnoOhmachiWeight(fc, fc, b), 1.0);
            // sin(b x) = 0 at x = pi / b: the first zero.
            EXPECT_NEAR(KonnoOhmachiWeight(fc * std::pow(10.0, std::numbers::pi / b), fc, b), 0.0, 1e-30);
            const double f = fc * 1.1, y = b * std::log10(1.1);
            EXPECT_NEAR(KonnoOhmachiWeight(f, fc, b), std::pow(std::sin(y) / y, 4), 1e-14);
            EXPECT_NEAR(KonnoOhmachiWeight(f, fc, b), KonnoOhmachiWeight(fc * fc / f, fc, b), 1e-13);  // even in log f
        }
    }
    for (const double y : {1e-9, 1e-4, 0.01, 0.05, 0.1, -0.07, 0.2})
        EXPECT_NEAR(NearWindow(y), std::pow(std::sin(y) / y, 4), 5e-16) << y;
}

TEST(KonnoOhmachiWindowTest, ExponentialSumMatchesInverseFourthPowerOverItsRange) {
    const KoExponentialSum& sum = InverseFourthPowerSum();
    double worst = 0.0;
    for (double x = KO_NEAR_SPAN; x <= KO_FAR_SPAN; x *= 1.0003) {
        double s = 0.0;
        for (int q = 0; q < KO_TERMS; ++q) s += sum.weight[static_cast<std::size_t>(q)] * std::exp(-sum.rate[static_cast<std::size_t>(q)] * x);
        worst = std::max(worst, std::fabs(s * x * x * x * x - 1.0));
    }
    EXPECT_LT(worst, KO_SUM_ERROR);
    EXPECT_GT(worst, 0.0);
}

double WorstRelative(const std::vector<double>& a, const std::vector<double>& b) {
    double worst = 0.0;
    for (std::size_t k = 1; k < a.size(); ++k)
        worst = std::max(worst, std::fabs(a[k] - b[k]) / std::fabs(b[k]));
    return worst;
}

// Spectra of several shapes: white, falling like a record's (a few decades),
// with narrow peaks.
std::vector<double> MakeSpectrum(int m, int shape, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> a(static_cast<std::size_t>(m) + 1);
    for (int k = 0; k <= m; ++k) {
        const double f = static_cast<double>(k) / m;
        double v = uniform(random);
        if (shape == 1) v *= 1e3 / (1.0 + std::pow(f * 40.0, 3.0));
        if (shape == 2) v = v * 1e-3 + (k % 97 == 0 ? 50.0 : 0.0);
        a[static_cast<std::size_t>(k)] = v;
    }
    return a;
}

TEST(KonnoOhmachiSmoothingTest, FastEqualsTheDefinitionToOneMillionth) {
    const struct {
        int m;
        double b;
        int workers;
    } cases[] = {{1, 40, 1}, {8, 40, 1}, {64, 20, 2}, {513, 60, 1}, {1024, 40, 2}, {2048, 20, 2}, {4096, 40, 2}};
    for (const auto& c : cases) {
        std::vector<std::vector<double>> spectra, plain;
        for (int shape = 0; shape < 3; ++shape) {
            spectra.push_back(MakeSpectrum(c.m, shape, static_cast<unsigned>(c.m * 3 + shape)));
            plain.emplace_back(spectra.back().size());
            SmoothKonnoOhmachiPlain(spectra.back(), c.b, plain.back());
        }
        std::vector<std::vector<double>> fast(3, std::vector<double>(spectra[0].size()));
        const std::span<const double> in[3] = {spectra[0], spectra[1], spectra[2]};
        const std::span<double> out[3] = {fast[0], fast[1], fast[2]};
        const KonnoOhmachiReport report = SmoothKonnoOhmachi(in, c.b, out, c.workers);
        EXPECT_EQ(report.centres, c.m);
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(fast[s][0], spectra[s][0]);
            EXPECT_LT(WorstRelative(fast[s], plain[s]), 1e-6) << "m " << c.m << " b " << c.b << " shape " << s;
        }
        // Beyond the near span the sums carry the result, but for a few
        // centres between the narrow peaks.
        if (c.m >= 1024) {
            EXPECT_LT(report.summedInFull, c.m / 20) << c.m;
        }
    }
}

// One line in an empty spectrum, and a silent band in a white one: the
// centres whose result rests on the far part just beyond the near span,
// where its five parts cancel most, are summed in full.
TEST(KonnoOhmachiSmoothingTest, SpectrumVanishingNearSomeCentresIsSummedInFullThere) {
    const int m = 4096;
    std::vector<double> line(static_cast<std::size_t>(m) + 1, 0.0);
    line[3000] = 1.0;
    std::vector<double> band = MakeSpectrum(m, 0, 7);
    for (int k = 1000; k < 1400; ++k) band[static_cast<std::size_t>(k)] = 0.0;
    for (const std::vector<double>* a : {&line, &band}) {
        std::vector<double> plain(a->size()), fast(a->size());
        SmoothKonnoOhmachiPlain(*a, 20, plain);
        const std::span<const double> in[1] = {*a};
        const std::span<double> out[1] = {fast};
        const KonnoOhmachiReport report = SmoothKonnoOhmachi(in, 20, out, 2);
        if (a == &line) {
            EXPECT_GT(report.summedInFull, 0);
        }
        EXPECT_LT(WorstRelative(fast, plain), 1e-6);
    }
}

// Spectra at the edges of what a double holds: lines and a white spectrum
// scaled so that their sums would under- or overflow, and a line far below
// a white floor. The fast smoothing stays within 1e-6 of the definition,
// and the definition itself does not depend on the spectrum's scale.
TEST(KonnoOhmachiSmoothingTest, SpectraOfAnySizeKeepTheBound) {
    const int m = 2048;
    std::vector<double> line(static_cast<std::size_t>(m) + 1, 0.0);
    line[1024] = 1.0;
    const std::vector<double> white = MakeSpectrum(m, 0, 11);
    std::vector<double> deepLine = white;
    deepLine[700] = 1e-200;
    const struct {
        const char* name;
        const std::vector<double>* spectrum;
        double scale;
    } cases[] = {
        {"line 1e-305", &line, 1e-305}, {"line 1e-307", &line, 1e-307}, {"line 1e-300", &line, 1e-300},
        {"white 1e-315", &white, 1e-315}, {"white 1e300", &white, 1e300}, {"white 1e-310", &white, 1e-310},
        {"line under white", &deepLine, 1.0},
    };
    std::vector<double> reference(line.size());
    for (const auto& c : cases) {
        std::vector<double> a = *c.spectrum;
        for (double& v : a) v *= c.scale;
        std::vector<double> plain(a.size()), fast(a.size());
        SmoothKonnoOhmachiPlain(a, 40, plain);
        const std::span<const double> in[1] = {a};
        const std::span<double> out[1] = {fast};
        const KonnoOhmachiReport report = SmoothKonnoOhmachi(in, 40, out, 2);
        EXPECT_LE(report.largestBound, 1e-7) << c.name;
        SmoothKonnoOhmachiPlain(*c.spectrum, 40, reference);
        for (std::size_t k = 1; k < a.size(); ++k) {
            // A result below the normal range is rounded to the subnormals' spacing.
            ASSERT_LE(std::fabs(fast[k] - plain[k]), 1e-6 * plain[k] + std::numeric_limits<double>::denorm_min())
                << c.name << " " << k;
            if (c.scale >= 1e-300 && std::fpclassify(plain[k]) == FP_NORMAL) {  // the scaled values are exact to rounding
                ASSERT_NEAR(plain[k] / c.scale, reference[k], 1e-12 * reference[k]) << c.name << " " << k;
            }
        }
    }
}

// Every centre taken from the sums is within the bound it was accepted
// with, and that bound is the documented 1e-7: a line leaves many centres
// whose bound lies between 1e-7 and 1e-5, which are summed in full.
TEST(KonnoOhmachiSmoothingTest, CentresTakenFromTheSumsAreWithinTheirBound) {
    const int m = 4096;
    const struct {
        int line;
        double b;
    } cases[] = {{3000, 20}, {40, 40}, {4000, 60}};
    for (const auto& c : cases) {
        std::vector<double> a(static_cast<std::size_t>(m) + 1, 0.0);
        a[static_cast<std::size_t>(c.line)] = 1.0;
        std::vector<double> plain(a.size()), fast(a.size());
        SmoothKonnoOhmachiPlain(a, c.b, plain);
        const std::span<const double> in[1] = {a};
        const std::span<double> out[1] = {fast};
        const KonnoOhmachiReport report = SmoothKonnoOhmachi(in, c.b, out, 2);
        EXPECT_GT(report.summedInFull, 0) << c.line;
        EXPECT_LT(report.summedInFull, m / 10) << c.line;
        EXPECT_GT(report.largestBound, 0.0) << c.line;
        EXPECT_LE(report.largestBound, 1e-7) << c.line;
        EXPECT_LE(WorstRelative(fast, plain), report.largestBound) << c.line;
    }
}

TEST(KonnoOhmachiSmoothingTest, ConstantSpectrumStaysConstant) {
    for (const double b : {20.0, 40.0, 60.0}) {
        for (const int m : {16, 1000, 16384}) {
            const std::vector<double> a(static_cast<std::size_t>(m) + 1, 2.5);
            std::vector<double> fast(a.size());
            const std::span<const double> in[1] = {a};
            const std::span<double> out[1] = {fast};
            SmoothKonnoOhmachi(in, b, out, 2);
            for (std::size_t k = 1; k < a.size(); ++k) ASSERT_NEAR(fast[k], 2.5, 2.5e-7) << m << " " << k;
        }
    }
}

TEST(KonnoOhmachiSmoothingTest, BandwidthsOutsideTheFastRangeAreSummedInFull) {
    const std::vector<double> a = MakeSpectrum(300, 1, 3);
    std::vector<double> plain(a.size()), fast(a.size());
    SmoothKonnoOhmachiPlain(a, 150, plain);
    const std::span<const double> in[1] = {a};
    const std::span<double> out[1] = {fast};
    EXPECT_EQ(SmoothKonnoOhmachi(in, 150, out, 1).summedInFull, 300);
    EXPECT_EQ(fast, plain);
}

}  // namespace
}  // namespace tremblo
