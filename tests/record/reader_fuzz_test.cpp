// Random and mutated inputs for every reader: nothing may crash, read past a
// buffer or report more samples than fit, and a failed load must leave the
// record exactly as it was. Fixed seeds keep every run the same.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "record/cdpc_reader.h"
#include "record/hiroshima_reader.h"
#include "record/knet_reader.h"
#include "record/mseed_reader.h"
#include "record/record_session.h"
#include "common/split_fields.h"
#include "stations/station_xml.h"
#include "support/mseed_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

    std::string RandomBytes(int maxLength) {
        std::string bytes(static_cast<std::size_t>(Below(maxLength + 1)), '\0');
        for (char& c : bytes) c = static_cast<char>(Below(256));
        return bytes;
    }

    // A piece of `text` changed in one of several ways.
    std::string Mutate(const std::string& original) {
        std::string text = original.substr(0, static_cast<std::size_t>(Below(3000) + 1));
        const int edits = 1 + Below(6);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = text.empty() ? 0 : static_cast<std::size_t>(Below(static_cast<int>(text.size())));
            switch (Below(9)) {
                case 0: if (!text.empty()) text[at] = static_cast<char>(Below(256)); break;
                case 1: text.insert(at, 1, '\0'); break;
                case 2: text.insert(at, std::string(static_cast<std::size_t>(Below(10000)), 'x')); break;
                case 3: text.insert(at, "1e999"); break;
                case 4: text.insert(at, "--5,-1e-999,"); break;
                case 5: text.erase(at, static_cast<std::size_t>(Below(200))); break;
                case 6: text.insert(at, "\x81\n\xff\xfc\r"); break;  // broken Shift-JIS and line ends
                case 7: text.insert(at, RandomBytes(40)); break;
                case 8: text.insert(at, "\n\n\n,,,\r\n"); break;
            }
        }
        return text;
    }

private:
    std::mt19937 random_;
};

std::string Sample(const char* path) { return ReadWholeFile(SamplePath(path)); }

TEST(ReaderFuzz, ReadersSurviveAnyBytes) {
    Mutator m(20241105);
    const std::string knet = Sample("samples/knet/AIC0012411051012.NS");
    const std::string hiroshima = Sample("samples/hiroshima/HFD01_241105.ns");
    const std::string cdpc = Sample("samples/cdpc/CDPC_SYNTH.ns");
    const std::string site = Sample("data/DATA/SITENAME.CSV");
    auto directory = std::make_unique<StationDirectory>();
    std::vector<float> samples;

    for (int i = 0; i < 3000; ++i) {
        const bool random = i % 4 == 0;
        {
            std::istringstream in(random ? m.RandomBytes(3000) : m.Mutate(knet));
            const auto header = ReadKnetHeader(in);
            if (header) {
                EXPECT_GT(header.value().samplingFrequency, 0);
            }
            std::istringstream data(random ? m.RandomBytes(3000) : m.Mutate(knet));
            const Result<int> read = ReadKnetData(data, 0.001f, samples);
            if (read) {
                EXPECT_EQ(read.value(), static_cast<int>(samples.size()));
            }
        }
        {
            std::istringstream in(random ? m.RandomBytes(3000) : m.Mutate(hiroshima));
            const auto header = ReadHiroshimaHeader(in, *directory);
            if (header) {
                EXPECT_GT(header.value().dt, 0.0f);
                EXPECT_GT(header.value().sampleCount, 0);
            }
            std::istringstream data(random ? m.RandomBytes(3000) : m.Mutate(hiroshima));
            const Result<int> read = ReadHiroshimaData(data, samples);
            if (read) {
                EXPECT_EQ(read.value(), static_cast<int>(samples.size()));
            }
        }
        {
            std::istringstream in(random ? m.RandomBytes(3000) : m.Mutate(cdpc));
            const auto n = ReadCdpcData(in, samples);
            if (n) {
                EXPECT_EQ(n.value(), static_cast<int>(samples.size()));
            }
        }
        {
            const std::string text = random ? m.RandomBytes(600) : m.Mutate(site);
            std::istringstream in(text);
            ReadSiteNameFile(in, *directory);
            EXPECT_LE(directory->knetStationCount + directory->kiknetStationCount, directory->stationRowCount);
            std::istringstream shobo(text);
            ReadShoboNameFile(shobo, *directory);
            for (const auto& field : SplitFields(text)) EXPECT_EQ(field.find_first_of(",\n"), std::string::npos);
        }
    }
}

// miniSEED written by libmseed's packer, mutated and random: refused or read
// with every value plausible and as many values as stated.
TEST(ReaderFuzz, MiniSeedSurvivesAnyBytes) {
    Mutator m(20201);
    const std::string good = testing::ThreeChannelMseed("STA01", 1500, 17);
    const Result<StationInventory> inventory =
        ParseStationXml(testing::StationXmlDocument(testing::ThreeXmlChannels()), "inventory.xml");
    ASSERT_TRUE(inventory);
    AgencyReadOptions options;
    options.inventory = &inventory.value();
    int read = 0;
    for (int i = 0; i < 1500; ++i) {
        const int records = static_cast<int>(good.size() / 512);
        std::string bytes = i % 4 == 0   ? m.RandomBytes(3000)
                            : i % 4 == 1 ? good.substr(0, 512 * static_cast<std::size_t>(1 + m.Below(records)))
                            : i % 4 == 2 ? m.Mutate(good)
                                         : good.substr(0, static_cast<std::size_t>(m.Below(static_cast<int>(good.size()))));
        std::istringstream in(bytes);
        const Result<AgencyFile> file = ReadMseedFile(in, options);
        if (!file) {
            EXPECT_FALSE(file.error().message.empty());
            continue;
        }
        ++read;
        for (const AgencyChannel& c : file.value().channels) {
            EXPECT_EQ(static_cast<int>(c.gal.size()), c.statedCount);
            for (const float v : c.gal) ASSERT_TRUE(std::isfinite(v) && std::fabs(v) <= MAX_PLAUSIBLE_GAL);
        }
    }
    EXPECT_GT(read, 300);  // files cut at a record's end still read
}

TEST(ReaderFuzz, FailedLoadsLeaveTheRecordUntouched) {
    Mutator m(7);
    testing::TempFolder temp;
    testing::ScriptedPlatform quiet;
    auto directory = std::make_unique<StationDirectory>();
    LoadStationDirectory(SamplePath("data/DATA"), *directory, quiet);
    testing::ScriptedPlatform platform;
    RecordSession session(platform, *directory);
    ASSERT_EQ(session.LoadPath(SamplePath("samples/knet/AIC0012411051012.NS"), LoadSettings{}),
              LoadStatus::Loaded);

    const struct {
        const char* sample;
        RecordFormat format;
    } kinds[] = {{"samples/knet/AIC0012411051012.NS", RecordFormat::Knet},
                 {"samples/hiroshima/HFD01_241105.ns", RecordFormat::Hiroshima},
                 {"samples/cdpc/CDPC_SYNTH.ns", RecordFormat::Cdpc}};
    int failed = 0, loaded = 0;
    for (int i = 0; i < 300; ++i) {
        const auto& kind = kinds[i % 3];
        // Now and then a whole file, which loads: the next failure must leave
        // that record as it is.
        const std::string text = i % 20 >= 17 ? Sample(kind.sample) : m.Mutate(Sample(kind.sample));
        const std::string path = temp.Write("F.ns", text);
        const SeismicRecord& r = session.record();
        const std::string before = r.componentPath[0] + r.eventName + session.labels().label6 +
                                   std::to_string(r.sampleCount) + std::to_string(r.dt);
        const float first = r.samples[0][0];
        const LoadStatus status = session.LoadPath(path, LoadSettings{kind.format, false, i % 2 == 0});
        if (status == LoadStatus::Failed) {
            ++failed;
            EXPECT_EQ(r.componentPath[0] + r.eventName + session.labels().label6 +
                          std::to_string(r.sampleCount) + std::to_string(r.dt),
                      before);
            EXPECT_EQ(session.record().samples[0][0], first);
        } else {
            ++loaded;
            EXPECT_GT(session.record().sampleCount, 0);
            EXPECT_LE(session.record().sampleCount, SAMPLE_CAPACITY);
            EXPECT_GT(session.record().dt, 0.0f);
        }
    }
    EXPECT_GT(failed, 0);  // the mutations do reach the failure paths
    EXPECT_GT(loaded, 0);
}

}  // namespace
}  // namespace tremblo
