// The batch fed archives as NIED hands them out (.tar.gz of component files,
// .gz component files), and file lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "pipeline/record_pipeline.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const std::string kStem = "AIC0012411051012";

std::string Sample(const std::string& component) { return ReadWholeFile(SamplePath("samples/knet/" + kStem + "." + component)); }

BatchOptions Options(std::vector<std::string> files, const std::string& out) {
    BatchOptions options;
    options.files = std::move(files);
    options.outFolder = out;
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.jobs = 2;
    return options;
}

int RunCollected(const BatchOptions& options, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int status = RunBatch(options, o, e, false);
    out = o.str();
    err = e.str();
    return status;
}

// Every file of `b` is in `a` with the same bytes, and the other way round.
void ExpectSameFiles(const fs::path& a, const fs::path& b) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(a)) names.push_back(entry.path().filename().string());
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(b), fs::directory_iterator())), names.size());
    for (const std::string& name : names)
        EXPECT_TRUE(ReadWholeFile((a / name).string()) == ReadWholeFile((b / name).string())) << name;
}

std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::istringstream lines(text);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    return objects;
}

TEST(BatchArchive, WritesTheGoodRecordAsItsPlainFilesAndReportsEachBadOne) {
    TempFolder folder;
    std::string out, err;
    ASSERT_EQ(RunCollected(Options({SamplePath("samples/knet/" + kStem + ".NS")}, folder / "plain"), out, err), 0) << err;

    const std::string cut = Sample("NS").substr(0, 120);
    const std::string archive = folder.Write("quake.tar.gz", testing::TarBytes({
        {"ev/" + kStem + ".NS", Sample("NS")}, {"ev/" + kStem + ".ew.gz", testing::GzipBytes(Sample("EW"))},
        {"ev/" + kStem + ".UD", Sample("UD")},
        {"ev/CUT0012411051012.NS", cut}, {"ev/CUT0012411051012.EW", cut}, {"ev/CUT0012411051012.UD", cut},
        {"ev/BAD.NS.gz", "no gzip"}, {"ev/BAD.EW", Sample("EW")}, {"ev/BAD.UD", Sample("UD")},
        {"ev/MISS.NS", Sample("NS")}, {"ev/MISS.UD", Sample("UD")}}));
    EXPECT_EQ(RunCollected(Options({archive}, folder / "archive"), out, err), 1);
    ExpectSameFiles(folder / "plain", folder / "archive");

    const std::vector<std::string> expected{
        archive + ":ev/" + kStem + ".NS: wrote ",
        "error: " + archive + ":ev/CUT0012411051012.NS: データファイルエラー: データファイル " + archive +
            ":ev/CUT0012411051012.NS を読み込めません",
        "error: " + archive + ":ev/BAD.NS.gz: 壊れたメンバー ev/BAD.NS.gz: 展開できません: ",
        "error: " + archive + ":ev/MISS.NS: データファイルエラー: ３成分のデータを読み込めません データファイル " +
            archive + ":ev/MISS.ew がありません"};
    std::size_t last = 0;
    for (const std::string& line : expected) {  // in the order of the members
        const std::size_t at = err.find(line);
        EXPECT_NE(at, std::string::npos) << line << "\n" << err;
        EXPECT_GT(at, last) << line;
        last = at;
    }
    EXPECT_NE(out.find("1 of 4 files processed, 3 failed"), std::string::npos) << out;
}

// Every set of files comes from one record: the same station in two
// archives inside, or a component named twice in letter cases, is reported
// naming both, never written as a mixture.
TEST(BatchArchive, RecordsOfOneNameNeverMixTheirFiles) {
    TempFolder folder;
    std::string out, err;
    ASSERT_EQ(RunCollected(Options({SamplePath("samples/knet/" + kStem + ".NS")}, folder / "plain"), out, err), 0) << err;
    // The second copy's counts are halved: its files, had they been written,
    // would differ from the plain record's.
    std::string halved = Sample("EW");
    halved = testing::WithStatedPeak(halved.replace(halved.find("3920(gal)/6182761"), 17, "1960(gal)/6182761"));
    const testing::MemberList first{{kStem + ".NS", Sample("NS")}, {kStem + ".EW", Sample("EW")}, {kStem + ".UD", Sample("UD")}};
    const testing::MemberList second{{kStem + ".NS", Sample("NS")}, {kStem + ".EW", halved}, {kStem + ".UD", Sample("UD")}};
    const std::string twice = folder.Write("twice.tar", testing::TarBytes({testing::ArchiveInside("a.knt.tar.gz", first),
                                                                           testing::ArchiveInside("b.knt.tar.gz", second)},
                                                                          false));
    BatchOptions one = Options({twice}, folder / "twice");
    one.jobs = 1;
    EXPECT_EQ(RunCollected(one, out, err), 1);
    ExpectSameFiles(folder / "plain", folder / "twice");
    EXPECT_NE(err.find("like those of " + twice + ":a.knt.tar.gz:" + kStem + ".NS"), std::string::npos) << err;
    // Two at once: either record's files, whole, whichever came first.
    folder.Write("h/" + kStem + ".NS", Sample("NS"));
    folder.Write("h/" + kStem + ".EW", halved);
    folder.Write("h/" + kStem + ".UD", Sample("UD"));
    ASSERT_EQ(RunCollected(Options({folder / ("h/" + kStem + ".NS")}, folder / "halved"), out, err), 0) << err;
    for (int run = 0; run < 4; ++run) {
        const std::string into = folder / ("both" + std::to_string(run));
        EXPECT_EQ(RunCollected(Options({twice}, into), out, err), 1);
        const std::string csv = ReadWholeFile(into + "/AIC001-202411051012rsp.csv");
        ExpectSameFiles(csv == ReadWholeFile(folder / "plain/AIC001-202411051012rsp.csv") ? folder / "plain"
                                                                                          : folder / "halved",
                        into);
    }

    const std::string cases = folder.Write("cases.tar", testing::TarBytes({{kStem + ".NS", Sample("NS")},
                                                                           {kStem + ".ns", Sample("UD")},
                                                                           {kStem + ".EW", Sample("EW")},
                                                                           {kStem + ".UD", Sample("UD")}},
                                                                          false));
    EXPECT_EQ(RunCollected(Options({cases}, folder / "cases"), out, err), 1);
    EXPECT_FALSE(fs::exists(fs::path(folder / "cases") / "AIC001-202411051012.csv"));
    EXPECT_NE(err.find(kStem + ".NS and " + kStem + ".ns name the same component file"), std::string::npos) << err;
}

TEST(BatchArchive, OneComponentMakesEveryMemberARecordInMemberOrder) {
    TempFolder folder;
    const std::vector<std::string> components{"UD", "NS", "EW"};
    testing::MemberList members;
    for (const std::string& c : components) members.push_back({kStem + "." + c, Sample(c)});
    const std::string archive = folder.Write("one.tar", testing::TarBytes(members, false));

    BatchOptions options = Options({archive}, folder / "unused");
    options.outGiven = false;
    options.info = true;
    options.threeComponents = false;
    options.jobs = 3;
    std::string out, err;
    ASSERT_EQ(RunCollected(options, out, err), 0) << err;
    const std::vector<nlohmann::json> objects = JsonLines(out);
    ASSERT_EQ(objects.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(objects[i]["file"], archive + ":" + kStem + "." + components[i]);
        // The same values as the component given as a plain file.
        options.files = {SamplePath("samples/knet/" + kStem + "." + components[i])};
        std::string plainOut, plainErr;
        ASSERT_EQ(RunCollected(options, plainOut, plainErr), 0) << plainErr;
        nlohmann::json plain = JsonLines(plainOut).at(0);
        plain["file"] = objects[i]["file"];
        EXPECT_EQ(objects[i], plain) << components[i];
    }
    EXPECT_NE(err.find("3 of 3 files processed"), std::string::npos) << err;
}

TEST(BatchArchive, GzipComponentFilesLoadAsOneRecordLikeTheirPlainFiles) {
    TempFolder folder;
    std::vector<std::string> files;
    for (const char* c : {"NS", "EW", "UD"}) files.push_back(folder.Write("in/" + kStem + "." + c + ".gz", testing::GzipBytes(Sample(c))));
    std::string out, err;
    ASSERT_EQ(RunCollected(Options(files, folder / "gz"), out, err), 0) << err;
    EXPECT_NE(out.find("3 of 3 files processed (2 of them the record of an earlier file)"), std::string::npos) << out;
    ASSERT_EQ(RunCollected(Options({SamplePath("samples/knet/" + kStem + ".UD")}, folder / "plain"), out, err), 0) << err;
    ExpectSameFiles(folder / "plain", folder / "gz");

    // A damaged .gz file is named as such, not as a missing file.
    const std::string damaged = folder.Write("bad/" + kStem + ".EW.gz", "no gzip");
    folder.Write("bad/" + kStem + ".NS.gz", testing::GzipBytes(Sample("NS")));
    folder.Write("bad/" + kStem + ".UD.gz", testing::GzipBytes(Sample("UD")));
    EXPECT_EQ(RunCollected(Options({folder / ("bad/" + kStem + ".NS.gz")}, folder / "bad-out"), out, err), 1);
    EXPECT_NE(err.find(damaged + " を読み込めません"), std::string::npos) << err;
    EXPECT_EQ(err.find("がありません"), std::string::npos) << err;
}

// gzip's check covers the whole stream: a .tgz cut short gives no record
// whose values can be trusted, not even those before the cut.
TEST(BatchArchive, ACutGzipArchiveProcessesNoneOfItsRecords) {
    TempFolder folder;
    testing::MemberList members;
    for (const char* c : {"NS", "EW", "UD"}) members.push_back({"ev/" + kStem + "." + c, Sample(c)});
    std::mt19937 noise(7);  // members that do not compress, after the record
    for (int i = 0; i < 8; ++i) {
        std::string bytes(100000, ' ');
        for (char& b : bytes) b = static_cast<char>(noise());
        members.push_back({"ev/N" + std::to_string(i) + ".ns", bytes});
    }
    const std::string whole = testing::TarBytes(members);
    const std::string archive = folder.Write("cut.tgz", whole.substr(0, whole.size() * 3 / 4));
    BatchOptions options = Options({archive}, folder / "out");
    options.info = true;
    std::string out, err;
    EXPECT_EQ(RunCollected(options, out, err), 1);
    EXPECT_TRUE(JsonLines(out).empty()) << out;
    EXPECT_TRUE(!fs::exists(folder / "out") || fs::is_empty(folder / "out"));
    EXPECT_NE(err.find("error: " + archive + ":ev/" + kStem + ".NS: " + archive +
                       ": gzip データが途中で切れています; その記録は処理していません"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("error: " + archive + ": アーカイブをメンバー "), std::string::npos) << err;
    EXPECT_NE(err.find("処理していない記録: " + archive + ":ev/N"), std::string::npos) << err;
}

ParsedCommandLine Parse(std::vector<const char*> args, const std::string& standardInput, std::string* text = nullptr) {
    args.insert(args.begin(), "tremblo-batch");
    std::ostringstream out, err;
    std::istringstream in(standardInput);
    ParsedCommandLine parsed = ParseBatchCommandLine(static_cast<int>(args.size()), args.data(), out, err, in);
    if (text) *text = out.str() + err.str();
    return parsed;
}

TEST(BatchFileList, AppendsTheListedFilesToTheCommandLinesOnes) {
    TempFolder folder;
    const std::string list = folder.Write("list", "b.ns\r\n\n  c d.ns\r\n\r\ne.ns");
    struct Case {
        std::vector<const char*> args;
        std::string standardInput;
        std::vector<std::string> files;
    };
    const std::vector<Case> cases{
        {{"a.ns", "--files-from", list.c_str()}, "", {"a.ns", "b.ns", "  c d.ns", "e.ns"}},
        {{"--files-from", "-"}, "x.ns\ny.ns\n", {"x.ns", "y.ns"}},
        {{"--files-from", "-", "z.ns"}, "\r\n", {"z.ns"}},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = Parse(c.args, c.standardInput);
        ASSERT_TRUE(parsed.options) << c.args[0];
        EXPECT_EQ(parsed.options->files, c.files) << c.args[0];
    }
    std::string text;
    const ParsedCommandLine missing = Parse({"--files-from", (folder / "none").c_str()}, "", &text);
    EXPECT_FALSE(missing.options);
    EXPECT_EQ(missing.exitStatus, kUsageErrorStatus);
    EXPECT_NE(text.find("--files-from: cannot read " + (folder / "none")), std::string::npos) << text;
    EXPECT_EQ(Parse({"--files-from", "-"}, "\n\n").exitStatus, kUsageErrorStatus);  // no file at all
    EXPECT_NE((Parse({"--help"}, "", &text), text).find("--files-from"), std::string::npos);
}

TEST(BatchFileList, TheProgramReadsItsListFromStandardInput) {
    TempFolder folder;
    const std::string list = folder.Write("list", SamplePath("samples/knet/" + kStem + ".NS") + "\r\n");
    const auto run = [&](const std::string& arguments) {
        const std::string command = std::string("'") + TREMBLO_BATCH_PROGRAM + "' --data '" + SamplePath("data/DATA") +
                                    "' --info " + arguments + " >'" + (folder / "stdout") + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(run("--files-from - <'" + list + "'"), 0);
    const std::vector<nlohmann::json> objects = JsonLines(ReadWholeFile(folder / "stdout"));
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]["station_code"], "AIC001");
    EXPECT_EQ(run("--files-from '" + (folder / "none") + "'"), kUsageErrorStatus);
}

// A sink that keeps the files of the outcomes in the order it is given them.
struct FileSink : OutcomeSink {
    std::vector<std::string> emitted;
    int submitted = 0;
    void Submitted(const RecordTask&) override { ++submitted; }
    void Emit(RecordOutcome outcome) override { emitted.push_back(outcome.file + (outcome.ok ? "" : "!")); }
};

RecordTask Task(const std::string& file) {
    RecordTask task;
    task.file = file;
    return task;
}

RecordOutcome Done(const std::string& file) {
    RecordOutcome outcome;
    outcome.file = file;
    outcome.ok = true;
    return outcome;
}

TEST(RecordPipeline, GivesOutcomesBackInTheOrderOfTheTasks) {
    FileSink sink;
    RecordPipeline pipeline(8, sink);
    pipeline.WorkerStarted();
    for (const char* file : {"a", "b", "c", "d"}) pipeline.Submit(Task(file));
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(pipeline.Take());
    pipeline.Finish(2, Done("c"));
    pipeline.Finish(1, Done("b"));
    EXPECT_TRUE(sink.emitted.empty());
    pipeline.Finish(0, Done("a"));
    EXPECT_EQ(sink.emitted, (std::vector<std::string>{"a", "b", "c"}));
    pipeline.Finish(3, Done("d"));
    EXPECT_EQ(sink.submitted, 4);

    // The last worker gone, the tasks left fail.
    pipeline.Submit(Task("e"));
    pipeline.WorkerGone();
    pipeline.Submit(Task("f"));
    pipeline.Close();
    EXPECT_FALSE(pipeline.Take());
    EXPECT_EQ(sink.emitted, (std::vector<std::string>{"a", "b", "c", "d", "e!", "f!"}));
}

TEST(RecordPipeline, ReadingWaitsWhileTheWindowIsFull) {
    FileSink sink;
    RecordPipeline pipeline(2, sink);
    pipeline.WorkerStarted();
    pipeline.Submit(Task("a"));
    pipeline.Submit(Task("b"));
    std::atomic<bool> third{false};
    std::jthread reader([&] {
        pipeline.Submit(Task("c"));
        third = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(third);
    const std::optional<NumberedTask> first = pipeline.Take();
    ASSERT_TRUE(first);
    pipeline.Finish(first->number, Done("a"));
    reader.join();
    EXPECT_TRUE(third);
}

}  // namespace
}  // namespace tremblo
