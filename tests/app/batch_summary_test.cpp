// The summary table and the RotD file of the batch, checked against what
// the other outputs of the same run say: --info, the spectrum CSV and the
// velocity/displacement CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "app/batch/summary_writer.h"
#include "pipeline/record_summary.h"
#include "spectrum/period_table.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;
using Table = std::vector<std::vector<std::string>>;

// Rows of CSV text (RFC 4180 quotes), lines ended by CR LF or LF.
Table ParseCsv(const std::string& text) {
    Table rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') rows.back().back() += text[++i];
            else if (ch == '"') quoted = false;
            else rows.back().back() += ch;
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            rows.back().emplace_back();
        } else if (ch == '\n') {
            rows.emplace_back(1);
        } else if (ch != '\r') {
            rows.back().back() += ch;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
    return rows;
}

// The 200 rows of a block of the spectrum or RotD CSV whose title lines
// (component line, quantity line) are as given.
Table CsvBlock(const Table& csv, const std::string& componentLine, const std::string& quantityLine) {
    for (std::size_t i = 0; i + 2 < csv.size(); ++i)
        if (csv[i].size() == 1 && csv[i][0] == componentLine && csv[i + 1][0] == quantityLine)
            return Table(csv.begin() + static_cast<long>(i) + 3, csv.begin() + static_cast<long>(i) + 203);
    ADD_FAILURE() << "no block " << componentLine << " / " << quantityLine;
    return {};
}

// The row of a block whose period cell reads like the summary's column header.
const std::vector<std::string>& PeriodRow(const Table& block, double period) {
    for (const auto& row : block)
        if (std::fabs(std::stod(row[0]) - period) < 5e-4) return row;
    static const std::vector<std::string> none(16, "nan");
    ADD_FAILURE() << "no period " << period;
    return none;
}

TEST(BatchSummary, AgreesWithInfoAndTheCsvFilesAndReportsFailures) {
    TempFolder folder;
    BatchOptions options;
    options.files = {SamplePath("samples/knet/AIC0012411051012.NS"), SamplePath("samples/cdpc/CDPC_SYNTH.ns"),
                     folder / "missing.NS", SamplePath("samples/knet/AIC0012411051012.EW")};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.info = true;
    options.rotd = true;
    options.summaryFile = folder / "summary.csv";
    options.quantity = WaveQuantity::Velocity;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 1) << err.str();  // one file fails

    const Table summary = ParseCsv(ReadWholeFile(options.summaryFile));
    // One row per record: the EW file names the record of the NS file.
    ASSERT_EQ(summary.size(), 4u);
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < summary[0].size(); ++i) column[summary[0][i]] = i;
    for (const auto& row : summary) EXPECT_EQ(row.size(), summary[0].size());
    auto cell = [&](std::size_t row, const std::string& name) {
        EXPECT_TRUE(column.count(name)) << name;
        return summary[row][column[name]];
    };

    std::istringstream infoLines(out.str());
    std::string line;
    std::getline(infoLines, line);
    const nlohmann::json info = nlohmann::json::parse(line);
    EXPECT_EQ(cell(1, "file"), options.files[0]);
    EXPECT_EQ(cell(1, "station_code"), info["station_code"]);
    EXPECT_EQ(cell(1, "origin_time"), info["origin_date"].get<std::string>() + " " + info["origin_time"].get<std::string>());
    EXPECT_EQ(std::stoi(cell(1, "sample_count")), info["sample_count"]);
    EXPECT_EQ(cell(1, "jma_class"), info["jma_class"]);
    EXPECT_DOUBLE_EQ(std::stod(cell(1, "jma_intensity")), info["jma_intensity"].get<double>());
    // The sample's header: station 35.1650 N 136.9650 E, 12 m; event 34.512 N 136.874 E, 42 km, M6.3.
    const struct {
        const char* column;
        const char* value;
    } header[] = {{"station_lat", "35.165"}, {"station_lon", "136.965"}, {"station_height_m", "12"},
                  {"event_lat", "34.512"},   {"event_lon", "136.874"},   {"event_depth_km", "42"},
                  {"magnitude", "6.3"}};
    for (const auto& h : header) EXPECT_EQ(cell(1, h.column), h.value) << h.column;

    const std::string base = folder / ("out/" + info["output_name"].get<std::string>());
    const Table spectrum = ParseCsv(ReadWholeFile(base + "rsp.csv"));
    const Table rotd = ParseCsv(ReadWholeFile(base + "rotd.csv"));
    const Table velocity = ParseCsv(ReadWholeFile(base + ".csv"));
    const char* labels[] = {"NS", "EW", "UD"};
    for (int c = 0; c < 3; ++c) {
        const std::string prefix = "c" + std::to_string(c + 1) + "_";
        EXPECT_EQ(cell(1, prefix + "label"), labels[c]);
        EXPECT_FLOAT_EQ(std::stof(cell(1, prefix + "pga_gal")), info["components"][c]["peak_gal"].get<float>());
        // PGV over the window: the velocity CSV's largest value, printed to 3 decimals.
        double csvPeak = 0;
        for (std::size_t i = 4; i < velocity.size(); ++i) csvPeak = std::max(csvPeak, std::fabs(std::stod(velocity[i][c])));
        EXPECT_NEAR(std::stod(cell(1, prefix + "pgv_kine")), csvPeak, 0.0005 + 1e-9);
        EXPECT_GT(std::stod(cell(1, prefix + "pgd_cm")), 0.0);
    }
    // SA at 5 % (column 5 of the spectrum CSV) and RotD at 5 % (columns 5 and
    // 10 of the RotD CSV), printed to 2 decimals there.
    int periodColumns = 0;
    for (const auto& [name, index] : column) {
        double period = 0;
        char kind[16] = {};
        if (std::sscanf(name.c_str(), "%15[^_]_sa5_%lfs", kind, &period) != 2) continue;
        ++periodColumns;
        const double value = std::stod(summary[1][index]);
        const std::string k = kind;
        std::string expected;
        if (k == "rotd50" || k == "rotd100") {
            const auto& row = PeriodRow(CsvBlock(rotd, "NS-EW", "SA RotD"), period);
            expected = row[k == "rotd50" ? 5 : 10];
            EXPECT_GE(std::stod(row[10]), std::stod(row[5])) << name;  // RotD100 >= RotD50
        } else {
            expected = PeriodRow(CsvBlock(spectrum, labels[k[1] - '1'], "SA"), period)[5];
        }
        EXPECT_NEAR(value, std::stod(expected), 0.005 + 1e-9) << name;
    }
    EXPECT_EQ(periodColumns, 30);  // 3 components and RotD50/RotD100, 6 periods each

    // A CDPC record has no header coordinates; the failed file keeps its error.
    EXPECT_EQ(cell(2, "format"), "cdpc");
    EXPECT_TRUE(cell(2, "station_lat").empty());
    EXPECT_FALSE(cell(2, "rotd100_sa5_1.987s").empty());
    EXPECT_EQ(cell(3, "file"), options.files[2]);
    EXPECT_FALSE(cell(3, "error").empty());
    for (std::size_t i = 1; i + 1 < summary[3].size(); ++i) EXPECT_TRUE(summary[3][i].empty()) << summary[0][i];
}

// --oscillator exact --pseudo --spectra-table: --info names the oscillator,
// the PSA columns and NAMEpsa.csv are the full-precision table's PSA, and
// the pseudo RotD columns are ordered as RotD50 <= RotD100.
TEST(BatchSummary, PseudoColumnsAreTheSpectraTablesExactPsa) {
    TempFolder folder;
    BatchOptions options;
    options.files = {SamplePath("samples/knet/AIC0012411051012.NS")};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.info = options.rotd = options.pseudo = options.spectraTable = true;
    options.oscillator = OscillatorMethod::Exact;
    options.summaryFile = folder / "summary.csv";
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const nlohmann::json info = nlohmann::json::parse(out.str().substr(0, out.str().find('\n')));
    EXPECT_EQ(info["oscillator"], "exact");

    const Table summary = ParseCsv(ReadWholeFile(options.summaryFile));
    ASSERT_EQ(summary.size(), 2u);
    const std::string base = folder / ("out/" + info["output_name"].get<std::string>());
    // The exact oscillator's files open with a comment line naming it.
    const std::string tableText = ReadWholeFile(base + "spectra.csv");
    const std::string psaText = ReadWholeFile(base + "psa.csv");
    for (const std::string* text : {&tableText, &psaText})
        ASSERT_EQ(text->substr(0, text->find("\r\n")),
                  "# oscillator: exact (Nigam-Jennings, ground acceleration linear between samples)");
    const Table table = ParseCsv(tableText.substr(tableText.find("\r\n") + 2));
    const Table psa = ParseCsv(psaText.substr(psaText.find("\r\n") + 2));
    ASSERT_EQ(table.size(), 1u + 3 * 5 * 200);
    const char* labels[] = {"NS", "EW", "UD"};
    std::map<std::string, float> rotd;
    int psaColumns = 0;
    for (std::size_t i = 0; i < summary[0].size(); ++i) {
        const std::string& name = summary[0][i];
        EXPECT_EQ(name.find("_sa5_"), std::string::npos) << name;
        double period = 0;
        char kind[16] = {};
        if (std::sscanf(name.c_str(), "%15[^_]_psa5_%lfs", kind, &period) != 2) continue;
        ++psaColumns;
        const float value = std::stof(summary[1][i]);
        if (kind[0] == 'r') {
            rotd[name] = value;
            continue;
        }
        const std::string label = labels[kind[1] - '1'];
        const auto row = std::find_if(table.begin() + 1, table.end(), [&](const auto& r) {
            return r[0] == label && r[1] == "0.0500000007" && std::fabs(std::stod(r[2]) - period) < 5e-4;
        });
        ASSERT_NE(row, table.end()) << name;
        EXPECT_EQ(value, std::stof((*row)[6])) << name;  // PSA, column 7
        EXPECT_NEAR(std::stod(PeriodRow(CsvBlock(psa, label, "pSA"), period)[5]), std::stod((*row)[6]), 5e-5 + 1e-9);
    }
    EXPECT_EQ(psaColumns, 30);
    for (const auto& [name, value] : rotd) {
        if (name.rfind("rotd50", 0) != 0) continue;
        const std::string partner = "rotd100" + name.substr(6);
        EXPECT_LE(value, rotd.at(partner)) << name;
    }
}

// RotD100 is at least the peak along 0 (NS) and 90 degrees (EW); a lone
// component has no RotD file.
// A table that cannot take its name (a folder stands there) leaves no
// temporary file behind, and whatever stands at the name stays.
TEST(BatchSummary, AFailedRenameRemovesTheTemporaryFile) {
    TempFolder folder;
    folder.Write("summary.csv/keep.txt", "mine");
    SummaryWriter writer;
    ASSERT_TRUE(writer.Open(folder / "summary.csv", "file,error\r\n"));
    writer.Write("a,b\r\n");
    EXPECT_FALSE(writer.Finish());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"summary.csv"});
    EXPECT_EQ(ReadWholeFile(folder / "summary.csv/keep.txt"), "mine");
}

TEST(BatchSummary, RotDFileBoundsTheSingleComponentsAndNeedsTwo) {
    TempFolder folder;
    BatchOptions options;
    options.files = {SamplePath("samples/hiroshima/HFD01_241105.ns")};
    options.outFolder = folder.path().string();
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.rotd = true;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const Table spectrum = ParseCsv(ReadWholeFile(folder / "HFD01_241105rsp.csv"));
    const Table rotd = ParseCsv(ReadWholeFile(folder / "HFD01_241105rotd.csv"));
    const char* quantities[] = {"SA", "SV", "SD"};
    for (const char* q : quantities) {
        const Table r = CsvBlock(rotd, "NS-EW", std::string(q) + " RotD");
        const Table ns = CsvBlock(spectrum, "NS", q), ew = CsvBlock(spectrum, "EW", q);
        ASSERT_EQ(r.size(), 200u);
        for (std::size_t j = 0; j < r.size(); ++j) {
            for (int k = 0; k < 5; ++k) {
                const double rotd100 = std::stod(r[j][7 + k]), rotd50 = std::stod(r[j][2 + k]);
                EXPECT_GE(rotd100, std::max(std::stod(ns[j][2 + k]), std::stod(ew[j][2 + k]))) << q << j;
                EXPECT_LE(rotd50, rotd100);
                const int azimuth = std::stoi(r[j][12 + k]);
                EXPECT_TRUE(azimuth >= 0 && azimuth < 180);
            }
        }
    }

    options.threeComponents = false;
    options.outFolder = folder / "one";
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_FALSE(fs::exists(folder / "one/HFD01_241105rotd.csv"));
    EXPECT_NE(err.str().find("--rotd: no file"), std::string::npos) << err.str();
}


// A failed row keeps the summary's columns (count and order) and names, in
// station_code, the station a K-NET/KiK-net file's name tells, inside
// archives too; its file cell is the file as given.
TEST(BatchSummary, AFailedRowNamesTheStationItsFileTells) {
    const struct {
        std::string file;
        std::string code;
    } cases[] = {
        {"/d/x.tar:e.knt.tar.gz:AIC0032411051012.NS", "AIC003"},
        {"/d/ev.tgz:ev/AICH012411051012.UD2", "AICH01"},
        {"/d/GONE012411051012.NS", "GONE01"},
        {"/d/missing.NS", ""},
        {"/d/x.tar:e.knt.tar.gz", ""},
    };
    for (bool rotd : {false, true}) {
        const Table header = ParseCsv(SummaryHeader(BuildPeriodTable(), rotd));
        for (const auto& c : cases) {
            const Table row = ParseCsv(FailedSummaryRow(c.file, "why, \"quoted\"", rotd));
            ASSERT_EQ(row.size(), 1u) << c.file;
            ASSERT_EQ(row[0].size(), header[0].size()) << c.file;
            for (std::size_t i = 0; i < row[0].size(); ++i) {
                const std::string& name = header[0][i];
                const std::string expected = name == "file" ? c.file : name == "station_code" ? c.code
                                             : name == "error" ? "why, \"quoted\"" : "";
                EXPECT_EQ(row[0][i], expected) << c.file << " " << name;
            }
        }
    }
    // With target columns: two more cells a target, still empty.
    const Table targets = ParseCsv(FailedSummaryRow(cases[0].file, "why", false, 2));
    EXPECT_EQ(targets[0].size(), ParseCsv(SummaryHeader(BuildPeriodTable(), false))[0].size() + 4);
    EXPECT_EQ(targets[0][2], "AIC003");
    EXPECT_EQ(targets[0].back(), "why");
}

}  // namespace
}  // namespace tremblo
