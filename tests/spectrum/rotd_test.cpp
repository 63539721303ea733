// Orientation-independent spectra: the fast computation against the plain
// one on every vector path, and both against the single-component spectra
// for motions whose RotD values are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "compute/simd_targets.h"
#include "common/format.h"
#include "spectrum/rotd_calculation.h"
#include "spectrum/rotd_csv.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_reference.h"
#include "spectrum/spectrum_calculation.h"

namespace tremblo {
namespace {

// Noisy bursts of all magnitudes on slow waves, different on the two components.
std::vector<float> Ground(int n, unsigned seed, double frequency) {
    std::vector<float> g(static_cast<size_t>(n));
    unsigned s = seed;
    for (int i = 0; i < n; ++i) {
        s = s * 1664525u + 1013904223u;
        const double noise = static_cast<double>(s >> 8) / 16777216.0 - 0.5;
        const double scale = std::pow(10.0, static_cast<double>((s >> 3) % 5) - 2.0);
        g[static_cast<size_t>(i)] = static_cast<float>(40.0 * std::sin(frequency * i) * std::exp(-i / 900.0) +
                                                       noise * scale * 60.0);
    }
    return g;
}

void ExpectSameTables(const RotDTable& a, const RotDTable& b, const std::string& what) {
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const RotDValues &x = a.values[i], &y = b.values[i];
        ASSERT_TRUE(std::memcmp(&x.rotd50, &y.rotd50, sizeof(float)) == 0 &&
                    std::memcmp(&x.rotd100, &y.rotd100, sizeof(float)) == 0 && x.azimuth100 == y.azimuth100)
            << what << " entry " << i << ": " << x.rotd50 << "/" << x.rotd100 << "@" << x.azimuth100 << " vs "
            << y.rotd50 << "/" << y.rotd100 << "@" << y.azimuth100;
    }
}

TEST(RotD, FastEqualsPlainOnEveryPath) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    struct Case {
        const char* name;
        int n;
        float dt;
        std::vector<float> ns, ew;
        int everyNth;  // oscillators compared: every damping ratio, periods spread over the table
    };
    const int longN = 1100;  // more than one bound of the first level, not a whole block
    std::vector<Case> cases;
    cases.push_back({"two motions", longN, 0.01f, Ground(longN, 7u, 0.031), Ground(longN, 99u, 0.017), 7});
    cases.push_back({"shorter than a block", 20, 0.005f, Ground(20, 3u, 0.2), Ground(20, 4u, 0.3), 1});
    cases.push_back({"NS only", 300, 0.01f, Ground(300, 5u, 0.05), std::vector<float>(300, 0.0f), 3});
    cases.push_back({"NS = -EW", 300, 0.01f, Ground(300, 6u, 0.05), {}, 3});
    for (float v : cases.back().ns) cases.back().ew.push_back(-v);
    cases.push_back({"empty window", 0, 0.01f, {}, {}, 1});
    for (const Case& c : cases) {
        RotDSelection compared;
        for (int o = 0; o < DAMPING_COUNT * PERIOD_COUNT; o += c.everyNth) compared.oscillators.push_back(o);
        auto reference = std::make_unique<RotDTable>();
        ComputeRotDReference(c.n, c.dt, c.ns.data(), c.ew.data(), periods, ratios, *reference, &compared.oscillators);
        for (const SimdTarget& target : SupportedSimdTargets()) {
            ScopedSimdTarget only(target);
            // Every response kept, or blocks integrated again from their state.
            for (std::size_t budget : {ROTD_HISTORY_BUDGET, std::size_t{0}}) {
                for (int workers : {1, 2}) {
                    auto fast = std::make_unique<RotDTable>();
                    ComputeRotDFast(c.n, c.dt, c.ns.data(), c.ew.data(), periods, ratios, *fast, workers,
                                    compared, OscillatorMethod::Newmark, budget);
                    ExpectSameTables(*reference, *fast,
                                     std::string(c.name) + " " + target.name + (budget ? "" : " replayed"));
                }
            }
        }
        // A selection computes its entries alone and leaves the others.
        RotDSelection some;
        some.oscillators = {3 * PERIOD_COUNT + 26 - (3 * PERIOD_COUNT + 26) % c.everyNth, 0,
                            DAMPING_COUNT * PERIOD_COUNT - 1 - (DAMPING_COUNT * PERIOD_COUNT - 1) % c.everyNth};
        some.quantities = {true, false, false};
        auto selected = std::make_unique<RotDTable>();
        for (RotDValues& v : selected->values) v.azimuth100 = -7;
        ComputeRotDFast(c.n, c.dt, c.ns.data(), c.ew.data(), periods, ratios, *selected, 1, some);
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j) {
                    const bool chosen = q == SA && std::count(some.oscillators.begin(), some.oscillators.end(),
                                                              k * PERIOD_COUNT + j) == 1;
                    const RotDValues& v = selected->at(k, q, j);
                    if (chosen)
                        EXPECT_TRUE(v.rotd100 == reference->at(k, q, j).rotd100 &&
                                    v.rotd50 == reference->at(k, q, j).rotd50 && v.azimuth100 != -7)
                            << c.name << " k" << k << " j" << j;
                    else
                        ASSERT_EQ(v.azimuth100, -7) << c.name << " k" << k << " q" << q << " j" << j;
                }
    }
}

// The median of |f(theta)| over the 180 azimuths, in double.
double MedianOver(double (*f)(double)) {
    std::vector<double> v;
    for (int a = 0; a < ROTD_AZIMUTHS; ++a) v.push_back(std::fabs(f(a * 3.141592653589793 / 180.0)));
    std::sort(v.begin(), v.end());
    return (v[89] + v[90]) / 2;
}

// RotD of motions along one line, from the record: identical NS and EW move
// along 45 degrees (RotD100 = sqrt 2 times one component's spectrum there),
// NS alone along 0 (RotD100 = its spectrum, RotD50 = the median |cos|).
TEST(RotD, LinearMotionsAgainstTheSpectrumTable) {
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    struct Case {
        const char* name;
        float ewFactor;
        int azimuth;
        double rotd100Factor, rotd50Factor;
    };
    const Case cases[] = {
        {"NS = EW", 1.0f, 45, std::sqrt(2.0), MedianOver([](double t) { return std::cos(t) + std::sin(t); })},
        {"NS only", 0.0f, 0, 1.0, MedianOver([](double t) { return std::cos(t); })},
    };
    for (const Case& c : cases) {
        auto record = std::make_unique<SeismicRecord>();
        record->recordLoaded = true;
        record->componentCount = 3;
        record->dt = 0.01f;
        record->sampleCount = 2500;
        record->windowStart = 500;  // the window, not the whole record
        record->windowLength = 1800;
        const std::vector<float> g = Ground(record->sampleCount, 11u, 0.04);
        for (int i = 0; i < record->sampleCount; ++i) {
            record->samples[0][i] = g[static_cast<size_t>(i)];
            record->samples[1][i] = g[static_cast<size_t>(i)] * c.ewFactor;
        }
        auto single = std::make_unique<SpectrumTable>();
        SpectrumCalculation spectrum;
        ASSERT_EQ(spectrum.Run(*record, periods, ratios, *single), CalculationStatus::Done);
        auto rotd = std::make_unique<RotDTable>();
        ASSERT_TRUE(ComputeRecordRotD(*record, periods, ratios, *rotd).done());
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int q = 0; q < SPECTRUM_QUANTITIES; ++q)
                for (int j = 0; j < PERIOD_COUNT; ++j) {
                    const double one = single->at(0, k, q, j);
                    const RotDValues& r = rotd->at(k, q, j);
                    SCOPED_TRACE(::testing::Message() << c.name << " k" << k << " q" << q << " j" << j);
                    EXPECT_EQ(r.azimuth100, c.azimuth);
                    EXPECT_NEAR(r.rotd100, c.rotd100Factor * one, 1e-6 * one);
                    EXPECT_NEAR(r.rotd50, c.rotd50Factor * one, 1e-6 * one);
                }
    }
}

TEST(RotD, NeedsTwoHorizontalComponents) {
    auto record = std::make_unique<SeismicRecord>();
    record->recordLoaded = true;
    record->componentCount = 1;
    auto table = std::make_unique<RotDTable>();
    table->at(0, 0, 0).rotd100 = 5.0f;
    EXPECT_TRUE(RotDUnavailable(*record).has_value());
    EXPECT_FALSE(ComputeRecordRotD(*record, BuildPeriodTable(), DampingRatiosFor(DampingMultiplier::Times1), *table).done());
    EXPECT_EQ(table->at(0, 0, 0).rotd100, 5.0f);
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

// The RotD file's header line and a data row, written out here with the
// layout's own formats: RotD50 before RotD100 before the azimuths, and the
// azimuths three characters wide.
TEST(RotD, CsvHeaderOrderAndCellWidths) {
    RotDTable table;
    const PeriodTable periods = BuildPeriodTable();
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    for (int k = 0; k < DAMPING_COUNT; ++k) table.at(k, 0, 0) = RotDValues{1.5f + k, 1234.5f + k, 7 * k};
    SpectrumSource source;
    source.stationCode = "AIC001";
    const std::string text = RotDCsvText(source, periods, ratios, table);

    std::string header = "Period,Frequency";
    for (const char* column : {"RotD50", "RotD100", "Azimuth100"})
        for (float ratio : ratios) header += StringPrintf(",%s %.2f", column, static_cast<double>(ratio));
    std::string row = StringPrintf("%7.3f,%7.3f", static_cast<double>(periods.periods[0]),
                                   1.0 / static_cast<double>(periods.periods[0]));
    for (int k = 0; k < DAMPING_COUNT; ++k) row += StringPrintf(",%10.2f", 1.5 + k);
    for (int k = 0; k < DAMPING_COUNT; ++k) row += StringPrintf(",%10.2f", 1234.5 + k);
    for (int k = 0; k < DAMPING_COUNT; ++k) row += StringPrintf(",%3d", 7 * k);
    const std::size_t at = text.find(header + "\r\n");
    ASSERT_NE(at, std::string::npos) << text.substr(0, 400);
    EXPECT_EQ(text.substr(at + header.size() + 2, row.size() + 2), row + "\r\n");
    EXPECT_NE(row.find(",  0,  7, 14, 21, 28"), std::string::npos);  // the widths themselves
}

}  // namespace
}  // namespace tremblo
