#include "tools/horizontal_synthesis.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "common/format.h"
#include "common/readable_file.h"
#include "record/knet_reader.h"
#include "record/knet_writer.h"
#include "record/record_session.h"
#include "support/fifo_watchdog.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;

const std::string kSampleStem = "samples/knet/AIC0012411051012";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    return lines;
}

// The counts of a K-NET file, read with a scale factor of 1.
std::vector<float> Counts(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<float> counts(SAMPLE_CAPACITY);
    counts.resize(static_cast<std::size_t>(ReadKnetData(in, 1.0f, counts).value()));
    return counts;
}

class SynthesisTest : public ::testing::Test {
protected:
    LoadStatus Load(const std::string& path, bool three = true) {
        return session.LoadPath(path, LoadSettings{RecordFormat::Knet, three, /*removeDc=*/false});
    }

    // A record of `n` samples in the temporary folder: the sample's headers,
    // the NS and EW files with scale-factor lines of their own when given.
    std::string WriteRecord(int n, const std::string& ewScaleLine = {}, const std::string& nsScaleLine = {}) {
        const char* ext[3] = {"NS", "EW", "UD"};
        for (int c = 0; c < 3; ++c) {
            std::vector<std::string> header = Lines(ReadWholeFile(SamplePath(kSampleStem + "." + ext[c])));
            header.resize(KNET_HEADER_LINES);
            const std::string& scaleLine = c == 0 ? nsScaleLine : c == 1 ? ewScaleLine : std::string();
            if (!scaleLine.empty()) header[13] = scaleLine;
            header[11] = "Duration Time(s)  " + std::to_string(n / 100) + "\r\n";  // as long as the data
            std::ostringstream out;
            for (const std::string& line : header) out << line;
            std::vector<int> counts(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) counts[static_cast<std::size_t>(i)] = (c + 1) * ((i * 7919) % 4001 - 2000);
            WriteKnetData(out, counts);
            temp.Write(std::string("SYN.") + ext[c], testing::WithStatedPeak(out.str()));
        }
        return temp / "SYN.NS";
    }

    testing::ScriptedPlatform platform;
    std::unique_ptr<StationDirectory> directory = std::make_unique<StationDirectory>();  // large: never on the stack
    RecordSession session{platform, *directory};
    testing::TempFolder temp;
};

TEST(SynthesisNames, DefaultNameAndExtensionFollowTheAzimuth) {
    const struct {
        int azimuth;
        const char* extension;
    } cases[] = {{7, "007"}, {45, "045"}, {360, "360"}, {-5, "-05"}};
    for (const auto& c : cases) {
        EXPECT_EQ(AzimuthExtension(c.azimuth), c.extension);
        EXPECT_EQ(DefaultSynthesisName("/d/eq/AIC001R0102.NS", c.azimuth), std::string("AIC001R0102.") + c.extension);
    }
    EXPECT_EQ(ParseAzimuth(" 90 "), 90);
    for (const char* bad : {"", "4.5", "45度", "1e3", "99999999999"}) EXPECT_FALSE(ParseAzimuth(bad)) << bad;
}

TEST(SynthesisNames, OutputPathNeedsExactlyOnePeriod) {
    const struct {
        const char* path;
        OutputNameVerdict verdict;
    } cases[] = {{"/d/a.b/x.045", OutputNameVerdict::BadPeriodCount},
                 {"/d/x045", OutputNameVerdict::BadPeriodCount},
                 {"/d/x.0.45", OutputNameVerdict::BadPeriodCount},
                 {"/d/x.045", OutputNameVerdict::Accepted},
                 {"/d/x.45", OutputNameVerdict::ExtensionNotAzimuth},
                 {"/d/x.csv", OutputNameVerdict::ExtensionNotAzimuth}};
    for (const auto& c : cases) EXPECT_EQ(CheckOutputName(c.path, 45), c.verdict) << c.path;
}

TEST_F(SynthesisTest, CardinalAzimuthsReproduceTheSourceCountsAndReadBack) {
    ASSERT_EQ(Load(SamplePath(kSampleStem + ".NS")), LoadStatus::Loaded);
    const std::vector<float> ns = Counts(SamplePath(kSampleStem + ".NS"));
    const std::vector<float> ew = Counts(SamplePath(kSampleStem + ".EW"));
    const struct {
        int azimuth;
        const std::vector<float>& source;
        float sign;
        int component;
    } cases[] = {{0, ns, 1.0f, 0}, {90, ew, 1.0f, 1}, {180, ns, -1.0f, 0}};
    for (const auto& c : cases) {
        const std::string out = temp / ("AIC0012411051012." + AzimuthExtension(c.azimuth));
        const Result<SynthesisSummary> written = WriteSynthesizedRecord(session.record(), c.azimuth, out);
        ASSERT_TRUE(written.ok()) << written.error().message;
        const std::vector<float> counts = Counts(out);
        ASSERT_EQ(counts.size(), c.source.size());
        for (std::size_t i = 0; i < counts.size(); ++i)
            ASSERT_LE(std::fabs(counts[i] - c.sign * c.source[i]), 1.0f) << c.azimuth << " sample " << i;
        // Line 15 holds the peak of the trace written, not a source file's value.
        float peak = 0.0f;
        for (int i = 0; i < session.record().sampleCount; ++i)
            peak = std::max(peak, std::fabs(session.record().samples[c.component][i]));
        EXPECT_EQ(Lines(ReadWholeFile(out))[14], StringPrintf("Max. Acc. (gal)   %4d\r\n", int(peak)));
    }
    // The file loads as a one-component record.
    RecordSession back(platform, *directory);
    ASSERT_EQ(back.LoadPath(temp / "AIC0012411051012.090", LoadSettings{RecordFormat::Knet, false, false}),
              LoadStatus::Loaded);
    EXPECT_EQ(back.record().componentCount, 1);
    EXPECT_EQ(back.record().sampleCount, session.record().sampleCount);
    EXPECT_EQ(back.record().direction, "E-W");
}

TEST_F(SynthesisTest, LastDataLineEndsAsTheWriterLayoutSays) {
    // 1000 samples: 125 full lines and no line end more; 1001: one more line
    // with one value and its line end.
    for (const auto& [n, lines, lastLine] : {std::tuple{1000, 125u, 72u}, std::tuple{1001, 126u, 8u}}) {
        ASSERT_EQ(Load(WriteRecord(n)), LoadStatus::Loaded);
        ASSERT_TRUE(WriteSynthesizedRecord(session.record(), 0, temp / "SYN.000").ok());
        const std::string text = ReadWholeFile(temp / "SYN.000");
        const std::vector<std::string> written = Lines(text);
        ASSERT_EQ(written.size(), KNET_HEADER_LINES + lines) << n;
        EXPECT_EQ(written.back().size(), lastLine + 2) << n;
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(written.back()[lastLine - 1] == ' ', lastLine == 72u) << n;
        EXPECT_EQ(Counts(temp / "SYN.000").size(), static_cast<std::size_t>(n));
    }
}

TEST_F(SynthesisTest, OutputCarriesTheScaleFactorThatConvertedTheCounts) {
    // The EW file says another factor: the file written must read back as
    // the motion synthesised (with the NS file's factor).
    ASSERT_EQ(Load(WriteRecord(64, "Scale Factor      7840(gal)/6182761\r\n")), LoadStatus::Loaded);
    ASSERT_TRUE(WriteSynthesizedRecord(session.record(), 90, temp / "SYN.090").ok());
    RecordSession back(platform, *directory);
    ASSERT_EQ(back.LoadPath(temp / "SYN.090", LoadSettings{RecordFormat::Knet, false, false}), LoadStatus::Loaded);
    EXPECT_EQ(back.record().scaleFactor, session.record().scaleFactor);
    for (int i = 0; i < 64; ++i)
        EXPECT_NEAR(back.record().samples[0][i], session.record().samples[1][i], 1.01 * session.record().scaleFactor);
}

TEST_F(SynthesisTest, AFileThatCannotBeUsedIsNamedAndNothingIsWritten) {
    const struct {
        const char* removed;   // a source file taken away after the load
        const char* output;    // inside the temporary folder
        const char* named;     // what the message names
    } cases[] = {{"SYN.NS", "SYN.045", "NS成分のデータファイル"},
                 {"SYN.EW", "SYN.045", "EW成分のデータファイル"},
                 {nullptr, "missing/SYN.045", "出力ファイル"},
                 {nullptr, "SYN.045", "スケールファクター"}};  // the NS file changed since the load
    for (const auto& c : cases) {
        ASSERT_EQ(Load(WriteRecord(20)), LoadStatus::Loaded);
        temp.Write("SYN.045", "kept");
        if (c.removed) fs::remove(temp / c.removed);
        if (std::string(c.named) == "スケールファクター") WriteRecord(20, "", "Scale Factor      1960(gal)/6182761\r\n");
        const Result<SynthesisSummary> written = WriteSynthesizedRecord(session.record(), 45, temp / c.output);
        ASSERT_FALSE(written.ok());
        EXPECT_NE(written.error().message.find(c.named), std::string::npos) << written.error().message;
        EXPECT_EQ(ReadWholeFile(temp / "SYN.045"), "kept");
        for (const auto& entry : fs::directory_iterator(temp.path()))
            EXPECT_NE(entry.path().extension(), ".tmp");  // no temporary file left
    }
}

// A component file that became a FIFO or a folder since the load is
// refused at once, named with the reason, and nothing is written.
TEST_F(SynthesisTest, AComponentFileThatIsNoLongerAFileIsRefusedAtOnce) {
    for (const bool fifo : {true, false}) {
        ASSERT_EQ(Load(WriteRecord(20)), LoadStatus::Loaded);
        const std::string ew = temp / "SYN.EW";
        fs::remove(ew);
        if (fifo)
            ASSERT_EQ(::mkfifo(ew.c_str(), 0600), 0);
        else
            fs::create_directory(ew);
        const auto started = std::chrono::steady_clock::now();
        std::optional<Result<SynthesisSummary>> written;
        {
            const testing::FifoWatchdog watchdog(ew);
            written.emplace(WriteSynthesizedRecord(session.record(), 45, temp / "SYN.045"));
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << fifo;
        ASSERT_FALSE(written->ok());
        const std::string& message = written->error().message;
        EXPECT_NE(message.find("EW成分のデータファイル " + ew), std::string::npos) << message;
        EXPECT_NE(message.find(NotARegularFile(ew)), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(temp / "SYN.045"));
        fs::remove(ew);
    }
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

// The azimuth in radians is held in single precision, as the program
// always had it: at 180 degrees its sine is -8.7e-8 (not 1.2e-16), which a
// large EW count shows; opposite azimuths of one component stay opposite.
// Counts become gal as the reader makes them.
TEST(SynthesisAngle, ThetaInSinglePrecision) {
    const float sf = static_cast<float>(3920.0L / 6182761.0L);
    const auto gal = [&](int count) { return static_cast<float>(static_cast<long double>(count) * sf); };
    const auto synthesized = [&](int azimuth, int ns, int ew) {
        const std::vector<float> n{gal(ns)}, e{gal(ew)};
        return SynthesizeHorizontal(n, e, sf, azimuth).counts.at(0);
    };
    for (int count : {1000, 1, 123456, 8388607}) {
        EXPECT_EQ(synthesized(180, count, 0), -synthesized(0, count, 0)) << count;
        EXPECT_EQ(synthesized(270, 0, count), -synthesized(90, 0, count)) << count;
    }
    // -1000 - 8e7 * 8.742278e-8 = -1006.99 counts (a double angle would give -1000).
    EXPECT_EQ(synthesized(180, 1000, 80000000), -1006);
}

}  // namespace
}  // namespace tremblo
