// Mutated PEER, ESM and K-NET CSV files: nothing may crash, and a file that
// reads must give what a good one gives: as many finite samples as stated,
// a positive interval, and the same header when read header-only. Fixed
// seeds keep every run the same.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <sstream>

#include "record/esm_reader.h"
#include "record/knet_csv_reader.h"
#include "record/peer_reader.h"
#include "support/text_fixtures.h"

namespace tremblo {
namespace {

using Reader = std::function<Result<AgencyFile>(std::istream&, AgencyReadOptions)>;

std::string Mutated(std::string text, std::mt19937& random) {
    const auto below = [&random](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random() % n); };
    const int edits = 1 + static_cast<int>(below(4));
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = below(text.size());
        switch (below(7)) {
            case 0: if (!text.empty()) text[at] = static_cast<char>(text[at] ^ (1 << below(8))); break;
            case 1: text.resize(at); break;
            case 2: text.insert(at, 1, '\0'); break;
            case 3: text.insert(at, "1e38 -999 nan , : \n"); break;
            case 4: text.erase(at, below(40)); break;
            case 5: text.insert(at, text.substr(at, below(200))); break;
            case 6: if (!text.empty()) text[at] = "0123456789.-+eE \n,:"[below(19)]; break;
        }
    }
    return text;
}

void CheckMutations(const std::string& good, const Reader& read, std::uint32_t seed) {
    std::mt19937 random(seed);
    int read_ok = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string text = Mutated(good, random);
        std::istringstream in(text), inHeader(text);
        const Result<AgencyFile> full = read(in, {});
        const Result<AgencyFile> header = read(inHeader, AgencyReadOptions{.headerOnly = true});
        if (!full.ok()) {
            EXPECT_FALSE(full.error().message.empty());
            EXPECT_GE(full.error().line, 0);
            continue;
        }
        ++read_ok;
        ASSERT_TRUE(header.ok()) << "header-only read failed where the full read worked: " << header.error().message;
        ASSERT_FALSE(full.value().channels.empty());
        ASSERT_EQ(full.value().channels.size(), header.value().channels.size());
        for (std::size_t k = 0; k < full.value().channels.size(); ++k) {
            const AgencyChannel& c = full.value().channels[k];
            EXPECT_TRUE(c.dt > 0.0 && std::isfinite(c.dt));
            ASSERT_EQ(c.gal.size(), static_cast<std::size_t>(c.statedCount));
            for (const float v : c.gal) ASSERT_TRUE(std::isfinite(v));
            EXPECT_EQ(header.value().channels[k].dt, c.dt);
            EXPECT_EQ(header.value().channels[k].statedCount, c.statedCount);
            EXPECT_EQ(header.value().channels[k].firstDataLine, c.firstDataLine);
        }
    }
    // Some mutations (a changed digit) leave a readable file.
    EXPECT_GT(read_ok, 0);
}

std::vector<double> Wave(int n) {
    std::vector<double> values;
    for (int i = 0; i < n; ++i) values.push_back(0.01 * std::sin(0.3 * i) * (i % 7 - 3));
    return values;
}

TEST(AgencyTextFuzz, MutatedPeerFiles) {
    testing::PeerFixture f;
    f.values = Wave(40);
    CheckMutations(testing::PeerText(f), [](std::istream& in, AgencyReadOptions o) { return ReadPeerFile(in, o); }, 1);
}

TEST(AgencyTextFuzz, MutatedEsmFiles) {
    CheckMutations(testing::EsmText(testing::TypicalEsmFixture(Wave(40))),
                   [](std::istream& in, AgencyReadOptions o) { return ReadEsmFile(in, o); }, 2);
}

TEST(AgencyTextFuzz, MutatedKnetCsvFiles) {
    CheckMutations(testing::KnetCsvText(testing::TypicalKnetCsvFixture({Wave(30), Wave(30), Wave(30)})),
                   [](std::istream& in, AgencyReadOptions o) { return ReadKnetCsvFile(in, o); }, 3);
}

}  // namespace
}  // namespace tremblo
