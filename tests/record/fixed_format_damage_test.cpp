// Every fixed-column reader on files damaged at random: bytes changed,
// files cut anywhere, lines doubled. A read either fails with a line inside
// the file or gives every channel exactly its stated count of finite
// samples; it never crashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>

#include "record/cosmos_reader.h"
#include "record/csmip_reader.h"
#include "record/geonet_reader.h"
#include "record/smc_reader.h"
#include "support/fixed_format_fixtures.h"

namespace tremblo {
namespace {

using namespace testing;
using Reader = std::function<Result<AgencyFile>(std::istream&, AgencyReadOptions)>;

struct Format {
    const char* name;
    std::string text;
    Reader read;
};

std::vector<Format> Formats() {
    CosmosFixtureChannel cosmos;
    cosmos.acceleration = TestSignal(600, 300.0);
    cosmos.velocityCount = cosmos.displacementCount = 600;
    CsmipFixtureChannel csmip;
    csmip.acceleration = TestSignal(100, 300.0);
    csmip.velocityCount = csmip.displacementCount = 100;
    SmcFixture smc;
    smc.acceleration = TestSignal(100, 300.0);
    GeoNetFixtureComponent geonet;
    geonet.acceleration = TestSignal(100, 3000.0);
    geonet.velocityCount = geonet.displacementCount = 100;
    return {
        {"COSMOS", WriteCosmosFile({cosmos, cosmos}), [](std::istream& in, AgencyReadOptions o) { return ReadCosmosFile(in, o); }},
        {"CSMIP", WriteCsmipFile({csmip, csmip}), [](std::istream& in, AgencyReadOptions o) { return ReadCsmipFile(in, o); }},
        {"SMC", WriteSmcFile(smc), [](std::istream& in, AgencyReadOptions o) { return ReadSmcFile(in, o); }},
        {"GeoNet", WriteGeoNetFile({geonet, geonet}), [](std::istream& in, AgencyReadOptions o) { return ReadGeoNetFile(in, o); }},
    };
}

void Check(const Format& format, const std::string& text, const std::string& what) {
    for (const bool headerOnly : {false, true}) {
        std::istringstream in(text);
        const Result<AgencyFile> file = format.read(in, AgencyReadOptions{headerOnly});
        if (!file.ok()) {
            const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
            EXPECT_GE(file.error().line, 1) << format.name << " " << what;
            EXPECT_LE(file.error().line, lines + 1) << format.name << " " << what;
            EXPECT_FALSE(file.error().message.empty());
            continue;
        }
        ASSERT_FALSE(file.value().channels.empty()) << format.name << " " << what;
        for (const AgencyChannel& c : file.value().channels) {
            EXPECT_TRUE(c.dt > 0.0 && std::isfinite(c.dt)) << format.name << " " << what;
            if (headerOnly) continue;
            ASSERT_EQ(c.gal.size(), static_cast<std::size_t>(c.statedCount)) << format.name << " " << what;
            for (const float v : c.gal) ASSERT_TRUE(std::isfinite(v)) << format.name << " " << what;
        }
    }
}

TEST(FixedFormatDamage, NoDamagedFileCrashesOrReadsWrongCounts) {
    std::mt19937 random(20260101);
    const char replacements[] = {'\0', ' ', '-', '.', 'E', '9', '\n', '\r', 'x', '/'};
    for (const Format& format : Formats()) {
        ASSERT_TRUE([&] { std::istringstream in(format.text); return format.read(in, {}).ok(); }()) << format.name;
        std::uniform_int_distribution<std::size_t> place(0, format.text.size() - 1);
        for (int trial = 0; trial < 300; ++trial) {
            std::string damaged = format.text;
            const std::size_t at = place(random);
            damaged[at] = replacements[trial % (sizeof replacements)];
            Check(format, damaged, "byte " + std::to_string(at));
            Check(format, format.text.substr(0, at), "cut at " + std::to_string(at));
        }
        // Cut inside the last value (SMC and GeoNet files end with values):
        // never read as a shorter number.
        const std::string cut = format.text.substr(0, format.text.find_last_not_of(" \n") - 1);
        std::istringstream in(cut);
        const std::string_view name = format.name;
        if (name == "SMC" || name == "GeoNet") {
            EXPECT_FALSE(format.read(in, {}).ok()) << format.name;
        }
        for (int line = 1; line < 60; line += 3) Check(format, InsertLine(format.text, line, LineOf(format.text, line)), "doubled line");
    }
}

}  // namespace
}  // namespace tremblo
