#include "record/cdpc_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tremblo {
namespace {

Result<int> Read(const std::string& text, std::vector<float>& samples) {
    std::istringstream in(text);
    return ReadCdpcData(in, samples);
}

const char* kLine = "    1.0000   -2.5000   10.2500 -100.0000    0.0000    3.0000   -4.0000    5.5000\r\n";

TEST(CdpcData, ReadsEightValuesFromEveryLine) {
    std::vector<float> samples(100);
    const auto n = Read(std::string(" NDATA= 24 dT=0.01\r\n") + kLine + kLine + kLine, samples);
    ASSERT_TRUE(n.ok());
    EXPECT_EQ(n.value(), 24);
    EXPECT_EQ(samples[1], -2.5f);
    EXPECT_EQ(samples[3], -100.0f);
    EXPECT_EQ(samples[23], 5.5f);
}

TEST(CdpcData, ColumnsAfterEightyAndMissingFieldsAreNotRead) {
    std::vector<float> samples(100);
    std::string line = kLine;
    line.insert(80, "123456");  // beyond column 80
    const auto n = Read(std::string("NDATA=dT=\n") + line + "    7.0000    8.0000\n", samples);
    ASSERT_TRUE(n.ok());
    EXPECT_EQ(n.value(), 10);  // a short last line gives only its own two values
    EXPECT_EQ(samples[7], 5.5f);
    EXPECT_EQ(samples[9], 8.0f);
    // Values run on to the first unfit character: no blank, no separation.
    EXPECT_EQ(Read("NDATA=dT=\n1.01234567892.0\n", samples).value(), 2);
    EXPECT_FLOAT_EQ(samples[0], 1.0123456789f);
    EXPECT_FLOAT_EQ(samples[1], 892.0f);
}

TEST(CdpcData, RefusesAFirstLineWithoutBothMarkers) {
    std::vector<float> samples(10);
    for (const char* first : {"NDATA= 100\n", "dT=0.01\n", "", "ndata= dt=\n"}) {
        const auto n = Read(std::string(first) + kLine, samples);
        ASSERT_FALSE(n.ok()) << first;
        EXPECT_EQ(n.error().message, "データ形式エラー");
        EXPECT_EQ(n.error().caption, "中央防災会議のデータ形式ではありません");
    }
}

TEST(CdpcData, ReadsEveryValueAndTheStatedCount) {
    std::vector<float> samples(3);
    std::istringstream in(std::string("CASE=X NDATA=  16  dT=0.010\n") + kLine + kLine);
    int stated = -1;
    EXPECT_EQ(ReadCdpcData(in, samples, &stated).value(), 16);
    EXPECT_EQ(samples.size(), 16u);
    EXPECT_EQ(stated, 16);
}

// The interval is the one the first line states; a line stating none keeps
// the format's 100 samples per second; one that could make no time axis is
// refused.
TEST(CdpcInterval, IsTheOneTheFirstLineStates) {
    const struct {
        const char* first;
        double dt;  // 0: refused
    } cases[] = {
        {"CASE=X NDATA= 16 dT=0.050\n", 0.05},  {"NDATA=16 dT= 0.005\r\n", 0.005},
        {"dT=.02 NDATA=3\n", 0.02},            {"NDATA=dT=\n", 0.01},
        {"NDATA=8 dT=abc\n", 0.01},            {"NDATA=8 dT=0\n", 0.0},
        {"NDATA=8 dT=-0.01\n", 0.0},           {"NDATA=8 dT=2.5\n", 0.0},
        {"NDATA=8 dT=1e999\n", 0.0},           {"NDATA=8\n", 0.0},
    };
    for (const auto& c : cases) {
        std::istringstream in(std::string(c.first) + kLine);
        const Result<double> dt = ReadCdpcInterval(in);
        if (c.dt == 0.0) {
            EXPECT_FALSE(dt.ok()) << c.first;
            if (!dt.ok()) {
                EXPECT_EQ(dt.error().line, 1) << c.first;
            }
        } else {
            ASSERT_TRUE(dt.ok()) << c.first;
            EXPECT_DOUBLE_EQ(dt.value(), c.dt) << c.first;
        }
    }
}

}  // namespace
}  // namespace tremblo
