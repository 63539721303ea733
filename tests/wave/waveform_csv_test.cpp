// The waveform CSV layout against hand-checked lines.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "wave/waveform_csv.h"

namespace tremblo {
namespace {

std::unique_ptr<SeismicRecord> SmallRecord(int components) {
    auto record = std::make_unique<SeismicRecord>();
    record->componentCount = components;
    record->sampleCount = 3000;
    record->samplingFrequency = 100;
    record->dt = 0.01f;
    record->stationCode = "HRS010";
    record->originDate = "2001/03/24";
    record->originTime = "15:27:00";
    record->windowStart = 1000;
    record->windowLength = 2;
    return record;
}

TEST(WaveformCsv, ThreeComponentAccelerationHead) {
    auto record = SmallRecord(3);
    record->samples[0][1000] = -1.234f;
    record->samples[1][1000] = 12.5f;
    record->samples[2][1000] = 0.0004f;
    record->samples[0][1001] = 1234567.5f;  // wider than 10 characters
    EXPECT_EQ(WaveformCsvText(*record, WaveQuantity::Acceleration),
              "NS,EW,UD\r\n"
              "100,\r\n"
              "HRS010 2001/03/24 15:27:00\r\n"
              "Gal,Gal,Gal\r\n"
              "    -1.234,    12.500,     0.000\r\n"
              "1234567.500,     0.000,     0.000\r\n");
}

TEST(WaveformCsv, DerivedQuantitiesStartAtTheWindowStart) {
    auto record = SmallRecord(3);
    record->samples[0][0] = 9.0f;  // outside the window: not exported
    record->velocity[0][0] = 3.25f;
    record->displacement[2][1] = -0.5f;
    const std::string velocity = WaveformCsvText(*record, WaveQuantity::Velocity);
    EXPECT_NE(velocity.find("kine,kine,kine\r\n     3.250,     0.000,     0.000\r\n"),
              std::string::npos);
    const std::string displacement = WaveformCsvText(*record, WaveQuantity::Displacement);
    EXPECT_NE(displacement.find("cm,cm,cm\r\n"), std::string::npos);
    EXPECT_NE(displacement.find("\r\n     0.000,     0.000,    -0.500\r\n"), std::string::npos);
}

TEST(WaveformCsv, OneComponentHasNoCommasAndEmptyWindowNoData) {
    auto record = SmallRecord(1);
    record->componentLabel[0] = "UD";
    record->samples[0][1000] = 2.0f;
    record->windowLength = 1;
    EXPECT_EQ(WaveformCsvText(*record, WaveQuantity::Acceleration),
              "UD\r\n100,\r\nHRS010 2001/03/24 15:27:00\r\nGal\r\n     2.000\r\n");
    record->windowLength = -5;
    EXPECT_EQ(WaveformCsvText(*record, WaveQuantity::Acceleration),
              "UD\r\n100,\r\nHRS010 2001/03/24 15:27:00\r\nGal\r\n");
}

}  // namespace
}  // namespace tremblo
