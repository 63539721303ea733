#include "record/hiroshima_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace tremblo {
namespace {

std::unique_ptr<StationDirectory> DirectoryWith(const std::string& shobo) {
    auto directory = std::make_unique<StationDirectory>();
    std::istringstream in(shobo);
    ReadShoboNameFile(in, *directory);
    return directory;
}

std::string File(const std::string& interval, const std::string& data = "") {
    return "HFD01,x\n2024/11/05\n10:12:25\n6000\n" + interval + "\n" + data;
}

TEST(HiroshimaHeader, ReadsTheFirstFieldOfLinesOneToFive) {
    const auto directory = DirectoryWith("HFD01,中消防署,広島市中区,132.45,34.39\n");
    std::istringstream in(File("10"));
    const auto result = ReadHiroshimaHeader(in, *directory);
    ASSERT_TRUE(result.ok());
    const HiroshimaHeader& h = result.value();
    EXPECT_EQ(h.fileStationCode, "HFD01");
    ASSERT_NE(h.station, nullptr);
    EXPECT_EQ(h.recordDate, "2024/11/05");
    EXPECT_EQ(h.recordTime, "10:12:25");
    EXPECT_EQ(h.sampleCount, 6000);
    EXPECT_EQ(h.samplingFrequency, 100);
    EXPECT_EQ(h.dt, 0.01f);
}

TEST(HiroshimaHeader, SamplingIntervalGivesRateByIntegerDivision) {
    const auto directory = DirectoryWith("");
    const auto read = [&](const char* interval) {
        std::istringstream in(File(interval));
        return ReadHiroshimaHeader(in, *directory);
    };
    EXPECT_EQ(read("5").value().samplingFrequency, 200);
    EXPECT_EQ(read("5").value().dt, 0.005f);
    EXPECT_EQ(read("3").value().samplingFrequency, 333);
    EXPECT_EQ(read("3").value().dt, static_cast<float>(3 * 0.001L));
    EXPECT_EQ(read("3").value().station, nullptr);  // unknown station is no failure here
    EXPECT_EQ(read("0").error().line, 5);
    EXPECT_EQ(read("-10").error().line, 5);
    std::istringstream noCount("HFD01\n2024/11/05\n10:12:25\nabc\n10\n");
    EXPECT_EQ(ReadHiroshimaHeader(noCount, *directory).error().line, 4);
    std::istringstream truncated("HFD01\n2024/11/05\n");
    EXPECT_EQ(ReadHiroshimaHeader(truncated, *directory).error().line, 3);
}

std::vector<float> ReadData(const std::string& data, std::size_t capacity = 1000) {
    std::istringstream in(File("10", data));
    std::vector<float> samples(capacity);
    samples.resize(static_cast<std::size_t>(ReadHiroshimaData(in, samples).value()));
    return samples;
}

TEST(HiroshimaData, TheLastFieldOfEveryLineIsDropped) {
    EXPECT_EQ(ReadData("1.5,-2.25,0.125\n"), (std::vector<float>{1.5f, -2.25f, 0.125f}));
    EXPECT_EQ(ReadData("1.5,-2.25,0.125"), (std::vector<float>{1.5f, -2.25f}));
    EXPECT_EQ(ReadData("1,2,\r\n3,x,\r\n"), (std::vector<float>{1.0f, 2.0f, 3.0f, 0.0f}));
}

TEST(HiroshimaData, LinesLongerThanTheBufferLoseTheValueAtEachBreak) {
    // 40 values of "12.5," (5 characters): 200 characters and a line end. The
    // 200-byte buffer ends the first piece after 199 characters, inside the
    // 40th value, whose "12.5" is then the last field of that piece and
    // dropped; the second piece ",\n" gives one empty field, read as 0.
    std::string line;
    for (int i = 0; i < 40; ++i) line += "12.5,";
    const auto samples = ReadData(line + "\n");
    ASSERT_EQ(samples.size(), 40u);
    EXPECT_EQ(samples[38], 12.5f);
    EXPECT_EQ(samples[39], 0.0f);
}

TEST(HiroshimaData, ReadsEveryValue) {
    EXPECT_EQ(ReadData("1,2,3,4,5,6,\n7,8,\n", 4).size(), 8u);
}

}  // namespace
}  // namespace tremblo
