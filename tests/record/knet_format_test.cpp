#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "common/format.h"
#include "common/shift_jis.h"
#include "record/knet_reader.h"
#include "record/knet_writer.h"

namespace tremblo {
namespace {

// A header in the layout of the network's files: 18 label columns, values
// from column 19.
std::string Header(const std::string& originLine = "Origin Time       2001/02/03 04:05:06",
                   const std::string& scaleLine = "Scale Factor      7845(gal)/8223790",
                   const std::string& memoLine = "Memo.             ",
                   const std::string& frequencyLine = "Sampling Freq(Hz) 100Hz") {
    const std::vector<std::string> lines = {
        originLine,
        "Lat.              34.512",
        "Long.             136.874",
        "Depth. (km)       42",
        "Mag.              6.35",
        "Station Code      AIC001",
        "Station Lat.      35.1650",
        "Station Long.     136.9650",
        "Station Height(m) 12",
        "Record Time       2001/02/03 04:05:30   ",
        frequencyLine,
        "Duration Time(s)  60",
        "Dir.              N-S",
        scaleLine,
        "Max. Acc. (gal)   312.000",
        "Last Correction   2001/02/03 04:05:10",
        memoLine,
    };
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

KnetHeader ReadHeader(const std::string& text) {
    std::istringstream in(text);
    auto result = ReadKnetHeader(in);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message);
    return result.ok() ? result.value() : KnetHeader{};
}

TEST(TrimLineEnd, RemovesTheLineEndAndTrailingBlanksOnly) {
    std::string line = "Dir.   N-S  \t  \n";
    TrimLineEnd(line);
    EXPECT_EQ(line, "Dir.   N-S  \t");
    line = "    \n";
    TrimLineEnd(line);
    EXPECT_EQ(line, "");
    line = "abc";  // no line end: the last character goes all the same
    TrimLineEnd(line);
    EXPECT_EQ(line, "ab");
    line.clear();
    TrimLineEnd(line);
    EXPECT_EQ(line, "");
}

TEST(KnetHeader, ReadsEveryValueByLineAndColumn) {
    const KnetHeader h = ReadHeader(Header());
    EXPECT_EQ(h.originDate, "2001/02/03");
    EXPECT_EQ(h.originTime, "04:05:06");
    EXPECT_FLOAT_EQ(h.epicenterLat, 34.512f);
    EXPECT_FLOAT_EQ(h.epicenterLon, 136.874f);
    EXPECT_EQ(h.depthKm, 42);
    EXPECT_FLOAT_EQ(h.magnitude, 6.35f);
    EXPECT_EQ(h.stationCode, "AIC001");
    EXPECT_FLOAT_EQ(h.stationLat, 35.165f);
    EXPECT_EQ(h.stationHeight, 12);
    EXPECT_EQ(h.recordDate, "2001/02/03");
    EXPECT_EQ(h.recordTime, "04:05:30");  // trailing blanks cleaned
    EXPECT_EQ(h.samplingFrequency, 100);
    EXPECT_FLOAT_EQ(h.durationSeconds, 60.0f);
    EXPECT_EQ(h.direction, "N-S");
    EXPECT_EQ(h.maxAccText, "312.");  // cut to its 5-byte field
    EXPECT_EQ(h.lastCorrection, "2001/02/03 04:05:10");
    EXPECT_EQ(h.memo, "");
    EXPECT_FALSE(h.originTimeMissing);
}

TEST(KnetHeader, LinesOfNinetyNineCharactersAreReadWhole) {
    std::string origin = "Origin Time       2001/02/03 04:05:06";
    origin.resize(99, ' ');
    std::string scale = "Scale Factor      3920(gal)/6182761";
    scale.resize(99, ' ');
    const KnetHeader h = ReadHeader(Header(origin, scale));
    EXPECT_EQ(h.originTime, "04:05:06");
    EXPECT_FLOAT_EQ(h.epicenterLat, 34.512f);  // line 2 is still line 2
    EXPECT_EQ(h.scaleFactor, static_cast<float>(3920.0L / 6182761.0L));
    EXPECT_FLOAT_EQ(h.durationSeconds, 60.0f);
}

TEST(KnetHeader, ScaleFactorIsNumeratorOverDenominatorWhateverStandsBetween) {
    const KnetHeader h = ReadHeader(
        Header("Origin Time       2001/02/03 04:05:06", "Scale Factor      3920XXXXXX6182761"));
    const float expected = static_cast<float>(3920.0L / 6182761.0L);
    EXPECT_EQ(h.scaleFactor, expected);
}

TEST(KnetHeader, MissingOriginTimeTakesTheRecordTime) {
    const KnetHeader h = ReadHeader(Header("Origin Time       "));
    EXPECT_TRUE(h.originTimeMissing);
    EXPECT_EQ(h.originDate, "2001/02/03");
    EXPECT_EQ(h.originTime, "04:05:30");
    // Blanks after column 18 are not a missing origin.
    EXPECT_FALSE(ReadHeader(Header("Origin Time          ")).originTimeMissing);
}

TEST(KnetHeader, MemoIsTheTextFromColumn19) {
    EXPECT_EQ(ReadHeader(Header("Origin Time       2001/02/03 04:05:06",
                                "Scale Factor      7845(gal)/8223790",
                                "Memo.             shallow event"))
                  .memo,
              "shallow event");
}

TEST(KnetHeader, RefusesHeadersItCannotUse) {
    const auto failsAt = [](const std::string& text) {
        std::istringstream in(text);
        auto result = ReadKnetHeader(in);
        return result.ok() ? -1 : result.error().line;
    };
    EXPECT_EQ(failsAt(Header("Origin Time       2001/02/03 04:05:06",
                             "Scale Factor      7845(gal)/0")),
              14);
    EXPECT_EQ(failsAt(Header("Origin Time       2001/02/03 04:05:06",
                             "Scale Factor      7845(gal)/8223790", "Memo.             ",
                             "Sampling Freq(Hz) 0Hz")),
              11);
    const std::string header = Header();
    std::size_t fiveLines = 0;
    for (int i = 0; i < 5; ++i) fiveLines = header.find("\r\n", fiveLines) + 2;
    EXPECT_EQ(failsAt(header.substr(0, fiveLines + 10)), 7);  // a piece of line 6, then nothing
    EXPECT_EQ(failsAt(""), 1);
}

TEST(KnetHeader, AnOverlongMemoSpillsIntoTheData) {
    // The 100-byte buffer ends line 17 after 99 characters; the rest of the
    // physical line is then the first data line.
    const std::string memo = "Memo.             " + std::string(81, 'x') + "       1        2        3";
    const std::string text =
        Header("Origin Time       2001/02/03 04:05:06", "Scale Factor      7845(gal)/8223790", memo) +
        "       4\n";
    EXPECT_EQ(ReadHeader(text).memo, std::string(32, 'x'));
    std::istringstream in(text);
    std::vector<float> samples(10);
    ASSERT_EQ(ReadKnetData(in, 1.0f, samples).value(), 4);
    EXPECT_EQ(samples[0], 1.0f);
    EXPECT_EQ(samples[3], 4.0f);
}

std::string DataFile(const std::string& data) { return Header() + data; }

std::vector<float> ReadData(const std::string& text) {
    std::istringstream in(text);
    std::vector<float> samples(3, -1.0f);  // replaced by what is read
    const int n = ReadKnetData(in, 0.5f, samples).value();
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(n));
    return samples;
}

TEST(KnetData, ValuesPerLineFollowTheLineLength) {
    // 8 values: 72 characters + line end = 73.
    EXPECT_EQ(ReadData(DataFile("       1        2        3        4        5        6        7        8 \n"))
                  .size(),
              8u);
    // 3 values with line end: 27 characters.
    EXPECT_EQ(ReadData(DataFile("      10      -20       30\n")),
              (std::vector<float>{5.0f, -10.0f, 15.0f}));
    // The end of the file ends the last line: its last value is read.
    EXPECT_EQ(ReadData(DataFile("      10      -20")), (std::vector<float>{5.0f, -10.0f}));
    // Blank lines and blanks after the last value hold nothing.
    EXPECT_EQ(ReadData(DataFile("\n      10   \n  \n")), (std::vector<float>{5.0f}));
}

// Lines that are not counts in 9-column fields (an edited or generated
// file, a file cut inside a value) fail with their line number rather than
// being read as other values.
TEST(KnetData, LinesOutOfTheirColumnsFailWithTheirLineNumber) {
    const struct {
        const char* what;
        std::string data;
        int line;  // of the file
    } cases[]{
        {"values in 10 columns", "      10      -20\n        10       -20\n", 19},
        {"values separated by one blank", "1178 -1574 -1420 -1862\n", 18},
        {"tab separated", "     123\t     456\n", 18},
        {"a value spilling into column 9", "       17       2\n", 18},
        {"shorter than a field", "    123\n", 18},
        {"cut inside a value", "       1        2     -12", 18},
        {"a blank field", "       1                 3\n", 18},
        {"a decimal number", "     1.5\n", 18},
        {"a NUL byte", std::string("       1   \0    2\n       3\n", 24), 18},
    };
    for (const auto& c : cases) {
        std::istringstream in(DataFile(c.data));
        std::vector<float> samples;
        const Result<int> read = ReadKnetData(in, 1.0f, samples);
        ASSERT_FALSE(read.ok()) << c.what;
        EXPECT_EQ(read.error().line, c.line) << c.what << ": " << read.error().message;
    }
}

TEST(KnetData, ConvertsCountsWithTheScaleFactorInExtendedPrecision) {
    std::istringstream in(DataFile(" 8223789 \n"));
    std::vector<float> samples(1);
    const float scale = static_cast<float>(7845.0L / 8223790.0L);
    ASSERT_EQ(ReadKnetData(in, scale, samples).value(), 1);
    EXPECT_EQ(samples[0], static_cast<float>(8223789.0L * static_cast<long double>(scale)));
}

TEST(KnetData, ReadsEveryValueOfALongRecord) {
    std::ostringstream data;
    std::vector<int> counts(70013, 4);
    counts.back() = 6;
    WriteKnetData(data, counts);
    const auto samples = ReadData(DataFile(data.str()));
    ASSERT_EQ(samples.size(), 70013u);
    EXPECT_EQ(samples.back(), 3.0f);
}

// Line 15 against the samples: NIED's largest |a - mean|, or this program's
// synthesized files' largest |a| cut to whole gal, each within 1 gal or 1 %.
TEST(KnetPeak, SamplesThatCannotBeThoseOfTheHeaderAreNamed) {
    // Around a mean of 20 gal: the largest |a - mean| is 100, the largest |a| 120.
    const std::vector<float> offset{20.0f, 120.0f, -80.0f, 20.0f, 20.0f};
    const std::vector<float> small{0.2f, -0.4f, 0.1f};
    const struct {
        const char* name;
        double stated;
        const std::vector<float>& samples;
        bool contradicts;
    } cases[] = {
        {"NIED's reading", 100.0, offset, false},
        {"the largest |a|, as synthesized files say it", 120.0, offset, false},
        {"cut to whole gal", 119.0, offset, false},
        {"within 1 %", 121.2, offset, false},
        {"above both by more than 1 %", 122.5, offset, true},
        {"below both by more than 1 %", 98.5, offset, true},
        {"a damaged count far above", 6339.046, offset, true},
        {"no maximum stated", 0.0, offset, false},
        {"a small motion within 1 gal", 1.2, small, false},
        {"a small motion 1 gal off", 1.5, small, true},
    };
    for (const auto& c : cases) {
        KnetHeader header;
        header.statedPeakGal = c.stated;
        const std::optional<std::string> why = KnetPeakContradiction(header, c.samples);
        EXPECT_EQ(why.has_value(), c.contradicts) << c.name;
        if (why) {
            EXPECT_NE(why->find(StringPrintf("%.3f gal", c.stated)), std::string::npos) << *why;
        }
    }
}

TEST(KnetPeak, TheHeaderLineIsReadAsANumberOrNothing) {
    const struct {
        const char* line;
        double stated;
    } cases[] = {{"Max. Acc. (gal)   312.000", 312.0}, {"Max. Acc. (gal)   9.64349", 9.64349},
                 {"Max. Acc. (gal)    312", 312.0},   {"Max. Acc. (gal)", 0.0},
                 {"Max. Acc. (gal)   -5", 0.0},       {"Max. Acc. (gal)   n/a", 0.0}};
    for (const auto& c : cases) {
        std::string text = Header();
        text.replace(text.find("Max. Acc. (gal)   312.000"), 25, c.line);
        std::istringstream in(text);
        const Result<KnetHeader> header = ReadKnetHeader(in);
        ASSERT_TRUE(header.ok()) << c.line;
        EXPECT_DOUBLE_EQ(header.value().statedPeakGal, c.stated) << c.line;
    }
}

TEST(KnetWriter, WritesFullLinesOf73CharactersAndReadsBack) {
    std::vector<int> counts;
    for (int i = 0; i < 21; ++i) counts.push_back((i % 2 ? -1 : 1) * i * 456789);
    counts.push_back(-9999999);
    counts.push_back(99999999);  // eight characters with no room for a sign: still read back
    std::ostringstream out;
    WriteKnetData(out, counts);
    const std::string text = out.str();
    EXPECT_EQ(text.find("\r\n"), 72u);  // 72 characters and the line end: 73 when read
    EXPECT_EQ(text.substr(71, 3), " \r\n");
    std::istringstream in(Header() + text);
    std::vector<float> samples(counts.size());
    ASSERT_EQ(ReadKnetData(in, 1.0f, samples).value(), static_cast<int>(counts.size()));
    for (std::size_t i = 0; i < counts.size(); ++i) EXPECT_EQ(samples[i], static_cast<float>(counts[i]));
}

TEST(KnetWriter, CopiesTheHeaderReplacingTheMaximumAcceleration) {
    std::istringstream source(Header());
    std::ostringstream out;
    ASSERT_TRUE(CopyKnetHeader(source, out, 312).ok());
    std::istringstream back(out.str());
    const auto header = ReadKnetHeader(back);
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header.value().maxAccText, " 312");
    EXPECT_NE(out.str().find("Max. Acc. (gal)    312\r\n"), std::string::npos);
    std::istringstream shortSource("only one line\n");
    EXPECT_FALSE(CopyKnetHeader(shortSource, out, 1).ok());
}

}  // namespace
}  // namespace tremblo
