// The batch given damaged or odd input: gzip data that fails its check
// (its records fail, none of their values written), archives that end early
// or hold no record, damaged tar headers, the number of workers, and records
// whose file names have nothing before their period.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/batch/batch_options.h"
#include "pipeline/record_plan.h"
#include "app/batch/batch_runner.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::MemberList;
using testing::TarBytes;
using testing::TempFolder;

const std::string kStem = "AIC0012411051012";

std::string Sample(const std::string& component) {
    return testing::ReadWholeFile(testing::SamplePath("samples/knet/" + kStem + "." + component));
}

// The sample's three components named `stem.C` (`suffix` after each).
MemberList Record(const std::string& stem, const std::string& suffix = "") {
    MemberList members;
    for (const char* c : {"NS", "EW", "UD"}) members.push_back({stem + "." + c + suffix, Sample(c)});
    return members;
}

MemberList GzipRecord(const std::string& stem) {
    MemberList members = Record(stem, ".gz");
    for (auto& member : members) member.second = testing::GzipBytes(member.second);
    return members;
}

std::string Flipped(std::string bytes, std::size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
}

struct BatchRun {
    int status = 0;
    std::string out, err;
};

BatchRun RunOn(BatchOptions options) {
    std::ostringstream o, e;
    BatchRun run;
    run.status = RunBatch(options, o, e, false);
    run.out = o.str();
    run.err = e.str();
    return run;
}

BatchOptions Options(const std::string& file, const TempFolder& folder) {
    BatchOptions options;
    options.files = {file};
    options.outFolder = folder / "out";
    options.outGiven = true;
    options.info = true;
    options.summaryFile = folder / "s.csv";
    options.dataFolder = testing::SamplePath("data/DATA");
    options.jobs = 2;
    return options;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(BatchDamage, ARecordFromDamagedGzipFailsAndNoneOfItsValuesIsWritten) {
    const std::string ns = testing::GzipBytes(Sample("NS"));
    MemberList flippedMember = GzipRecord(kStem);
    flippedMember[1].second = Flipped(flippedMember[1].second, flippedMember[1].second.size() / 2);
    MemberList knt = Record(kStem);
    for (auto& member : Record("AIC0022411051012")) knt.push_back(member);
    const std::string tgz = TarBytes(knt);
    // A stored .tar.gz whose second record's first header reads as zeros:
    // a tar reader would end there.
    std::string zeroed = testing::StoredTarGzBytes(knt);
    zeroed.replace(zeroed.find("AIC0022411051012.NS"), 512, std::string(512, '\0'));

    struct Case {
        const char* what;
        MemberList files;  // written into the folder; the first is given
        std::string shown;  // the failing record's name, "@" for the first file's path
        std::size_t failedRows;
    };
    const std::vector<Case> cases{
        {".NS.gz with its deflate data flipped",
         {{kStem + ".NS.gz", Flipped(ns, ns.size() / 2)}, GzipRecord(kStem)[1], GzipRecord(kStem)[2]}, "@", 1},
        {".NS.gz with its CRC-32 flipped",
         {{kStem + ".NS.gz", Flipped(ns, ns.size() - 8)}, GzipRecord(kStem)[1], GzipRecord(kStem)[2]}, "@", 1},
        {".gz member flipped", {{"m.tar", TarBytes(flippedMember, false)}}, "@:" + kStem + ".NS.gz", 1},
        {".tar.gz with its CRC-32 flipped", {{"a.tar.gz", Flipped(tgz, tgz.size() - 8)}}, "@:" + kStem + ".NS", 2},
        {".knt.tar.gz inside with its CRC-32 flipped",
         {{"d.tar", TarBytes({{"e.knt.tar.gz", Flipped(tgz, tgz.size() - 7)}}, false)}}, "@:e.knt.tar.gz:" + kStem + ".NS", 2},
        {".tar.gz with a zero block decoded from damage", {{"z.tgz", zeroed}}, "@:" + kStem + ".NS", 1},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string given;
        for (const auto& [name, bytes] : c.files) {
            const std::string path = folder.Write("in/" + name, bytes);
            if (given.empty()) given = path;
        }
        const BatchRun run = RunOn(Options(given, folder));
        std::string shown = c.shown;
        shown.replace(0, 1, given);
        EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
        EXPECT_EQ(run.out, "") << c.what;  // no --info values
        EXPECT_NE(run.err.find("error: " + shown + ": "), std::string::npos) << c.what << "\n" << run.err;
        EXPECT_NE(run.err.find("gzip データが壊れています"), std::string::npos) << c.what << "\n" << run.err;
        EXPECT_EQ(run.err.find("0 files processed"), std::string::npos) << c.what << "\n" << run.err;
        EXPECT_TRUE(!fs::exists(folder / "out") || fs::is_empty(folder / "out")) << c.what;
        // Every row of the summary is a failed one: no values.
        const std::vector<std::string> rows = Lines(testing::ReadWholeFile(folder / "s.csv"));
        ASSERT_GE(rows.size(), 1 + c.failedRows) << c.what;
        for (std::size_t i = 1; i < rows.size(); ++i)
            EXPECT_NE(rows[i].find("壊れています"), std::string::npos) << c.what << ": " << rows[i];
    }
}

TEST(BatchDamage, AnArchiveEndingEarlyOrHoldingNoRecordFails) {
    const std::string tar = TarBytes(Record(kStem), false);
    struct Case {
        const char* what;
        const char* name;
        std::string bytes;
        std::string error;
    };
    const std::vector<Case> cases{
        {"cut exactly after its last member", "c.tar", tar.substr(0, tar.size() - 1024),
         "アーカイブをメンバー 3 個より先は読めません: 途中で切れています"},
        {"empty", "e.tar", TarBytes({}, false), "アーカイブに地震記録ファイルがありません"},
        {"empty, compressed", "e.tgz", TarBytes({}), "アーカイブに地震記録ファイルがありません"},
        {"folders only", "f.tar", TarBytes({{"a/", ""}, {"a/b/", ""}}, false), "アーカイブに地震記録ファイルがありません"},
        {"FIFOs only", "p.tar", TarBytes({{"a/X.NS|", ""}, {"a/X.EW|", ""}}, false), "アーカイブに地震記録ファイルがありません"},
        {"no record file among its members", "n.tar.gz",
         TarBytes({{"readme.txt", "K-NET"}, {"X.NS.ps.gz", testing::GzipBytes("%!PS")}}), "アーカイブに地震記録ファイルがありません"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.Write(c.name, c.bytes);
        const BatchRun run = RunOn(Options(path, folder));
        EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
        EXPECT_NE(run.err.find("error: " + path + ": " + c.error), std::string::npos) << c.what << "\n" << run.err;
    }
}

TEST(BatchDamage, ADamagedTarHeaderSaysTheArchiveIsDamagedThere) {
    MemberList members = Record(kStem);
    for (auto& member : Record("AIC0022411051012")) members.push_back(member);
    std::string tar = TarBytes(members, false);
    const std::size_t header = tar.find("AIC0022411051012.EW");
    tar[header + 3] = static_cast<char>(tar[header + 3] ^ 0x04);  // the name, under the header's checksum
    struct Case {
        const char* what;
        const char* name;
        std::string bytes;
        std::string named;  // the archive damaged, "@" the one given
    };
    const std::vector<Case> cases{
        {"the archive given", "h.tar", tar, "@"},
        {"an archive inside", "d.tar", TarBytes({{"in.tar", tar}}, false), "@:in.tar"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.Write(c.name, c.bytes);
        std::string named = c.named;
        named.replace(0, 1, path);
        const BatchRun run = RunOn(Options(path, folder));
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find("error: " + named + ": アーカイブはメンバー 4 個の後が壊れています"), std::string::npos)
            << c.what << "\n" << run.err;
        EXPECT_EQ(run.err.find("揃っていません"), std::string::npos) << c.what << "\n" << run.err;
    }
}

TEST(BatchWorkerCount, NoMoreWorkersThanRecordsOrForArchivesCores) {
    const PlannedRecord file{"a.NS", RecordFormat::Knet, std::nullopt, InputKind::File, {}};
    const PlannedRecord sameRecord{"a.EW", RecordFormat::Knet, std::size_t{0}, InputKind::File, {}};
    const PlannedRecord archive{"a.tar", RecordFormat::Knet, std::nullopt, InputKind::Archive, {}};
    struct Case {
        int jobs;
        std::vector<PlannedRecord> plan;
        int cores;
        int workers;
    };
    const std::vector<Case> cases{
        {1000, {archive}, 4, 4},
        {3, {archive}, 8, 3},
        {0, {archive}, 6, 6},
        {1000, {file, archive}, 2, 2},
        {1000, {file, sameRecord}, 4, 1},
        {8, {file, file, file}, 2, 3},  // plain files: as many as asked, up to the records
        {0, {file, file, file}, 2, 2},
        {0, {}, 4, 1},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(BatchWorkerCount(cases[i].jobs, cases[i].plan, cases[i].cores), cases[i].workers) << "case " << i;
}

TEST(BatchOutputNames, RecordsNamedOnlyByTheirExtensionTakeTheirFoldersName) {
    struct Case {
        const char* what;
        std::vector<std::string> records;  // folders of ".NS .EW .UD"; "A.tar" for an archive of them
        std::vector<std::string> csvFiles;
        std::string clash;  // in the error of the record that would write over another's files
    };
    const std::vector<Case> cases{
        {"two folders", {"a", "b"}, {"a.csv", "b.csv"}, ""},
        {"folders of the same name", {"x/a", "y/a"}, {"a.csv"}, "y/a/.NS: its files would be named a.csv"},
        {"archive members", {"arch.tar"}, {"arch.csv", "m.csv"}, ""},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        BatchOptions options = Options("", folder);
        options.files.clear();
        options.info = false;
        options.summaryFile.clear();
        options.dataFolder = folder / "nodata";  // no station known: no event name
        options.jobs = 1;
        for (const std::string& record : c.records) {
            if (record.ends_with(".tar")) {
                MemberList members = Record("");
                for (auto& member : Record("m/")) members.push_back(member);
                options.files.push_back(folder.Write("in/" + record, TarBytes(members, false)));
                continue;
            }
            for (const auto& [name, bytes] : Record("in/" + record + "/")) folder.Write(name, bytes);
            options.files.push_back(folder / ("in/" + record + "/.NS"));
        }
        const BatchRun run = RunOn(options);
        std::vector<std::string> csv;
        for (const auto& entry : fs::directory_iterator(folder / "out"))
            if (const std::string name = entry.path().filename().string(); name.ends_with(".csv") && !name.ends_with("rsp.csv"))
                csv.push_back(name);  // ".csv" too
        std::sort(csv.begin(), csv.end());
        EXPECT_EQ(csv, c.csvFiles) << c.what << "\n" << run.err;
        EXPECT_EQ(run.status, c.clash.empty() ? 0 : 1) << c.what << "\n" << run.err;
        if (!c.clash.empty()) {
            EXPECT_NE(run.err.find(c.clash), std::string::npos) << c.what << "\n" << run.err;
            EXPECT_NE(run.err.find("x/a/.NS, written"), std::string::npos) << c.what << "\n" << run.err;
        }
    }
}

}  // namespace
}  // namespace tremblo
