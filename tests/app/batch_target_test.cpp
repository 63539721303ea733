// Target spectra in the batch: --target, --zone and --print-target, and the
// summary's exceedance columns against the spectrum CSV of the same run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "event/event_row.h"
#include "event/summary_columns.h"
#include "spectrum/period_table.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
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

Table Rows(const std::string& text) {  // no quoted cells in these tables
    Table rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        rows.emplace_back(1);
        for (char ch : line) {
            if (ch == ',') rows.back().emplace_back();
            else rows.back().back() += ch;
        }
    }
    return rows;
}

TEST(BatchTargets, CommandLineReadsTargetsZoneAndPrintsATarget) {
    testing::TempFolder folder;
    const std::string site = folder.Write("site.csv", "period,SA\n0.5,400\n1,400\n");
    const ParsedCommandLine parsed = Parse({"--target", "bsl-safety", "--target", site, "--zone", "0.8", "x.ns"});
    ASSERT_TRUE(parsed.options);
    const std::vector<TargetSpectrum>& t = parsed.options->spectrum.targets;
    ASSERT_EQ(t.size(), 2u);
    EXPECT_DOUBLE_EQ(*t[0].SaAt(1.0), 0.8 * 512.0);
    EXPECT_DOUBLE_EQ(*t[1].SaAt(0.7), 400.0);  // a table keeps its values whatever the zone
    const struct {
        std::vector<std::string> args;
        const char* words;
    } refused[] = {
        {{"--zone", "0.6", "x"}, "--zone"},
        {{"--target", "bsl-safety", "--target", "bsl-damage", "--target", site, "--target", site, "x"}, "at most 3"},
        {{"--target", folder.Write("bad.csv", "0.2,500\n2;100\n"), "x"}, "bad.csv の 2 行目"},
        {{"--print-target", folder / "none.csv"}, "見つかりません"},
    };
    for (const auto& r : refused) {
        std::string err;
        EXPECT_EQ(Parse(r.args, nullptr, &err).exitStatus, kUsageErrorStatus) << r.words;
        EXPECT_NE(err.find(r.words), std::string::npos) << err;
    }
    // The table periods 0.501 s (j = 87) to 0.998 s (j = 113) of the table; all 200 of a built-in curve.
    for (const auto& [target, rows, saAtFirst] : {std::tuple{site, 27u, 400.0}, {"bsl-damage", 200u, 0.9 * (64.0 + 600.0 * 0.05)}}) {
        std::string out;
        EXPECT_EQ(Parse({"--print-target", target, "--zone", "0.9"}, &out).exitStatus, 0);
        const Table table = Rows(out);
        ASSERT_EQ(table.size(), rows + 1);
        EXPECT_EQ(table[0], (std::vector<std::string>{"Period", "SA", "SV", "SD"}));
        const double period = std::stod(table[1][0]), sa = std::stod(table[1][1]);
        EXPECT_NEAR(sa, saAtFirst, 1e-5 * sa);
        EXPECT_NEAR(std::stod(table[1][2]), sa * period / (2 * M_PI), 1e-5 * sa);
        EXPECT_NEAR(std::stod(table[1][3]), sa * std::pow(period / (2 * M_PI), 2), 1e-5 * sa);
    }
}

TEST(BatchTargets, SummaryReportsTheLargestExceedanceAndStillReadsAsAnEventTable) {
    testing::TempFolder folder;
    const std::string site = folder.Write("site.csv", "0.3,200\n3,60\n");
    const std::string far = folder.Write("far.csv", "20,100\n30,100\n");  // beyond the table's periods
    auto run = [&](std::vector<std::string> args, const std::string& summary) {
        args.insert(args.end(), {"--data", SamplePath("data/DATA"), "--summary", summary});
        std::ostringstream out, err;
        RunBatch(*Parse(args).options, out, err, false);
        return Rows(ReadWholeFile(summary));
    };
    const std::string knet = SamplePath("samples/knet/AIC0012411051012.NS"), missing = folder / "missing.NS";
    const Table plain = run({knet, missing}, folder / "plain.csv");
    const Table with = run({"--target", "bsl-safety", "--target", site, "--target", far, "--out", folder / "out", knet, missing},
                           folder / "targets.csv");
    const Table vertical = run({"--components", "1", "--target", "bsl-damage", SamplePath("samples/knet/AIC0012411051012.UD")},
                               folder / "vertical.csv");
    ASSERT_EQ(with.size(), 3u);
    const std::size_t first = with[0].size() - 7;  // six cells before `error`
    EXPECT_EQ(std::vector<std::string>(with[0].begin() + static_cast<long>(first), with[0].end() - 1),
              (std::vector<std::string>{"bsl-safety_max_ratio", "bsl-safety_max_ratio_period", "site_max_ratio",
                                        "site_max_ratio_period", "far_max_ratio", "far_max_ratio_period"}));
    for (std::size_t r = 0; r < 3; ++r) {  // the other cells as without targets
        EXPECT_EQ(with[r].size(), with[0].size());
        std::vector<std::string> without = with[r];
        without.erase(without.begin() + static_cast<long>(first), without.end() - 1);
        EXPECT_EQ(without, plain[r]) << r;
    }
    // SA at 5 % (column 5, two decimals) of the horizontal NS and EW blocks of the spectrum CSV.
    const Table csv = Rows(ReadWholeFile(folder / "out/AIC001-202411051012rsp.csv"));
    std::vector<double> sa(PERIOD_COUNT, 0.0);
    for (std::size_t i = 0; i + 2 < csv.size(); ++i)
        if ((csv[i][0] == "NS" || csv[i][0] == "EW") && csv[i + 1][0] == "SA")
            for (std::size_t j = 0; j < PERIOD_COUNT; ++j) sa[j] = std::max(sa[j], std::stod(csv[i + 3 + j][5]));
    const PeriodTable periods = BuildPeriodTable();
    TargetSpectrum table;
    table.kind = TargetKind::Table;
    table.periods = {0.3, 3.0};
    table.sa = {200.0, 60.0};
    const TargetSpectrum targets[] = {BuiltInTarget(BslLimit::Safety, 1.0), table};
    for (int t = 0; t < 2; ++t) {
        double best = 0.0, bestPeriod = 0.0;
        for (int j = 0; j < PERIOD_COUNT; ++j)
            if (const auto v = targets[t].SaAt(periods.periods[j]); v && sa[j] / *v > best) best = sa[j] / *v, bestPeriod = periods.periods[j];
        EXPECT_GT(best, 1.0);  // the sample exceeds both
        EXPECT_NEAR(std::stod(with[1][first + 2 * t]), best, 1e-3) << t;  // 0.005 gal over 52 gal and more
        EXPECT_FLOAT_EQ(std::stof(with[1][first + 2 * t + 1]), static_cast<float>(bestPeriod)) << t;
    }
    EXPECT_EQ(with[1][first + 4] + with[1][first + 5], "");      // no table period beyond 20 s
    EXPECT_EQ(with[2][first] + with[2][first + 1], "");          // the failed record
    EXPECT_EQ(vertical[1][vertical[0].size() - 3], "");          // a lone UD component
    // The event table reads the rows as it reads those without targets.
    auto line = [](const std::vector<std::string>& cells) {
        std::string text;
        for (const std::string& c : cells) text += (text.empty() ? "" : ",") + c;
        return text + "\r\n";
    };
    const EventRow a = ParseSummaryRow(SummaryColumns(line(plain[0])), line(plain[1]));
    const EventRow b = ParseSummaryRow(SummaryColumns(line(with[0])), line(with[1]));
    EXPECT_TRUE(b.sa02 && b.sa10 && !b.failed());
    EXPECT_EQ(std::tie(a.stationCode, a.sa02Text, a.sa10Text, a.pgaMaxText), std::tie(b.stationCode, b.sa02Text, b.sa10Text, b.pgaMaxText));
    EXPECT_TRUE(ParseSummaryRow(SummaryColumns(line(with[0])), line(with[2])).failed());
}

}  // namespace
}  // namespace tremblo
