#include "record/record_session.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <vector>

#include "common/path_text.h"
#include "common/shift_jis.h"
#include "record/knet_reader.h"
#include "record/knet_writer.h"
#include "record/save_folder.h"
#include "record/station_file_copy.h"
#include "support/fifo_watchdog.h"
#include "support/marked_texts.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;

const char* kKnetNs = "samples/knet/AIC0012411051012.NS";
const char* kHiroshimaNs = "samples/hiroshima/HFD01_241105.ns";
const char* kCdpcNs = "samples/cdpc/CDPC_SYNTH.ns";

// Everything a load may change, as one comparable text.
std::string Fingerprint(const RecordSession& session) {
    const SeismicRecord& r = session.record();
    const RecordLabels& l = session.labels();
    std::string text = std::to_string(r.componentCount) + "|" + std::to_string(r.sampleCount) +
                       "|" + std::to_string(r.dt) + "|" + std::to_string(r.samplingFrequency);
    for (int c = 0; c < 3; ++c) text += "|" + r.componentPath[c] + "|" + r.componentLabel[c].str();
    text += "|" + r.eventName + "|" + r.recordFolder + "|" + r.originDate.str() + r.originTime.str() +
            "|" + r.stationCode.str() + "|" + r.currentStation.name.str() + "|" +
            std::to_string(r.scaleFactor) + "|" + std::to_string(r.recordLoaded);
    for (const auto* s : {&l.label6, &l.label7, &l.label8, &l.label9, &l.label10, &l.label12,
                          &l.label13, &l.label14, &l.label23, &l.label24, &l.label25, &l.label28,
                          &l.label30})
        text += "|" + *s;
    double checksum = 0.0;
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < SAMPLE_CAPACITY; ++i) checksum += r.samples[c][i] * (1 + (i % 7));
    return text + "|" + std::to_string(checksum);
}

class RecordSessionTest : public ::testing::Test {
protected:
    RecordSessionTest() : directory(std::make_unique<StationDirectory>()) {
        testing::ScriptedPlatform quiet;
        LoadStationDirectory(SamplePath("data/DATA"), *directory, quiet);
        session = std::make_unique<RecordSession>(platform, *directory);
    }

    LoadStatus Load(const std::string& path, RecordFormat format = RecordFormat::Knet,
                    bool three = true, bool dc = true) {
        return session->LoadPath(path, LoadSettings{format, three, dc});
    }

    // Copies the three sample files of a format into `folder`, renamed.
    void CopyTriple(const std::string& sample, const std::string& folder, const std::string& stem,
                    const char* const (&extensions)[3]) {
        const std::string base = SamplePath(sample).substr(0, SamplePath(sample).rfind('.') + 1);
        const char* const original[3] = {"ns", "ew", "ud"};
        fs::create_directories(folder);
        for (int c = 0; c < 3; ++c) {
            std::string from = base + original[c];
            if (!fs::exists(from)) from = base + std::string(original[c] == std::string("ns") ? "NS" : original[c] == std::string("ew") ? "EW" : "UD");
            fs::copy_file(from, folder + "/" + stem + "." + extensions[c],
                          fs::copy_options::overwrite_existing);
        }
    }

    std::unique_ptr<StationDirectory> directory;
    testing::ScriptedPlatform platform;
    std::unique_ptr<RecordSession> session;
    testing::TempFolder temp;
};

TEST_F(RecordSessionTest, KnetLoadFillsTheRecordAndEveryLabel) {
    std::vector<float> designedFor;
    session->setFilterDesigner([&](float dt, std::span<float, BANDPASS_TAPS> h) {
        designedFor.push_back(dt);
        h[0] = 1.0f;
    });
    ASSERT_EQ(Load(SamplePath(kKnetNs)), LoadStatus::Loaded);
    const SeismicRecord& r = session->record();
    EXPECT_TRUE(r.recordLoaded);
    EXPECT_EQ(r.componentCount, 3);
    EXPECT_EQ(r.sampleCount, 6000);
    EXPECT_EQ(r.samplingFrequency, 100);
    EXPECT_EQ(r.dt, 1.0f / 100.0f);
    EXPECT_EQ(designedFor, std::vector<float>{0.01f});
    EXPECT_EQ(r.bandpassCoefficients[0], 1.0f);
    EXPECT_EQ(r.componentLabel[1], "EW");
    EXPECT_EQ(r.componentPath[2], SamplePath("samples/knet/AIC0012411051012.UD"));
    EXPECT_EQ(r.eventName, "AIC001-202411051012");
    EXPECT_EQ(r.recordFolder, SamplePath("samples/knet"));
    EXPECT_EQ(SjisToUtf8(r.currentStation.name.view()), "名古屋港");

    const RecordLabels& l = session->labels();
    EXPECT_EQ(l.label6, "2024/11/05  10:12:00");
    EXPECT_EQ(l.label7, "  34.5");
    EXPECT_EQ(l.label8, " 136.9");
    EXPECT_EQ(l.label9, "  42 km");
    EXPECT_EQ(l.label10, "   6.3");
    EXPECT_EQ(l.label12, "6000");
    EXPECT_EQ(l.label13, "AIC001");
    EXPECT_EQ(l.label14, SamplePath("samples/knet/AIC0012411051012"));
    EXPECT_EQ(l.label23, "名古屋港");
    EXPECT_EQ(l.label24, "愛知県名古屋市港区港町");
    EXPECT_EQ(l.label25, "標高 3m");
    EXPECT_EQ(l.label28, "60.00 s");
    EXPECT_EQ(l.label30, "100 1/s");

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.events,
              (std::vector<std::string>{"wait:地震波形データを読み込んでいます・・・・", "close-wait"}));
    EXPECT_TRUE(session->stationFileCopyAvailable());
}

TEST_F(RecordSessionTest, DcOptionRemovesEachComponentsMean) {
    ASSERT_EQ(Load(SamplePath(kKnetNs), RecordFormat::Knet, true, false), LoadStatus::Loaded);
    const float scale = session->record().scaleFactor;
    EXPECT_EQ(scale, static_cast<float>(3920.0L / 6182761.0L));
    // The first count of the NS file, scaled and unchanged.
    const std::string text = ReadWholeFile(SamplePath(kKnetNs));
    std::size_t pos = 0;
    for (int i = 0; i < 17; ++i) pos = text.find('\n', pos) + 1;
    const int firstCount = std::stoi(text.substr(pos, 8));
    EXPECT_EQ(session->record().samples[0][0],
              static_cast<float>(firstCount * static_cast<long double>(scale)));

    ASSERT_EQ(Load(SamplePath(kKnetNs), RecordFormat::Knet, true, true), LoadStatus::Loaded);
    for (int c = 0; c < 3; ++c) {
        double sum = 0.0;
        for (int i = 0; i < 6000; ++i) sum += session->record().samples[c][i];
        EXPECT_NEAR(sum / 6000, 0.0, 1e-3) << c;
    }
}

// A borehole channel 165,000 counts from zero carrying about 0.1 gal: its
// peak after mean removal must be the exact one, not 7 % off.
TEST_F(RecordSessionTest, MeanRemovalKeepsASmallMotionOnALargeOffset) {
    testing::TempFolder folder;
    const std::string header = ReadWholeFile(SamplePath(kKnetNs));
    std::size_t end = 0;
    for (int i = 0; i < 17; ++i) end = header.find('\n', end) + 1;
    std::string text = header.substr(0, end);
    text.replace(text.find("3920(gal)/6182761"), 17, "7845(gal)/8223790");
    const int n = 30000;
    std::vector<int> counts(n);
    long double sum = 0;
    for (int i = 0; i < n; ++i) {
        counts[i] = 165000 + static_cast<int>(std::lround(105.0 * std::sin(i * 0.0123) * std::exp(-i / 9000.0)));
        sum += counts[i];
    }
    std::ostringstream data;
    WriteKnetData(data, counts);
    const std::string path = folder.Write("ABSH010001011200.UD1", testing::WithStatedPeak(text + data.str()));
    ASSERT_EQ(Load(path, RecordFormat::Knet, false, true), LoadStatus::Loaded);

    const long double factor = static_cast<float>(7845.0L / 8223790.0L);
    const long double mean = sum / n * factor;
    long double exactPeak = 0;
    float peak = 0;
    for (int i = 0; i < n; ++i) {
        exactPeak = std::max(exactPeak, std::fabs(counts[i] * factor - mean));
        peak = std::max(peak, std::fabs(session->record().samples[0][i]));
    }
    EXPECT_GT(exactPeak, 0.09L);
    EXPECT_NEAR(peak, static_cast<double>(exactPeak), 1e-4);
}

// Texts outside ASCII reach file names and labels as UTF-8: a station code
// in Shift-JIS names the exported files in UTF-8, and a file-name extension
// in UTF-8 shows as itself in the component label.
TEST_F(RecordSessionTest, FileNamesAndLabelsAreValidUtf8) {
    testing::TempFolder folder;
    const std::string sjisCode = Utf8ToSjis("北01");
    folder.Write("DATA/SITENAME.CSV", sjisCode + "," + Utf8ToSjis("北の観測点") + ",ｷﾀ,X,Y\r\n");
    folder.Write("DATA/SHOBONAME.CSV", "");
    testing::ScriptedPlatform quiet;
    auto directory = std::make_unique<StationDirectory>();  // large: never on the stack
    LoadStationDirectory(folder / "DATA", *directory, quiet);
    RecordSession local(platform, *directory);

    std::string text = ReadWholeFile(SamplePath(kKnetNs));
    text.replace(text.find("AIC001"), 6, sjisCode + "  ");
    const std::string path = folder.Write("in/rec.北", text);
    ASSERT_EQ(local.LoadPath(path, LoadSettings{RecordFormat::Knet, false, true}), LoadStatus::Loaded);
    EXPECT_EQ(local.record().eventName, "北01-202411051012");
    EXPECT_EQ(SjisToUtf8(local.record().componentLabel[0].view()), "北");
    EXPECT_EQ(local.labels().label13, "北01");
}

// A value no sample can hold stops the load with the file and line named;
// the record stays as it was.
TEST_F(RecordSessionTest, ValuesBeyondTheSampleRangeAreBadData) {
    ASSERT_EQ(Load(SamplePath(kKnetNs)), LoadStatus::Loaded);
    const std::string before = Fingerprint(*session);
    testing::TempFolder folder;
    const auto replaceNth = [](std::string text, const std::string& from, const std::string& to, int nth) {
        std::size_t at = 0;
        for (int i = 0; i <= nth; ++i) at = text.find(from, at + (i ? 1 : 0));
        return text.replace(at, from.size(), to);
    };
    struct Case {
        RecordFormat format;
        const char* sample;
        std::string from, to;
        int occurrence;
        int line;
    };
    const Case cases[] = {
        {RecordFormat::Cdpc, kCdpcNs, "    0.7466", "    1e+999", 0, 2},
        {RecordFormat::Cdpc, kCdpcNs, "   -0.4870", "   3.5e+38", 0, 3},
        {RecordFormat::Hiroshima, kHiroshimaNs, "\n", "\n1e40,", 12, 0},
    };
    for (const Case& c : cases) {
        const std::string sample = ReadWholeFile(SamplePath(c.sample));
        const std::string text = replaceNth(sample, c.from, c.to, c.occurrence);
        ASSERT_NE(text, sample);
        const std::string stem = folder / (c.format == RecordFormat::Cdpc ? "bad" : "HFD01_241105");
        for (const char* ext : {".ns", ".ew", ".ud"}) folder.Write(std::string(FileNamePart(stem)) + ext, text);
        platform.messages.clear();
        EXPECT_EQ(Load(stem + ".ns", c.format), LoadStatus::Failed) << c.to;
        ASSERT_EQ(platform.messages.size(), 1u) << c.to;
        const std::string& message = platform.messages[0].text;
        EXPECT_NE(message.find(stem + ".ns"), std::string::npos) << message;
        EXPECT_NE(message.find("は扱える範囲を超えています"), std::string::npos) << message;
        if (c.line > 0) {
            EXPECT_NE(message.find(std::to_string(c.line) + "行目"), std::string::npos) << message;
        }
        EXPECT_EQ(Fingerprint(*session), before);
    }
}

TEST_F(RecordSessionTest, SaveDialogsStartInTheRecordsFolderOrTheWorkingFolder) {
    EXPECT_EQ(SaveDialogFolder("", session->record()), fs::current_path().string());
    ASSERT_EQ(Load(SamplePath(kHiroshimaNs), RecordFormat::Hiroshima), LoadStatus::Loaded);
    EXPECT_EQ(SaveDialogFolder("", session->record()), SamplePath("samples/hiroshima"));
    EXPECT_EQ(SaveDialogFolder("/kept", session->record()), "/kept");
}

TEST_F(RecordSessionTest, PickingAnyComponentLoadsTheSameTripleAndOneComponentLoadsOnlyIt) {
    ASSERT_EQ(Load(SamplePath("samples/knet/AIC0012411051012.UD")), LoadStatus::Loaded);
    EXPECT_EQ(session->record().componentPath[0], SamplePath(kKnetNs));
    const std::string three = Fingerprint(*session);
    ASSERT_EQ(Load(SamplePath("samples/knet/AIC0012411051012.EW")), LoadStatus::Loaded);
    EXPECT_EQ(Fingerprint(*session), three);

    ASSERT_EQ(Load(SamplePath("samples/knet/AIC0012411051012.EW"), RecordFormat::Knet, false),
              LoadStatus::Loaded);
    const SeismicRecord& r = session->record();
    EXPECT_EQ(r.componentCount, 1);
    EXPECT_EQ(r.componentLabel[0], "EW");
    EXPECT_EQ(session->labels().label14, SamplePath("samples/knet/AIC0012411051012.EW"));
    for (int i = 0; i < SAMPLE_CAPACITY; i += 101) EXPECT_EQ(r.samples[1][i], 0.0f);
    const auto view = MakeAfterLoadView(r);
    EXPECT_EQ(view.componentItems, (std::array<std::string, 3>{"EW", " ", " "}));
    EXPECT_FALSE(view.synthesisEnabled);
    EXPECT_EQ(view.trackBarMaximum, 6000);
}

TEST_F(RecordSessionTest, DerivedNamesAreFoundInAnyCaseAndBelowFoldersWithPeriods) {
    const std::string folder = temp / "first.last/eq.2024";
    CopyTriple(kKnetNs, folder, "AIC0012411051012", {"NS", "EW", "UD"});
    ASSERT_EQ(Load(folder + "/AIC0012411051012.EW"), LoadStatus::Loaded);
    EXPECT_EQ(session->record().componentPath[0], folder + "/AIC0012411051012.NS");
    EXPECT_EQ(session->record().sampleCount, 6000);
    EXPECT_EQ(session->record().recordFolder, folder);

    CopyTriple(kKnetNs, folder, "KIK", {"ns2", "Ew2", "UD2"});
    ASSERT_EQ(Load(folder + "/KIK.UD2"), LoadStatus::Loaded);
    EXPECT_EQ(session->record().componentLabel[0], "NS2");
    EXPECT_EQ(session->record().componentPath[1], folder + "/KIK.Ew2");
}

TEST_F(RecordSessionTest, PathsLongerThanTheOldFieldWidthsLoadWhole) {
    std::string folder = temp.path().string();
    for (int i = 0; i < 3; ++i) folder += "/" + std::string(100, static_cast<char>('a' + i));
    CopyTriple(kKnetNs, folder, "AIC0012411051012", {"NS", "EW", "UD"});
    ASSERT_GT(folder.size(), 300u);
    ASSERT_EQ(Load(folder + "/AIC0012411051012.NS"), LoadStatus::Loaded);
    EXPECT_EQ(session->record().componentPath[2], folder + "/AIC0012411051012.UD");
    EXPECT_EQ(session->record().recordFolder, folder);
    EXPECT_EQ(session->labels().label14, folder + "/AIC0012411051012");
}

// A load after one of another format describes its own record only: the
// fields and labels its format does not carry are empty, never the previous
// record's, and the component labels come from the files just read.
TEST_F(RecordSessionTest, LoadAfterAnotherFormatDescribesOnlyItsOwnRecord) {
    ASSERT_EQ(Load(SamplePath("samples/knet/AIC0012411051012.EW"), RecordFormat::Knet, false),
              LoadStatus::Loaded);
    ASSERT_EQ(Load(SamplePath(kHiroshimaNs), RecordFormat::Hiroshima), LoadStatus::Loaded);
    const SeismicRecord* record = &session->record();  // a load publishes another record object
    const SeismicRecord& r = *record;
    const RecordLabels& l = session->labels();
    EXPECT_EQ(r.sampleCount, 6000);
    EXPECT_EQ(r.dt, 0.01f);
    EXPECT_EQ(r.eventName, "HFD01_241105");
    EXPECT_EQ(r.stationCode, "HFD01");
    EXPECT_EQ(r.originDate, "2024/11/05");
    EXPECT_EQ(r.componentLabel[0], "NS");  // not the EW of the K-NET file before
    EXPECT_EQ(r.componentLabel[1], "EW");
    EXPECT_EQ(r.componentLabel[2], "UD");
    EXPECT_EQ(SjisToUtf8(r.currentStation.location.view()), "広島市中区国泰寺町");
    EXPECT_EQ(r.recordFolder, SamplePath("samples/hiroshima"));
    for (const auto* text : {&l.label6, &l.label7, &l.label8, &l.label9, &l.label10})
        EXPECT_EQ(*text, "データなし");
    EXPECT_EQ(l.label13, "HFD01");
    EXPECT_EQ(l.label23, "中消防署");
    EXPECT_EQ(l.label24, "広島市中区国泰寺町");
    EXPECT_EQ(l.label25, "");
    EXPECT_EQ(l.label28, "2024/11/05 10:12:25");
    EXPECT_EQ(l.label30, "100");
    EXPECT_EQ(l.label14, SamplePath("samples/hiroshima/HFD01_241105"));
    const std::string ud = ReadWholeFile(SamplePath("samples/hiroshima/HFD01_241105.ud"));
    std::size_t pos = 0;
    for (int i = 0; i < 5; ++i) pos = ud.find('\n', pos) + 1;
    EXPECT_EQ(r.samples[2][0], std::stof(ud.substr(pos)));
    EXPECT_FALSE(session->stationFileCopyAvailable());

    // CDPC files carry no station and no event: nothing of the Hiroshima or
    // K-NET record is left to show.
    ASSERT_EQ(Load(SamplePath(kCdpcNs), RecordFormat::Cdpc), LoadStatus::Loaded);
    record = &session->record();
    const SeismicRecord& cdpc = *record;
    EXPECT_EQ(cdpc.sampleCount, 6000);
    EXPECT_EQ(cdpc.dt, 0.01f);
    EXPECT_EQ(cdpc.stationCode, "");
    EXPECT_EQ(cdpc.originDate, "");
    EXPECT_EQ(cdpc.recordDate, "");
    EXPECT_EQ(cdpc.currentStation.location, "");
    EXPECT_EQ(cdpc.eventName, "CDPC_SYNTH");
    for (const auto* text : {&l.label13, &l.label23, &l.label24, &l.label25}) EXPECT_EQ(*text, "");
    EXPECT_EQ(l.label28, "60.00 s");
    EXPECT_EQ(l.label30, "100 1/s");
    EXPECT_EQ(l.label6, "データなし");
    const std::string ns = ReadWholeFile(SamplePath(kCdpcNs));
    EXPECT_EQ(cdpc.samples[0][0], std::stof(ns.substr(ns.find('\n') + 1, 10)));
    EXPECT_EQ(cdpc.samples[0][9], std::stof(ns.substr(ns.find('\n') + 1 + 82 + 10, 10)));

    // One CDPC component alone is labelled by its own file.
    ASSERT_EQ(Load(SamplePath("samples/cdpc/CDPC_SYNTH.ew"), RecordFormat::Cdpc, false), LoadStatus::Loaded);
    EXPECT_EQ(session->record().componentCount, 1);
    EXPECT_EQ(session->record().componentLabel[0], "EW");
    EXPECT_EQ(MakeAfterLoadView(session->record()).componentItems[0], "EW");
}

TEST_F(RecordSessionTest, FailedLoadsLeaveEverythingAsItWas) {
    ASSERT_EQ(Load(SamplePath(kKnetNs)), LoadStatus::Loaded);
    const std::string before = Fingerprint(*session);
    const std::string header = ReadWholeFile(SamplePath(kKnetNs)).substr(0, 700);

    struct Case {
        std::string path;
        RecordFormat format;
        std::string text;
        std::string caption;
        MessageStyle style;
    };
    const std::string missing = temp / "NOPE.ns";
    const std::string zeroScale = temp.Write(
        "Z.NS", std::string(ReadWholeFile(SamplePath(kKnetNs))).replace(
                    ReadWholeFile(SamplePath(kKnetNs)).find("6182761"), 7, "0      "));
    const std::string noData = temp.Write("E.NS", header.substr(0, header.find("Memo.")) + "Memo.\r\n");
    temp.Write("E.EW", ReadWholeFile(SamplePath("samples/knet/AIC0012411051012.EW")));
    temp.Write("E.UD", ReadWholeFile(SamplePath("samples/knet/AIC0012411051012.UD")));
    temp.Write("Z.EW", "");
    temp.Write("Z.UD", "");
    const std::string badCdpc = temp.Write("B.ns", "NDATA= 10\n 1 2 3\n");
    const std::string loneHiroshima = temp.Write("H.ns", "HFD01\n");
    const std::vector<Case> cases = {
        {temp / "X.ABCD", RecordFormat::Knet,
         "ファイル名が正しくありません !\n多分，フォルダー名に余分なピリオドが付いていると思われます　　　　　",
         "ファイル名エラー", MessageStyle::Warning},
        {temp / "NOPE.NS", RecordFormat::Knet,
         "\n３成分のデータを読み込めません\n\nデータファイル " + missing + " がありません   ",
         "データファイルエラー", MessageStyle::Warning},
        {zeroScale, RecordFormat::Knet,
         "データファイル " + zeroScale + " を読み込めません\n\n14行目: スケールファクターの分母が0です",
         "データファイルエラー", MessageStyle::Warning},
        {noData, RecordFormat::Knet, "データファイル " + noData + " にはデータがありません",
         "データファイルエラー", MessageStyle::Warning},
        {badCdpc, RecordFormat::Cdpc, "対になる３成分データファイルが揃っていません", "ファイルエラー",
         MessageStyle::Plain},
        {loneHiroshima, RecordFormat::Hiroshima, "対になる３成分データファイルが揃っていません",
         "ファイルエラー", MessageStyle::Plain},
    };
    for (const Case& c : cases) {
        platform.messages.clear();
        EXPECT_EQ(Load(c.path, c.format), LoadStatus::Failed) << c.path;
        ASSERT_FALSE(platform.messages.empty()) << c.path;
        EXPECT_EQ(platform.messages.back().text, c.text);
        EXPECT_EQ(platform.messages.back().caption, c.caption);
        EXPECT_EQ(platform.messages.back().style, c.style);
        EXPECT_EQ(Fingerprint(*session), before) << c.path;
    }
    // One component: the CDPC markers are checked.
    platform.messages.clear();
    EXPECT_EQ(Load(badCdpc, RecordFormat::Cdpc, false), LoadStatus::Failed);
    EXPECT_EQ(platform.messages.back().text, "データ形式エラー");
    EXPECT_EQ(platform.messages.back().caption, "中央防災会議のデータ形式ではありません");
    EXPECT_EQ(Fingerprint(*session), before);
    // A cancelled dialog changes nothing and shows nothing.
    platform.messages.clear();
    EXPECT_EQ(session->OpenWithDialog(LoadSettings{}), LoadStatus::Cancelled);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.openFilters.back(), kRecordFileFilter);
    EXPECT_EQ(Fingerprint(*session), before);
    // Every wait window that was shown was closed again.
    int open = 0;
    for (const auto& e : platform.events) open += e.rfind("wait:", 0) == 0 ? 1 : (e == "close-wait" ? -1 : 0);
    EXPECT_EQ(open, 0);
}

// With a translation installed, a failed load says why in the language in
// use, the file's path and the reader's reason in it.
TEST_F(RecordSessionTest, FailureMessagesAreTranslatedAndNameTheFile) {
    const testing::MarkedTexts marked;
    const std::string missing = temp / "NOPE.ns";
    std::string zeroScaleText = ReadWholeFile(SamplePath(kKnetNs));
    zeroScaleText.replace(zeroScaleText.find("6182761"), 7, "0      ");
    const std::string zeroScale = temp.Write("Z.NS", zeroScaleText);
    temp.Write("Z.EW", "");
    temp.Write("Z.UD", "");
    const std::string folder = temp / "F.NS";
    fs::create_directory(folder);
    const struct {
        std::string path;
        std::string text;
        std::string caption;
    } cases[] = {
        {temp / "NOPE.NS", "{record}\n３成分のデータを読み込めません\n\nデータファイル " + missing + " がありません   ",
         "{record}データファイルエラー"},
        {zeroScale, "{record}データファイル " + zeroScale + " を読み込めません\n\n{record}14行目: {record}スケールファクターの分母が0です",
         "{record}データファイルエラー"},
        {folder, "{record}データファイル " + folder + " を読み込めません\n\n{common}ファイルではなくフォルダーです",
         "{record}データファイルエラー"},
        {temp / "X.ABCD", "{record}ファイル名が正しくありません !\n多分，フォルダー名に余分なピリオドが付いていると思われます　　　　　",
         "{record}ファイル名エラー"},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        EXPECT_EQ(Load(c.path), LoadStatus::Failed) << c.path;
        ASSERT_FALSE(platform.messages.empty()) << c.path;
        EXPECT_EQ(platform.messages.back().text, c.text);
        EXPECT_EQ(platform.messages.back().caption, c.caption);
    }
    // The labels a load writes are no picture texts.
    ASSERT_EQ(Load(SamplePath(kCdpcNs), RecordFormat::Cdpc), LoadStatus::Loaded);
    EXPECT_EQ(session->labels().label6, "{record}データなし");
    EXPECT_EQ(platform.events.front(), "wait:{record}地震波形データを読み込んでいます・・・・");
}

TEST_F(RecordSessionTest, UnknownStationsStillLoad) {
    std::string text = ReadWholeFile(SamplePath(kKnetNs));
    text.replace(text.find("AIC001"), 6, "XYZ999");
    const std::string path = temp.Write("XYZ.NS", text);
    ASSERT_EQ(Load(path, RecordFormat::Knet, false), LoadStatus::Loaded);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "観測点コードエラー");
    EXPECT_EQ(platform.messages[0].text,
              "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式がK-NET/KiK-netと異なっている恐れがあります　　　\n");
    EXPECT_EQ(session->record().eventName, "");
    EXPECT_EQ(session->labels().label23, "");
    EXPECT_EQ(session->labels().label13, "XYZ999");
    EXPECT_EQ(session->record().sampleCount, 6000);
    EXPECT_FALSE(session->stationFileCopyAvailable());

    // Hiroshima: the header is still read after the message.
    std::string h = ReadWholeFile(SamplePath(kHiroshimaNs));
    h.replace(0, 5, "ZZZ99");
    h.replace(h.find("6000,"), 5, "5999,");
    const std::string hpath = temp.Write("ZZZ.ns", h);
    platform.messages.clear();
    ASSERT_EQ(Load(hpath, RecordFormat::Hiroshima, false), LoadStatus::Loaded);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n");
    EXPECT_EQ(session->record().sampleCount, 5999);
    EXPECT_EQ(session->record().dt, 0.01f);
    EXPECT_EQ(session->labels().label23, "");
}

// A component cut short, or components that do not belong together, fail
// the load with a message naming the files; nothing is padded or mixed.
TEST_F(RecordSessionTest, ComponentsCutShortOrDisagreeingFailNamingTheFiles) {
    const std::string base = SamplePath("samples/knet/AIC0012411051012.");
    const std::string ns = ReadWholeFile(base + "NS"), ew = ReadWholeFile(base + "EW"), ud = ReadWholeFile(base + "UD");
    const auto firstLines = [](const std::string& text, int lines) {
        std::size_t pos = 0;
        for (int i = 0; i < lines; ++i) pos = text.find('\n', pos) + 1;
        return text.substr(0, pos);
    };
    const auto withLine = [](std::string text, int line, const std::string& content) {
        std::size_t from = 0;
        for (int i = 1; i < line; ++i) from = text.find('\n', from) + 1;
        text.replace(from, text.find("\r\n", from) - from, content);
        return text;
    };
    const struct {
        const char* what;
        std::string ew;
        std::vector<std::string> said;  // in the message
    } cases[]{
        {"EW cut after 2000 bytes", ew.substr(0, 2000), {"C.EW", "途中で切れています"}},
        {"EW cut between lines", firstLines(ew, 17 + 250), {"C.EW", "2000", "6000", "途中で切れています"}},
        {"EW of another length, its header agreeing",
         withLine(firstLines(ew, 17 + 375), 12, "Duration Time(s)  30"), {"C.NS", "C.EW", "6000", "3000"}},
        {"EW at 200 Hz", withLine(ew, 11, "Sampling Freq(Hz) 200Hz"), {"C.NS", "C.EW", "100 Hz", "200 Hz"}},
        {"EW of another station", withLine(ew, 6, "Station Code      GIF011"), {"C.NS", "C.EW", "AIC001", "GIF011"}},
        {"EW data out of their columns", withLine(ew, 30, "1178 -1574 -1420"), {"C.EW", "30行目"}},
        // Counts the header's maximum acceleration (line 15) cannot describe.
        {"EW with a line of counts from elsewhere", withLine(ew, 40, [] {
             std::string line;
             for (int k = 0; k < 8; ++k) line += " 9999999 ";
             return line;
         }()),
         {"C.EW", "15行目", "268.000 gal"}},
        {"EW of another scale factor, its maximum as before", withLine(ew, 14, "Scale Factor      7840(gal)/6182761"),
         {"C.EW", "15行目", "268.000 gal"}},
    };
    for (const auto& c : cases) {
        temp.Write("C.NS", ns);
        temp.Write("C.EW", c.ew);
        temp.Write("C.UD", ud);
        platform.messages.clear();
        EXPECT_EQ(Load(temp / "C.NS"), LoadStatus::Failed) << c.what;
        ASSERT_EQ(platform.messages.size(), 1u) << c.what;
        for (const std::string& said : c.said)
            EXPECT_NE(platform.messages[0].text.find(said), std::string::npos) << c.what << ": " << platform.messages[0].text;
    }
    // The other formats: a Hiroshima or CDPC file holding fewer values than
    // its header states.
    const struct {
        const char* sample;
        RecordFormat format;
        const char* stated;  // replaces the header's 6000
        const char* said;
    } others[]{{kHiroshimaNs, RecordFormat::Hiroshima, "9000", "9000"}, {kCdpcNs, RecordFormat::Cdpc, "6008", "NDATA=6008"}};
    for (const auto& other : others) {
        std::string text = ReadWholeFile(SamplePath(other.sample));
        text.replace(text.find("6000"), 4, other.stated);
        platform.messages.clear();
        EXPECT_EQ(Load(temp.Write("L.ns", text), other.format, false), LoadStatus::Failed) << other.said;
        ASSERT_EQ(platform.messages.size(), 1u) << other.said;
        EXPECT_NE(platform.messages[0].text.find(other.said), std::string::npos) << platform.messages[0].text;
    }
}

// Every K-NET file converts its counts with its own scale factor.
TEST_F(RecordSessionTest, EachComponentTakesItsOwnScaleFactor) {
    const std::string base = SamplePath("samples/knet/AIC0012411051012.");
    std::string ew = ReadWholeFile(base + "EW");
    ew = testing::WithStatedPeak(ew.replace(ew.find("3920(gal)/6182761"), 17, "3920(gal)/1"));
    temp.Write("F.NS", ReadWholeFile(base + "NS"));
    temp.Write("F.EW", ew);
    temp.Write("F.UD", ReadWholeFile(base + "UD"));
    ASSERT_EQ(Load(temp / "F.NS", RecordFormat::Knet, true, /*dc=*/false), LoadStatus::Loaded);
    std::istringstream in(ew);
    std::vector<float> expected;
    ASSERT_TRUE(ReadKnetData(in, 3920.0f, expected).ok());
    ASSERT_EQ(session->record().sampleCount, static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); i += 97) ASSERT_EQ(session->record().samples[1][static_cast<int>(i)], expected[i]);
}

// Records longer than the buffers' first size are read whole: the buffers
// grow to the record, and go back after it.
TEST_F(RecordSessionTest, ARecordOfAnyLengthIsReadWhole) {
    std::string header = ReadWholeFile(SamplePath(kKnetNs));
    header.resize(header.find("Dir."));
    header.replace(header.find("Duration Time(s)  60"), 20, "Duration Time(s)  800");
    std::vector<int> counts(80000, 0);
    counts[75000] = 6182761;  // one pulse of 3920 gal at 750 s
    for (const char* c : {"NS", "EW", "UD"}) {
        std::ostringstream out;
        out << header << "Dir.              " << c << "\r\nScale Factor      3920(gal)/6182761\r\n"
            << "Max. Acc. (gal)   3920\r\nLast Correction   2024/11/05 10:12:10\r\nMemo.             \r\n";
        WriteKnetData(out, counts);
        temp.Write(std::string("LONG.") + c, out.str());
    }
    ASSERT_EQ(Load(temp / "LONG.NS", RecordFormat::Knet, true, /*dc=*/false), LoadStatus::Loaded)
        << (platform.messages.empty() ? "" : platform.messages[0].text);
    EXPECT_EQ(session->record().sampleCount, 80000);
    EXPECT_GE(session->record().capacity(), 80000);
    EXPECT_FLOAT_EQ(session->record().samples[2][75000], 3920.0f);
    ASSERT_EQ(Load(SamplePath(kKnetNs)), LoadStatus::Loaded);
    EXPECT_EQ(session->record().capacity(), SAMPLE_CAPACITY);
}

TEST_F(RecordSessionTest, MissingOriginTimeIsTakenFromTheRecordTime) {
    std::string text = ReadWholeFile(SamplePath(kKnetNs));
    text.replace(0, text.find("\r\n"), "Origin Time       ");
    ASSERT_EQ(Load(temp.Write("O.NS", text), RecordFormat::Knet, false), LoadStatus::Loaded);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "発震日時記載なし");
    EXPECT_EQ(session->labels().label6, "2024/11/05  10:12:25");
    EXPECT_EQ(session->record().eventName, "AIC001-202411051012");
}

TEST_F(RecordSessionTest, StationNameFilesCopyTheRecordUnderTheStationsName) {
    CreateStationNameFiles(*session, platform);  // before any load: nothing
    EXPECT_TRUE(platform.messages.empty());

    const std::string folder = temp / "eq";
    CopyTriple(kKnetNs, folder, "AIC0012411051012", {"NS", "EW", "UD"});
    ASSERT_EQ(Load(folder + "/AIC0012411051012.NS"), LoadStatus::Loaded);
    CreateStationNameFiles(*session, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string target = folder + "/名古屋港2411051012";
    EXPECT_EQ(platform.messages[0].text, target + ".NS\n" + target + ".EW\n" + target + ".UD\n" +
                                             "\n観測地点名で表したデータファイルを作成しました　　　　");
    EXPECT_EQ(platform.messages[0].caption, "観測地点名ファイル");
    EXPECT_EQ(ReadWholeFile(target + ".EW"), ReadWholeFile(folder + "/AIC0012411051012.EW"));

    // A target that cannot be written and a source that went away are reported.
    fs::remove(target + ".UD");
    fs::create_directory(target + ".UD");
    fs::remove(folder + "/AIC0012411051012.NS");
    platform.messages.clear();
    CreateStationNameFiles(*session, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string& report = platform.messages[0].text;
    EXPECT_NE(report.find("データファイル " + folder + "/AIC0012411051012.NS を読み込めません"), std::string::npos);
    EXPECT_NE(report.find("ファイル " + target + ".UD を作成できません"), std::string::npos);
    EXPECT_NE(report.find(target + ".EW\n"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(target + ".UD"));
    // Two sources left, three targets (one of them the folder): no temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 5);

    // A record whose station is unknown is refused.
    std::string text = ReadWholeFile(SamplePath(kKnetNs));
    text.replace(text.find("AIC001"), 6, "XYZ999");
    ASSERT_EQ(Load(temp.Write("XYZ.NS", text), RecordFormat::Knet, false), LoadStatus::Loaded);
    platform.messages.clear();
    CreateStationNameFiles(*session, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "この観測点の情報がありませんので,ファイル名を変更することはできません");
}

// A source that became a FIFO or a folder since the load is reported at
// once; the other components are copied.
TEST_F(RecordSessionTest, StationNameFilesRefuseASourceThatIsNoLongerAFile) {
    for (const bool fifo : {true, false}) {
        const std::string folder = temp / (fifo ? "fifo" : "folder");
        CopyTriple(kKnetNs, folder, "AIC0012411051012", {"NS", "EW", "UD"});
        ASSERT_EQ(Load(folder + "/AIC0012411051012.NS"), LoadStatus::Loaded);
        const std::string ew = folder + "/AIC0012411051012.EW";
        fs::remove(ew);
        if (fifo)
            ASSERT_EQ(::mkfifo(ew.c_str(), 0600), 0);
        else
            fs::create_directory(ew);
        platform.messages.clear();
        const auto started = std::chrono::steady_clock::now();
        {
            const testing::FifoWatchdog watchdog(ew);
            CreateStationNameFiles(*session, platform);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << fifo;
        ASSERT_EQ(platform.messages.size(), 1u);
        const std::string& report = platform.messages[0].text;
        EXPECT_NE(report.find("データファイル " + ew + " を読み込めません"), std::string::npos) << report;
        EXPECT_TRUE(fs::exists(folder + "/名古屋港2411051012.UD")) << report;
        EXPECT_FALSE(fs::exists(folder + "/名古屋港2411051012.EW")) << report;
    }
}

}  // namespace
}  // namespace tremblo
