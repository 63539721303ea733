// The batch front end on its own: command line, format recognition, a batch
// of good and bad files, the --info JSON and parallel workers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "app/batch_program.h"
#include "app/batch/batch_options.h"
#include "pipeline/record_plan.h"
#include "app/batch/batch_runner.h"
#include "pipeline/console_platform.h"
#include "app/batch/superposed_pictures.h"
#include "record/format_detection.h"
#include "wave/jma_intensity.h"
#include "record/record_session.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const std::string kKnet = "samples/knet/AIC0012411051012.NS";
const std::string kHiroshima = "samples/hiroshima/HFD01_241105.ns";
const std::string kCdpc = "samples/cdpc/CDPC_SYNTH.ud";

ParsedCommandLine Parse(std::vector<const char*> args, std::string* text = nullptr) {
    args.insert(args.begin(), "tremblo-batch");
    std::ostringstream out, err;
    ParsedCommandLine parsed = ParseBatchCommandLine(static_cast<int>(args.size()), args.data(), out, err);
    if (text) *text = out.str() + err.str();
    return parsed;
}

BatchOptions Options(std::vector<std::string> files, const std::string& out) {
    BatchOptions options;
    for (std::string& f : files) f = SamplePath(f);
    options.files = std::move(files);
    options.outFolder = out;
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    return options;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BatchCommandLine, ReadsEveryOptionAsSpelled) {
    const ParsedCommandLine parsed =
        Parse({"--out", "o", "--format", "cdpc", "--components", "1", "--no-dc", "--start", "1200",
               "--span", "250", "--quantity", "disp", "--info", "--jobs", "3", "--data", "d",
               "--amplitude", "400,100.5,10", "--no-title", "--no-max-point", "a.ns", "b.ns"});
    ASSERT_TRUE(parsed.options);
    const BatchOptions& o = *parsed.options;
    EXPECT_EQ(o.files, (std::vector<std::string>{"a.ns", "b.ns"}));
    EXPECT_EQ(o.outFolder, "o");
    EXPECT_TRUE(o.outGiven);
    EXPECT_EQ(o.format, RecordFormat::Cdpc);
    EXPECT_FALSE(o.threeComponents);
    EXPECT_FALSE(o.removeDc);
    EXPECT_EQ(o.start, 1200);
    EXPECT_EQ(o.timeSpanIndex, 5);
    EXPECT_EQ(o.quantity, WaveQuantity::Displacement);
    EXPECT_TRUE(o.info);
    EXPECT_EQ(o.jobs, 3);
    EXPECT_EQ(o.dataFolder, "d");
    EXPECT_EQ(o.amplitudes, (std::vector<float>{400, 100.5f, 10}));
    EXPECT_FALSE(o.display.title);
    EXPECT_TRUE(o.display.dataCount);
    EXPECT_TRUE(o.display.max);
    EXPECT_FALSE(o.display.maxPoint);

    // The windows' defaults.
    const ParsedCommandLine defaults = Parse({"x.ns"});
    ASSERT_TRUE(defaults.options);
    EXPECT_FALSE(defaults.options->format);
    EXPECT_TRUE(defaults.options->threeComponents);
    EXPECT_TRUE(defaults.options->removeDc);
    EXPECT_FALSE(defaults.options->start);
    EXPECT_EQ(defaults.options->timeSpanIndex, 3);
    EXPECT_EQ(defaults.options->quantity, WaveQuantity::Acceleration);
    EXPECT_FALSE(defaults.options->outGiven);
    EXPECT_TRUE(defaults.options->amplitudes.empty());
    EXPECT_TRUE(defaults.options->display.title && defaults.options->display.dataCount &&
                defaults.options->display.max && defaults.options->display.maxPoint);
    EXPECT_EQ(Parse({"--amplitude", " 250 ", "x.ns"}).options->amplitudes, std::vector<float>{250});
    EXPECT_EQ(Parse({"--start", "auto", "x.ns"}).options->start, std::nullopt);
    EXPECT_EQ(Parse({"--span", "5", "x.ns"}).options->timeSpanIndex, 0);
    EXPECT_EQ(Parse({"--quantity", "vel", "x.ns"}).options->quantity, WaveQuantity::Velocity);
}

TEST(BatchCommandLine, SpectrumOptionsSetTheSpectrumWindowsControls) {
    const ParsedCommandLine parsed =
        Parse({"--spectrum-layout", "response", "--spectrum-component", "3", "--spectrum-quantity", "sd",
               "--x-axis", "linear", "--x-unit", "hz", "--y-axis", "linear", "--dampings", "10,0,5",
               "--no-damping-colors", "--line-width", "7", "--damping-multiplier", "5", "--period-limit",
               "10", "--sdsa-full", "x.ns"});
    ASSERT_TRUE(parsed.options);
    const BatchOptions& o = *parsed.options;
    const SpectrumDisplaySettings& s = o.spectrum;
    EXPECT_EQ(s.layout, SpectrumLayout::PerResponse);
    EXPECT_EQ(s.component, 2);
    EXPECT_EQ(s.quantity, SD);
    EXPECT_TRUE(s.linearX && s.frequencyX && s.linearY);
    EXPECT_EQ(s.dampingEnabled, (std::array<bool, 5>{true, false, false, true, true}));
    EXPECT_FALSE(s.colorByDamping);
    EXPECT_EQ(s.lineWidth, 7);
    EXPECT_EQ(o.dampingMultiplier, DampingMultiplier::Times5);
    EXPECT_EQ(o.periodLimit, LinearPeriodRange::Seconds10);
    EXPECT_TRUE(o.sdsaFull);

    // The window's state right after start-up.
    const ParsedCommandLine defaults = Parse({"x.ns"});
    const SpectrumDisplaySettings d = defaults.options->spectrum;
    EXPECT_EQ(d.layout, SpectrumLayout::PerComponent);
    EXPECT_EQ(d.component, 0);
    EXPECT_EQ(d.quantity, SV);
    EXPECT_FALSE(d.linearX || d.frequencyX || d.linearY);
    EXPECT_EQ(d.dampingEnabled, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_TRUE(d.colorByDamping);
    EXPECT_EQ(d.lineWidth, 2);
    EXPECT_EQ(defaults.options->dampingMultiplier, DampingMultiplier::Times1);
    EXPECT_EQ(defaults.options->periodLimit, LinearPeriodRange::Seconds2);
    EXPECT_FALSE(defaults.options->sdsaFull);
}

TEST(BatchCommandLine, RefusesValuesTheWindowsDoNotOffer) {
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"--span", "7", "x"}, {"--components", "2", "x"},
          {"--quantity", "jerk", "x"}, {"--format", "segy", "x"}, {"--start", "-3", "x"},
          {"--start", "12a", "x"}, {"--jobs", "0", "x"}, {"--out", "o"}, {"--bogus", "x"},
          {"--amplitude", "1,2", "x"}, {"--amplitude", "0", "x"}, {"--amplitude", "1,,3", "x"},
          {"--amplitude", "big", "x"}, {"--dampings", "3", "x"}, {"--dampings", "0,,5", "x"},
          {"--line-width", "11", "x"}, {"--damping-multiplier", "2", "x"}, {"--period-limit", "3", "x"},
          {"--spectrum-component", "0", "x"}, {"--x-unit", "min", "x"}}) {
        std::string text;
        const ParsedCommandLine parsed = Parse(args, &text);
        EXPECT_FALSE(parsed.options) << args[0];
        EXPECT_NE(parsed.exitStatus, 0) << args[0];
        EXPECT_FALSE(text.empty()) << args[0];
    }
}

TEST(BatchCommandLine, HelpNamesEveryOptionAndVersionNamesTheProgram) {
    std::string help;
    const ParsedCommandLine parsed = Parse({"--help"}, &help);
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitStatus, 0);
    for (const char* option : {"--out", "--format", "--components", "--no-dc", "--start", "--span",
                               "--quantity", "--info", "--jobs", "--data", "--amplitude", "--no-title",
                               "--no-data-count", "--no-max", "--no-max-point", "--spectrum-layout",
                               "--spectrum-component", "--spectrum-quantity", "--x-axis", "--x-unit",
                               "--y-axis", "--dampings", "--no-damping-colors", "--line-width",
                               "--damping-multiplier", "--period-limit", "--sdsa-full", "--superpose", "--azimuth",
                               "--target", "--zone", "--print-target", "--version"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    std::string version;
    EXPECT_EQ(Parse({"--version"}, &version).exitStatus, 0);
    EXPECT_NE(version.find("TREMBLO 4.2"), std::string::npos);
}

using testing::RunProgram;

TEST(BatchProgram, ExitStatuses) {
    TempFolder folder;
    const std::string record = " '" + SamplePath(kKnet) + "'";
    EXPECT_EQ(RunProgram("--help"), 0);
    EXPECT_EQ(RunProgram("--version"), 0);
    // A bad option or value fails before anything is written, and not with
    // the status 1 of records that failed.
    for (const char* bad : {"--bogus", "--span 7", "--jobs 0"}) {
        const int status = RunProgram(std::string(bad) + " --out '" + (folder / "bad") + "'" + record);
        EXPECT_EQ(status, kUsageErrorStatus) << bad;
        EXPECT_FALSE(fs::exists(folder / "bad")) << bad;
    }
    // An output folder below a plain file cannot be made.
    folder.Write("file", "x");
    EXPECT_EQ(RunProgram("--out '" + (folder / "file/out") + "'" + record), 2);
}

TEST(RecordFormatDetection, RecognisesEachFormatByItsContent) {
    EXPECT_EQ(DetectRecordFormatOfFile(SamplePath(kKnet)), RecordFormat::Knet);
    EXPECT_EQ(DetectRecordFormatOfFile(SamplePath(kHiroshima)), RecordFormat::Hiroshima);
    EXPECT_EQ(DetectRecordFormatOfFile(SamplePath(kCdpc)), RecordFormat::Cdpc);

    // A K-NET header whose first line lost its name still has its others.
    std::istringstream noOrigin("\nLat.  1\nLong. 2\nDepth. (km) 3\nMag. 4\nStation Code      AIC001\n");
    EXPECT_EQ(DetectRecordFormat(noOrigin), RecordFormat::Knet);
    std::istringstream cdpcMarkersOnly("dT=0.01 NDATA=3\n");
    EXPECT_EQ(DetectRecordFormat(cdpcMarkersOnly), RecordFormat::Cdpc);
    std::istringstream onlyOneMarker("CASE=X NDATA=  100\n    1.0\n");
    EXPECT_EQ(DetectRecordFormat(onlyOneMarker), RecordFormat::Hiroshima);
    std::istringstream empty("");
    EXPECT_EQ(DetectRecordFormat(empty), RecordFormat::Hiroshima);
    EXPECT_EQ(DetectRecordFormatOfFile("/nonexistent/X.NS"), RecordFormat::Knet);

    // Named as the networks name their files, an empty or garbled file is
    // still a K-NET/KiK-net file.
    TempFolder folder;
    for (const char* name : {"IWTH250803140812.NS2", "AIC0012411051012.ew", "ABSH010001011200.UD1"})
        EXPECT_EQ(DetectRecordFormatOfFile(folder.Write(name, "")), RecordFormat::Knet) << name;
    for (const char* name : {"HFD01_241105.ns", "AIC001241105101.NS", "AIC0012411051012.NS3", "x/AIC00124110510122.EW"})
        EXPECT_FALSE(IsKnetFileName(name)) << name;
}

TEST(BatchPlan, LoadsEachRecordOnceWhateverComponentFileNamesIt) {
    BatchOptions options;
    options.files = {SamplePath(kKnet), SamplePath(kCdpc), SamplePath("samples/cdpc/../knet/AIC0012411051012.ud"),
                     SamplePath("samples/cdpc/CDPC_SYNTH.NS"), SamplePath(kKnet)};
    std::vector<PlannedRecord> plan = PlanRecords(options);
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(plan[0].format, RecordFormat::Knet);
    EXPECT_EQ(plan[1].format, RecordFormat::Cdpc);
    EXPECT_EQ(plan[0].sameAs, std::nullopt);
    EXPECT_EQ(plan[1].sameAs, std::nullopt);
    EXPECT_EQ(plan[2].sameAs, 0u);  // another spelling, another component, another case
    EXPECT_EQ(plan[3].sameAs, 1u);
    EXPECT_EQ(plan[4].sameAs, 0u);

    // One component: each file is a record of its own, but a file given twice is one.
    options.threeComponents = false;
    plan = PlanRecords(options);
    EXPECT_EQ(plan[2].sameAs, std::nullopt);
    EXPECT_EQ(plan[3].sameAs, std::nullopt);
    EXPECT_EQ(plan[4].sameAs, 0u);
    // A given format is used for every file.
    options.format = RecordFormat::Hiroshima;
    EXPECT_EQ(PlanRecords(options)[0].format, RecordFormat::Hiroshima);
}

TEST(ConsolePlatform, KeepsEachMessageOnOneLineAndCancelsQuestions) {
    ConsolePlatform platform;
    EXPECT_EQ(platform.ShowMessage("\n３成分のデータを読み込めません\n\nデータファイル x がありません   ",
                                   "データファイルエラー", MessageStyle::Warning),
              MessageAnswer::Ok);
    EXPECT_EQ(platform.ShowMessage("続けますか　　", "確認", MessageStyle::QuestionYesNo), MessageAnswer::No);
    EXPECT_EQ(platform.ShowMessage("保存", "", MessageStyle::QuestionOkCancel), MessageAnswer::Cancel);
    EXPECT_FALSE(platform.AskOpenFile("*.*"));
    EXPECT_FALSE(platform.AskSaveFile({}));
    const std::vector<std::string> messages = platform.TakeMessages();
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "データファイルエラー: ３成分のデータを読み込めません データファイル x がありません",
                            "確認: 続けますか", "保存"}));
    EXPECT_TRUE(platform.TakeMessages().empty());
}

TEST(BatchRun, WritesTheGoodRecordsAndReportsTheBadOnes) {
    TempFolder folder;
    // A K-NET record cut inside its header, a CDPC file without data, a
    // one-component record of which the start lies too late, and a file that
    // is not there.
    const std::string header = ReadWholeFile(SamplePath(kKnet)).substr(0, 120);
    const std::string cut = folder.Write("in/CUT0012411051012.NS", header);
    folder.Write("in/CUT0012411051012.EW", header);
    folder.Write("in/CUT0012411051012.UD", header);
    const std::string empty = folder.Write("in/EMPTY.ns", "CASE=X NDATA= 0 dT=0.010\n");
    const std::string missing = folder / "in/MISSING.NS";

    BatchOptions options = Options({kKnet, kHiroshima}, folder / "out");
    options.files.insert(options.files.begin() + 1, cut);
    options.files.push_back(empty);
    options.files.push_back(missing);
    options.jobs = 2;
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(options, out, err, false), 1);

    const std::string report = err.str();
    EXPECT_NE(report.find("error: " + cut + ": データファイルエラー: データファイル " + cut + " を読み込めません"),
              std::string::npos) << report;
    EXPECT_NE(report.find("ヘッダーが17行そろっていません"), std::string::npos) << report;
    EXPECT_NE(report.find("error: " + empty + ": "), std::string::npos) << report;
    EXPECT_NE(report.find("error: " + missing + ": データファイルエラー:"), std::string::npos) << report;
    EXPECT_NE(out.str().find("2 of 5 files processed, 3 failed"), std::string::npos) << out.str();
    // Only the good records' files, named as the windows name them.
    EXPECT_EQ(FilesIn(folder / "out"),
              (std::vector<std::string>{"AIC001-202411051012.csv", "AIC001-202411051012.png",
                                        "AIC001-202411051012_NS_SdSa.png", "AIC001-202411051012rsp.csv",
                                        "AIC001-202411051012rsp.png", "HFD01_241105.csv", "HFD01_241105.png",
                                        "HFD01_241105_NS_SdSa.png", "HFD01_241105rsp.csv",
                                        "HFD01_241105rsp.png"}));

    // A start past the slider's range fails its record alone; the last
    // sample and 0 on a record shorter than the window are in it.
    BatchOptions late = Options({kKnet}, folder / "late");
    late.start = 6001;
    std::ostringstream lateOut, lateErr;
    EXPECT_EQ(RunBatch(late, lateOut, lateErr, false), 1);
    EXPECT_NE(lateErr.str().find("開始点番号エラー: 開始点番号が大きすぎます (--start 6001, 6000 samples)"),
              std::string::npos) << lateErr.str();
    late.start = 6000;
    EXPECT_EQ(RunBatch(late, lateOut, lateErr, false), 0) << lateErr.str();
    late.start = 0;
    late.timeSpanIndex = 5;  // 250 s of a 60 s record
    EXPECT_EQ(RunBatch(late, lateOut, lateErr, false), 0) << lateErr.str();
}

TEST(BatchRun, NamesTheFilesOfAnUnknownStationAfterTheRecordFile) {
    TempFolder folder;
    BatchOptions options = Options({kKnet}, folder / "out");
    options.dataFolder = folder / "nodata";  // no station directory: every station unknown
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_NE(err.str().find("warning: station directory"), std::string::npos);
    EXPECT_NE(err.str().find(": note: 観測点コードエラー: この観測点コードは登録されおりません"), std::string::npos);
    EXPECT_EQ(FilesIn(folder / "out"),
              (std::vector<std::string>{"AIC0012411051012.csv", "AIC0012411051012.png",
                                        "AIC0012411051012_NS_SdSa.png", "AIC0012411051012rsp.csv",
                                        "AIC0012411051012rsp.png"}));
}

TEST(BatchRun, OneComponentRecordsDrawTheirOneComponent) {
    TempFolder folder;
    BatchOptions options = Options({"samples/knet/AIC0012411051012.UD"}, folder / "out");
    options.threeComponents = false;
    options.spectrum.component = 2;
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_NE(err.str().find("note: one component: the spectrum pictures show it, not --spectrum-component 3"),
              std::string::npos) << err.str();
    EXPECT_TRUE(fs::exists(folder / "out/AIC001-202411051012_UD_SdSa.png"));
}

// The import merges into the user's own SITENAME.CSV, keeping its lines,
// and writes nothing when the list gives nothing.
TEST(BatchRun, ImportsNiedsStationListIntoTheUsersDataFolder) {
    const std::string list = "AIC001,BISAI,35.2,136.7,5,NA,AICHIKEN,K-NET11A,\nAAA001,ABA,44,144,12,NA,HOKKAIDO,-,\n";
    const std::string own = "ZZZ999, mine,,,,extra\r\nzzz999, twin\r\n";
    std::string full;  // two rows short of what the program reads
    for (int i = 0; i < STATION_CAPACITY - 2; ++i) full += "K" + std::to_string(10000 + i).substr(1) + "X1,N,0,0,1\r\n";
    const struct { std::string userFile; std::string list; bool listIsFolder; int status; std::string message; } cases[] = {
        {"", list, false, 0, "stations: 1 added, 1 kept, 0 refused, 0 not taken; read LIST and SOURCE; wrote TARGET"},
        {own, list, false, 0, "stations: 2 added, 0 kept, 0 refused, 0 not taken; read LIST and TARGET; wrote TARGET"},
        {full, list + "AAA002,ABB,44,144,12,NA,HOKKAIDO,-,\n", false, 0,
         "note: 1 new stations not taken: TARGET holds 1998 rows and the program reads at most 2000"},
        {own, "Code,Name\n\x01\x02\n", false, 1, "error: no station could be taken from LIST; TARGET left as it was"},
        {own, "", true, 1, "error: the station list LIST is a folder"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
        const std::string target = folder / "home/tremblo/DATA/SITENAME.CSV";
        if (!c.userFile.empty()) folder.Write("home/tremblo/DATA/SITENAME.CSV", c.userFile);
        BatchOptions options;
        options.dataFolder = SamplePath("data/DATA");
        options.importStations = c.listIsFolder ? folder / "list" : folder.Write("list.csv", c.list);
        if (c.listIsFolder) fs::create_directories(options.importStations);
        std::string message = c.message;
        for (const auto& [word, path] : {std::pair{std::string("LIST"), options.importStations}, {"SOURCE", SamplePath("data/DATA") + "/SITENAME.CSV"}, {"TARGET", target}})
            if (const auto at = message.find(word); at != std::string::npos) message.replace(at, word.size(), path);
        if (const auto at = message.find("TARGET"); at != std::string::npos) message.replace(at, 6, target);
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(options, out, err, false), c.status) << err.str();
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
        if (!c.userFile.empty()) {
            const std::string text = ReadWholeFile(target);
            EXPECT_EQ(text.substr(0, c.userFile.size()), c.userFile);  // the user's lines stay, both spellings too
            EXPECT_EQ(text.size() > c.userFile.size(), c.status == 0);
        } else {
            EXPECT_EQ(ReadWholeFile(target).rfind(ReadWholeFile(SamplePath("data/DATA/SITENAME.CSV")), 0), 0u);
            EXPECT_TRUE(fs::exists(folder / "home/tremblo/DATA/SHOBONAME.CSV"));
        }
        if (c.status == 0) {
            EXPECT_NE(ReadWholeFile(target).find("AAA001, ABA,,HOKKAIDO,"), std::string::npos);
        }
        unsetenv("XDG_DATA_HOME");
    }
}

TEST(BatchRun, SuperposesSevenRecordsAPicture) {
    TempFolder folder;
    BatchOptions options = Options({}, folder / "out");
    for (int i = 1; i <= 8; ++i)
        options.files.push_back(folder.Write("in/c" + std::to_string(i) + ".ud", ReadWholeFile(SamplePath(kCdpc))));
    options.threeComponents = false;
    options.superposeFile = folder / "run.2/super";
    fs::create_directory(folder / "run.2");
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    const std::string report = err.str();
    EXPECT_NE(report.find("superposed: wrote " + folder / "run.2/super.png" + " (records 1-7 of 8)"),
              std::string::npos) << report;
    EXPECT_NE(report.find("superposed: wrote " + folder / "run.2/super_2.png" + " (records 8-8 of 8)"),
              std::string::npos) << report;
    EXPECT_EQ(FilesIn(folder / "run.2"), (std::vector<std::string>{"super.png", "super_2.png"}));
    EXPECT_EQ(SuperposedPicturePath("a.b/x.PNG", 3), "a.b/x_3.PNG");
    EXPECT_EQ(SuperposedPicturePath("a.b/x", 1), "a.b/x.png");

    // Nothing to draw is an error.
    options.files = {folder / "in/missing.ud"};
    std::ostringstream none;
    EXPECT_EQ(RunBatch(options, out, none, false), 1);
    EXPECT_NE(none.str().find("superposed: no record to draw"), std::string::npos) << none.str();
}

TEST(BatchRun, InfoPrintsOneJsonObjectPerRecordInFileOrder) {
    TempFolder folder;
    BatchOptions options = Options({kKnet, kCdpc, kHiroshima}, folder / "unused");
    options.outGiven = false;
    options.info = true;
    options.timeSpanIndex = 2;  // 25 s
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(options, out, err, false), 0) << err.str();
    EXPECT_FALSE(fs::exists(folder / "unused"));  // --info alone writes nothing

    std::istringstream lines(out.str());
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(objects.size(), 3u);

    // The header values, against a record loaded the ordinary way.
    auto directory = std::make_unique<StationDirectory>();
    testing::ScriptedPlatform platform;
    LoadStationDirectory(SamplePath("data/DATA"), *directory, platform);
    RecordSession session(platform, *directory);
    ASSERT_EQ(session.LoadPath(SamplePath(kKnet), LoadSettings{}), LoadStatus::Loaded);
    const SeismicRecord& r = session.record();
    const nlohmann::json& knet = objects[0];
    EXPECT_EQ(knet["station_code"], "AIC001");
    EXPECT_EQ(knet["origin_date"], r.originDate.str());
    EXPECT_EQ(knet["origin_time"], r.originTime.str());
    EXPECT_EQ(knet["event_name"], "AIC001-202411051012");
    EXPECT_EQ(knet["sampling_frequency"], 100);
    EXPECT_EQ(knet["sample_count"], r.sampleCount);
    const int start = knet["window_start"];
    EXPECT_GT(start, 0);  // the automatic start of a record with a quiet lead
    EXPECT_EQ(knet["window_length"], std::min(2500, r.sampleCount - start));
    ASSERT_EQ(knet["components"].size(), 3u);
    const char* labels[] = {"NS", "EW", "UD"};
    for (int c = 0; c < 3; ++c) {
        float peak = 0;
        for (int i = 0; i < r.sampleCount; ++i) peak = std::max(peak, std::fabs(r.samples[c][i]));
        EXPECT_EQ(knet["components"][c]["label"], labels[c]);
        EXPECT_FLOAT_EQ(knet["components"][c]["peak_gal"].get<float>(), peak);
    }

    EXPECT_EQ(objects[1]["format"], "cdpc");
    EXPECT_EQ(objects[1]["event_name"], "CDPC_SYNTH");
    EXPECT_EQ(objects[1]["file"], SamplePath(kCdpc));
    EXPECT_EQ(objects[2]["format"], "hiroshima");
    EXPECT_EQ(objects[2]["origin_date"], "2024/11/05");  // the file's second and third lines
    EXPECT_EQ(objects[2]["origin_time"], "10:12:25");
    for (const nlohmann::json& o : objects)
        for (const char* key : {"station_code", "origin_date", "origin_time", "event_name",
                                "sampling_frequency", "sample_count", "window_start", "window_length",
                                "jma_intensity", "jma_intensity_raw", "jma_class"})
            EXPECT_TRUE(o.contains(key)) << key;
    // The JMA intensity of a three-component record, reported as the window shows it.
    const nlohmann::json& first = objects[0];
    ASSERT_EQ(first["components"].size(), 3u);
    const double raw = first["jma_intensity_raw"];
    EXPECT_GT(raw, 0.0);
    EXPECT_DOUBLE_EQ(first["jma_intensity"].get<double>(), ReportedJmaIntensity(raw));
    EXPECT_EQ(first["jma_class"], JmaIntensityClass(first["jma_intensity"].get<double>()));
}

TEST(BatchRun, ParallelWorkersWriteWhatOneWorkerWrites) {
    TempFolder folder;
    const std::vector<std::string> records{kKnet, kHiroshima, kCdpc, "samples/knet/AIC0012411051012.EW"};
    BatchOptions one = Options(records, folder / "one");
    one.jobs = 1;
    one.quantity = WaveQuantity::Velocity;
    BatchOptions many = one;
    many.outFolder = folder / "many";
    many.jobs = 4;
    std::ostringstream out, err;
    ASSERT_EQ(RunBatch(one, out, err, false), 0) << err.str();
    ASSERT_EQ(RunBatch(many, out, err, false), 0) << err.str();
    const std::vector<std::string> names = FilesIn(folder / "one");
    ASSERT_EQ(names.size(), 15u);  // the two K-NET files name the same record
    EXPECT_NE(err.str().find("AIC0012411051012.EW: the record of "), std::string::npos) << err.str();
    EXPECT_EQ(FilesIn(folder / "many"), names);
    for (const std::string& name : names)
        EXPECT_TRUE(ReadWholeFile(folder / ("one/" + name)) == ReadWholeFile(folder / ("many/" + name))) << name;
}

}  // namespace
}  // namespace tremblo
