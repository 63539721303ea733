// What the batch program refuses or leaves empty rather than reporting a
// value it does not have: option values that are no numbers of their range,
// ZIP archives, target tables in the language asked for, and ratios over a
// spectrum that vanishes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <tuple>
#include <utility>
#include <string>
#include <vector>

#include "app/batch/batch_options.h"
#include "support/kiknet_pair.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const std::string kKnet = "samples/knet/AIC0012411051012";

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The program as a user runs it, in `folder`, with TREMBLO_LANG unset.
ProgramRun RunBatch(const TempFolder& folder, const std::vector<std::string>& arguments) {
    std::string command = "cd " + Quoted(folder.path().string()) + " && env -u TREMBLO_LANG " + Quoted(TREMBLO_BATCH_PROGRAM) +
                          " --data " + Quoted(SamplePath("data/DATA"));
    for (const std::string& a : arguments) command += " " + Quoted(a);
    command += " >" + Quoted(folder / "out.txt") + " 2>" + Quoted(folder / "err.txt");
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(folder / "out.txt");
    run.err = ReadWholeFile(folder / "err.txt");
    return run;
}

// The count a comment line "# COLUMN empty at N frequencies: ..." gives, and
// the number of rows whose last cell is empty: they are to agree.
std::pair<int, int> EmptyCells(const std::string& csv, const std::string& column) {
    const std::string mark = "# " + column + " empty at ";
    const std::size_t at = csv.find(mark);
    const int said = at == std::string::npos ? -1 : std::atoi(csv.c_str() + at + mark.size());
    int rows = 0;
    for (std::size_t end = csv.find(",\r\n"); end != std::string::npos; end = csv.find(",\r\n", end + 1)) ++rows;
    return {said, rows};
}

bool HasNonAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) return true;
    return false;
}

// A K-NET file's text with every count 0, its header saying so.
std::string Silenced(const std::string& text) {
    std::size_t at = 0;
    for (int line = 0; line < 17; ++line) at = text.find('\n', at) + 1;
    return testing::WithStatedPeak(text.substr(0, at) + std::regex_replace(text.substr(at), std::regex("[1-9]"), "0"));
}

// The sample record with the samples of `component` (NS, EW or UD) all zero.
std::string SilentComponentRecord(const TempFolder& folder, const std::string& component) {
    std::string first;
    for (const char* c : {"NS", "EW", "UD"}) {
        std::string text = ReadWholeFile(SamplePath(kKnet + "." + c));
        if (component == c) text = Silenced(text);
        const std::string path = folder.Write(std::string("quiet/AIC0012411051012.") + c, text);
        if (first.empty()) first = path;
    }
    return first;
}

TEST(BatchRefusals, DecimalOptionsTakeFiniteNumbersOfTheirRangeOnly) {
    TempFolder folder;
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* says;  // part of the error; "" for a value taken
    } cases[] = {
        {{"--print-target", "bsl-safety", "--zone", "nan"}, 64, "--zone takes a zone coefficient from 0.7 to 1, not 'nan'"},
        {{"--print-target", "bsl-safety", "--zone", "NAN"}, 64, "not 'NAN'"},
        {{"--print-target", "bsl-safety", "--zone", "-nan"}, 64, "not '-nan'"},
        {{"--print-target", "bsl-safety", "--zone", "inf"}, 64, "not 'inf'"},
        {{"--print-target", "bsl-safety", "--zone", "1e999"}, 64, "not '1e999'"},
        {{"--print-target", "bsl-safety", "--zone", "0.69"}, 64, "not '0.69'"},
        {{"--print-target", "bsl-safety", "--zone", "0.8x"}, 64, "not '0.8x'"},
        {{"--print-target", "bsl-safety", "--zone", "0.75"}, 0, ""},
        {{"--print-target", "bsl-damage", "--zone", "1"}, 0, ""},
        {{"--fas", "--ko-bandwidth", "nan", "x.NS"}, 64, "--ko-bandwidth takes a bandwidth from 1 to 100, not 'nan'"},
        {{"--fas", "--ko-bandwidth", "inf", "x.NS"}, 64, "not 'inf'"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunBatch(folder, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.back() << "\n" << run.err;
        EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out.substr(0, 200);
        if (*c.says != '\0') {
            EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 201) << run.err;
        }
    }
}

TEST(BatchRefusals, AZipArchiveIsSaidToBeOne) {
    TempFolder folder;
    const std::string zip = folder.Write("direct.zip", std::string("PK\x03\x04", 4) + std::string(26, '\0') +
                                                           ReadWholeFile(SamplePath(kKnet + ".NS")));
    for (const char* components : {"3", "1"}) {
        const ProgramRun run = RunBatch(folder, {"--components", components, "--out", "out", zip});
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find("direct.zip は ZIP 書庫です"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find(".nsP"), std::string::npos) << run.err;
        const ProgramRun english = RunBatch(folder, {"--lang", "en", "--components", components, "--out", "out", zip});
        EXPECT_NE(english.err.find("is a ZIP archive"), std::string::npos) << english.err;
    }
}

// The table is read with the command line, before any record: its message
// is in the language asked for all the same.
TEST(BatchRefusals, TargetTableMessagesFollowTheLanguage) {
    TempFolder folder;
    folder.Write("bad.csv", "0.1,100\n0.2;5\n");
    folder.Write("nul.csv", std::string("0.1,1\0" "00\n0.5,300\n", 17));
    const struct {
        std::vector<std::string> arguments;
        const char* japanese;
        const char* english;
    } cases[] = {
        {{"--target", "bad.csv", "x.NS"}, "bad.csv の 2 行目", "bad.csv, line 2: write two numbers"},
        {{"--print-target", "nul.csv"}, "nul.csv の 1 行目", "nul.csv, line 1: "},
        {{"--print-target", "none.csv"}, "none.csv が見つかりません", "none.csv was not found"},
    };
    for (const auto& c : cases) {
        const ProgramRun japanese = RunBatch(folder, c.arguments);
        EXPECT_EQ(japanese.status, 64);
        EXPECT_NE(japanese.err.find(c.japanese), std::string::npos) << japanese.err;
        std::vector<std::string> arguments{"--lang", "en"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const ProgramRun english = RunBatch(folder, arguments);
        EXPECT_EQ(english.status, 64);
        EXPECT_NE(english.err.find(c.english), std::string::npos) << english.err;
        EXPECT_FALSE(HasNonAscii(english.err)) << english.err;
    }
}

// A silent vertical component, a silent borehole component, a target far
// below the record: no nan or inf in any file; the cells are empty and the
// run says why, and still succeeds.
TEST(BatchRefusals, ValuesThatAreNoNumbersAreLeftEmptyAndNoted) {
    TempFolder folder;
    const std::string quiet = SilentComponentRecord(folder, "UD");
    ProgramRun run = RunBatch(folder, {"--fas", "--hv", "--out", "fas", quiet});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string csv = ReadWholeFile(folder / "fas/AIC001-202411051012fas.csv");
    EXPECT_EQ(csv.find("nan"), std::string::npos);
    EXPECT_EQ(csv.find("inf"), std::string::npos);
    EXPECT_NE(csv.find(" frequencies: the smoothed UD spectrum vanishes there\r\n"), std::string::npos) << csv.substr(0, 300);
    auto [said, rows] = EmptyCells(csv, "HV");
    EXPECT_GT(rows, 1000);
    EXPECT_EQ(said, rows);
    EXPECT_NE(run.err.find("note: HV: "), std::string::npos) << run.err;

    // The borehole's EW1 silent.
    const testing::KikNetPair pair = testing::WriteKikNetPair(folder);
    const std::string ew1 = ReadWholeFile(pair.borehole.substr(0, pair.borehole.size() - 3) + "EW1");
    folder.Write("kik/AIC0012411051012.EW1", Silenced(ew1));
    run = RunBatch(folder, {"--borehole-ratio", "--out", "ratio", pair.surface, pair.borehole});
    EXPECT_EQ(run.status, 0) << run.err;
    csv = ReadWholeFile(folder / "ratio/AIC001-202411051012ratio.csv");
    EXPECT_EQ(csv.find("nan"), std::string::npos);
    EXPECT_EQ(csv.find("inf"), std::string::npos);
    std::tie(said, rows) = EmptyCells(csv, "EW2/EW1");
    EXPECT_EQ(said, std::count(csv.begin(), csv.end(), '\n') - 3) << csv.substr(0, 300);  // every row but the header's
    EXPECT_NE(csv.find(",,"), std::string::npos) << "the middle column empty";
    EXPECT_NE(run.err.find("note: EW2/EW1: "), std::string::npos) << run.err;

    // A target of 1e-40 gal: SA over it is beyond single precision.
    folder.Write("tiny.csv", "0.1,1e-40\n5,1e-40\n");
    run = RunBatch(folder, {"--summary", "s.csv", "--target", "tiny.csv", "--target", "bsl-safety", SamplePath(kKnet + ".NS")});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string summary = ReadWholeFile(folder / "s.csv");
    EXPECT_EQ(summary.find("inf"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("nan"), std::string::npos) << summary;
    EXPECT_NE(run.err.find("tiny_max_ratio"), std::string::npos) << run.err;
    // tiny's two cells are empty, bsl-safety's are not.
    const std::string row = summary.substr(summary.find("\r\n") + 2);
    EXPECT_NE(row.find(",,"), std::string::npos) << row;
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

// --map-column takes the event window's numeric columns, a measure's only
// with --measures, and only with --map.
TEST(BatchRefusals, MapColumnNamesANumericColumnOfTheEventWindow) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* says;  // part of the error; "" for options taken
    } cases[] = {
        {{"--map", "m.png", "x.NS"}, 0, ""},
        {{"--map", "m.png", "--map-column", "pga_max", "x.NS"}, 0, ""},
        {{"--map", "m.png", "--map-column", "jma_class", "x.NS"}, 0, ""},
        {{"--map", "m.png", "--map-column", "c3_pga_gal", "x.NS"}, 0, ""},
        {{"--map", "m.png", "--measures", "--map-column", "si_horizontal", "x.NS"}, 0, ""},
        {{"--map", "m.png", "--map-column", "si_horizontal", "x.NS"}, 64, "--map-column si_horizontal needs --measures"},
        {{"--map", "m.png", "--map-column", "station_name", "x.NS"}, 64, "no numeric column of the event window is called"},
        {{"--map", "m.png", "--map-column", "PGA_MAX", "x.NS"}, 64, "no numeric column"},
        {{"--map", "m.png", "--map-column", "", "x.NS"}, 64, "no numeric column"},
        {{"--map-column", "pga_max", "x.NS"}, 64, "--map-column needs --map"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"tremblo-batch"};
        for (const std::string& argument : c.arguments) argv.push_back(argument.c_str());
        std::ostringstream out, err;
        const ParsedCommandLine parsed = ParseBatchCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
        const std::string what = c.arguments[c.arguments.size() - 2];
        EXPECT_EQ(parsed.exitStatus, c.status) << what << "\n" << err.str();
        EXPECT_EQ(parsed.options.has_value(), c.status == 0) << what;
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace tremblo
