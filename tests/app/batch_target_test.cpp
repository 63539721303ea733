// Target spectra in the batch: --target, --zone and --print-target on the
// command line, and the summary's exceedance columns checked against the
// spectrum CSV of the same run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <vector>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "event/event_row.h"
#include "event/summary_columns.h"
#include "spectrum/period_table.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "target/target_spectrum.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;
using Table = std::vector<std::vector<std::string>>;

ParsedCommandLine Parse(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
    std::vector<const char*> argv{"tremblo-batch"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream o, e;
    ParsedCommandLine parsed = ParseBatchCommandLine(static_cast<int>(argv.size()), argv.data(), o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return parsed;
}

// Plain CSV: no quoted cells in these tables.
Table Rows(const std::string& text) {
    Table rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells(1);
        for (char ch : line) {
            if (ch == ',')
                cells.emplace_back();
            else
                cells.back().push_back(ch);
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(BatchTargets, CommandLineReadsTargetsZoneAndTables) {
    TempFolder folder;
    const std::string site = folder.Write("site.csv", "period,SA\n0.2,500\n2,100\n");
    const std::string bad = folder.Write("bad.csv", "0.2,500\n2;100\n");
    const ParsedCommandLine parsed = Parse({"--target", "bsl-safety", "--target", site, "--target", "bsl-damage",
                                            "--zone", "0.8", "x.ns"});
    ASSERT_TRUE(parsed.options);
    const std::vector<TargetSpectrum>& t = parsed.options->spectrum.targets;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].key, "bsl-safety");
    EXPECT_DOUBLE_EQ(*t[0].SaAt(1.0), 0.8 * 512.0);
    EXPECT_EQ(t[1].key, "site");
    EXPECT_DOUBLE_EQ(*t[1].SaAt(2.0), 100.0);  // a table keeps its values whatever the zone
    EXPECT_DOUBLE_EQ(*t[2].SaAt(1.0), 0.8 * 102.4);
    EXPECT_TRUE(Parse({"x.ns"}).options->spectrum.targets.empty());

    const struct {
        std::vector<std::string> args;
        const char* words;
    } refused[] = {
        {{"--zone", "0.6", "--target", "bsl-safety", "x"}, "--zone"},
        {{"--zone", "1.05", "x"}, "--zone"},
        {{"--target", "bsl-safety", "--target", "bsl-damage", "--target", site, "--target", site, "x"}, "at most 3"},
        {{"--target", bad, "x"}, "2 行目"},
        {{"--target", folder / "none.csv", "x"}, "見つかりません"},
        {{"--print-target", bad}, "2 行目"},
    };
    for (const auto& r : refused) {
        std::string err;
        const ParsedCommandLine p = Parse(r.args, nullptr, &err);
        EXPECT_FALSE(p.options) << r.words;
        EXPECT_EQ(p.exitStatus, kUsageErrorStatus) << r.words;
        EXPECT_NE(err.find(r.words), std::string::npos) << err;
    }
}

TEST(BatchTargets, PrintTargetWritesTheTablePeriodsAndExits) {
    TempFolder folder;
    const std::string site = folder.Write("site.csv", "0.5,400\n1,400\n");
    const struct {
        std::vector<std::string> args;
        std::size_t rows;  // after the header
        double saAtFirst;  // SA of the first row, from its period
    } cases[] = {
        {{"--print-target", "bsl-safety"}, 200, 320.0 + 3000.0 * 0.05},
        {{"--print-target", "bsl-damage", "--zone", "0.9"}, 200, 0.9 * (64.0 + 600.0 * 0.05)},
        // Table periods 0.5 .. 1 s: 0.501 s (j = 87) to 0.998 s (j = 113).
        {{"--print-target", site}, 27, 400.0},
    };
    for (const auto& c : cases) {
        std::string out;
        const ParsedCommandLine parsed = Parse(c.args, &out);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.exitStatus, 0);
        const Table rows = Rows(out);
        ASSERT_EQ(rows.size(), c.rows + 1) << out.substr(0, 200);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"Period", "SA", "SV", "SD"}));
        const double period = std::stod(rows[1][0]), sa = std::stod(rows[1][1]);
        EXPECT_NEAR(sa, c.saAtFirst, 1e-5 * c.saAtFirst);
        EXPECT_NEAR(std::stod(rows[1][2]), sa * period / (2 * M_PI), 1e-5 * sa);
        EXPECT_NEAR(std::stod(rows[1][3]), sa * std::pow(period / (2 * M_PI), 2), 1e-5 * sa);
    }
}

// The largest ratio of the horizontal components' SA at 5 % (column 5 of
// the spectrum CSV's SA blocks, in table period order) to the target, and
// its period.
std::pair<double, double> LargestRatioFromCsv(const Table& csv, const TargetSpectrum& target) {
    const PeriodTable periods = BuildPeriodTable();
    std::vector<double> largest(PERIOD_COUNT, 0.0);
    for (std::size_t i = 0; i + 2 < csv.size(); ++i) {
        if (csv[i].size() != 1 || (csv[i][0] != "NS" && csv[i][0] != "EW") || csv[i + 1][0] != "SA") continue;
        for (int j = 0; j < PERIOD_COUNT; ++j)
            largest[j] = std::max(largest[j], std::stod(csv[i + 3 + static_cast<std::size_t>(j)][5]));
    }
    std::pair<double, double> best{0.0, 0.0};
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        const auto value = target.SaAt(periods.periods[j]);
        if (value && largest[j] / *value > best.first) best = {largest[j] / *value, periods.periods[j]};
    }
    return best;
}

TEST(BatchTargets, SummaryReportsTheLargestExceedanceAndStillReadsAsAnEventTable) {
    TempFolder folder;
    const std::string site = folder.Write("site.csv", "0.3,200\n3,60\n");
    const std::string far = folder.Write("far.csv", "20,100\n30,100\n");  // beyond the table's periods
    const std::string knet = SamplePath("samples/knet/AIC0012411051012.NS");
    const std::string ud = SamplePath("samples/knet/AIC0012411051012.UD");
    auto run = [&](std::vector<std::string> args, const std::string& summary) {
        args.insert(args.end(), {"--data", SamplePath("data/DATA"), "--summary", summary});
        ParsedCommandLine parsed = Parse(args);
        EXPECT_TRUE(parsed.options);
        std::ostringstream out, err;
        RunBatch(*parsed.options, out, err, false);
        return Rows(ReadWholeFile(summary));
    };
    const Table plain = run({knet, folder / "missing.NS"}, folder / "plain.csv");
    const Table with = run({"--target", "bsl-safety", "--target", site, "--target", far, "--out", folder / "out",
                            knet, folder / "missing.NS"},
                           folder / "targets.csv");
    run({"--components", "1", "--target", "bsl-damage", ud}, folder / "vertical.csv");
    const Table vertical = Rows(ReadWholeFile(folder / "vertical.csv"));

    // Six columns before `error`, in the order of the targets; every row as long as the header.
    ASSERT_EQ(with.size(), 3u);
    const std::vector<std::string> added(with[0].end() - 7, with[0].end() - 1);
    EXPECT_EQ(added, (std::vector<std::string>{"bsl-safety_max_ratio", "bsl-safety_max_ratio_period",
                                               "site_max_ratio", "site_max_ratio_period", "far_max_ratio",
                                               "far_max_ratio_period"}));
    for (const auto& row : with) EXPECT_EQ(row.size(), with[0].size());
    // The other cells are those of the run without targets.
    for (std::size_t r = 0; r < 3; ++r) {
        std::vector<std::string> without = with[r];
        without.erase(without.end() - 7, without.end() - 1);
        EXPECT_EQ(without, plain[r]) << r;
    }

    // Against the spectrum CSV (two decimals) of the same run: NS and EW are
    // horizontal, UD is not.
    const Table csv = Rows(ReadWholeFile(folder / "out/AIC001-202411051012rsp.csv"));
    const std::size_t first = with[0].size() - 7;
    const TargetSpectrum siteTarget = [&] {
        TargetSpectrum t;
        t.kind = TargetKind::Table;
        t.periods = {0.3, 3.0};
        t.sa = {200.0, 60.0};
        return t;
    }();
    const TargetSpectrum targets[] = {BuiltInTarget(BslLimit::Safety, 1.0), siteTarget};
    for (int t = 0; t < 2; ++t) {
        const auto [ratio, period] = LargestRatioFromCsv(csv, targets[t]);
        const double reported = std::stod(with[1][first + 2 * t]);
        EXPECT_GT(reported, 1.0);  // the sample exceeds both somewhere
        EXPECT_NEAR(reported, ratio, 1e-3) << t;  // SA to 0.005 gal over targets of 52 gal and more
        EXPECT_FLOAT_EQ(std::stof(with[1][first + 2 * t + 1]), static_cast<float>(period)) << t;
    }
    // No table period beyond 20 s; a failed record and a lone UD component have no values.
    EXPECT_EQ(with[1][first + 4], "");
    EXPECT_EQ(with[1][first + 5], "");
    for (std::size_t i = first; i < first + 6; ++i) EXPECT_EQ(with[2][i], "");
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_EQ(vertical[1][vertical[0].size() - 3], "");

    // The event table reads the rows as it reads those without targets.
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "," : "") + cells[i];
        return text + "\r\n";
    };
    const EventRow a = ParseSummaryRow(SummaryColumns(line(plain[0])), line(plain[1]));
    const EventRow b = ParseSummaryRow(SummaryColumns(line(with[0])), line(with[1]));
    EXPECT_EQ(a.stationCode, b.stationCode);
    EXPECT_EQ(a.sa02Text, b.sa02Text);
    EXPECT_EQ(a.sa10Text, b.sa10Text);
    EXPECT_EQ(a.pgaMaxText, b.pgaMaxText);
    EXPECT_TRUE(b.sa02 && b.sa10 && !b.failed());
    EXPECT_TRUE(ParseSummaryRow(SummaryColumns(line(with[0])), line(with[2])).failed());
}

}  // namespace
}  // namespace tremblo
