#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <numbers>

#include "event/coastline.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

// The box the map of a Japanese event spans at most.
constexpr double kSouth = 24.0, kNorth = 46.0, kWest = 122.0, kEast = 150.0;

double Kilometres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadius = 6371.0;
    const double rad = std::numbers::pi / 180.0;
    const double x = (lon2 - lon1) * rad * std::cos((lat1 + lat2) / 2 * rad);
    const double y = (lat2 - lat1) * rad;
    return kRadius * std::hypot(x, y);
}

double NearestKilometres(const Coastline& coastline, double lat, double lon) {
    double best = std::numeric_limits<double>::infinity();
    for (const auto& line : coastline.lines)
        for (const auto& [plat, plon] : line) best = std::min(best, Kilometres(lat, lon, plat, plon));
    return best;
}

std::size_t PointsInBox(const Coastline& coastline, double south, double north, double west, double east) {
    std::size_t count = 0;
    for (const auto& line : coastline.lines)
        for (const auto& [lat, lon] : line) count += lat >= south && lat <= north && lon >= west && lon <= east;
    return count;
}

class InstalledCoastlineTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = DefaultCoastlineFile();
        ASSERT_FALSE(file.empty()) << "no GSHHG shoreline file installed (package gmt-gshhg-low)";
        atlas = InstalledCoastline();
        ASSERT_NE(atlas, nullptr);
        japan = atlas->Within(kSouth, kNorth, kWest, kEast);
    }
    std::string file;
    const CoastlineAtlas* atlas = nullptr;
    Coastline japan;
};

TEST_F(InstalledCoastlineTest, CapesOfJapanLieOnTheShoreline) {
    // Capes at the ends of the main islands and peninsulas, where a wrong
    // bin, a swapped axis or a wrong offset scale would miss by far more.
    const struct {
        const char* name;
        double lat, lon;
    } capes[] = {
        {"Inubo", 35.705, 140.868},    {"Muroto", 33.245, 134.177},   {"Sata", 30.994, 130.661},
        {"Soya", 45.523, 141.937},     {"Erimo", 41.925, 143.249},    {"Nosappu", 43.385, 145.817},
        {"Ashizuri", 32.725, 133.020}, {"Shiono", 33.434, 135.762},   {"Nojima", 34.902, 139.888},
    };
    for (const auto& cape : capes) EXPECT_LT(NearestKilometres(japan, cape.lat, cape.lon), 5.0) << cape.name;
}

TEST_F(InstalledCoastlineTest, InlandPlacesAndLakesHaveNoShoreline) {
    // Nagano lies ~70 km from the sea; Lake Biwa and Lake Suwa (the latter
    // also inside Nagano's box) are lakes, which the file holds at level 2,
    // so their shores must be left out.
    EXPECT_EQ(PointsInBox(japan, 36.2 - 0.3, 36.2 + 0.3, 138.2 - 0.3, 138.2 + 0.3), 0u);
    EXPECT_EQ(PointsInBox(japan, 34.95, 35.55, 135.85, 136.30), 0u);  // Lake Biwa
    EXPECT_EQ(PointsInBox(japan, 36.0, 36.1, 138.0, 138.15), 0u);      // Lake Suwa
    EXPECT_GT(NearestKilometres(japan, 36.2, 138.2), 50.0);
}

TEST_F(InstalledCoastlineTest, OnlyTheBinsOverlappingTheBoxAreReturned) {
    const double bin = atlas->binDegrees();
    ASSERT_GT(bin, 0.0);
    const struct {
        double south, north, west, east;
    } boxes[] = {{34.0, 36.0, 138.0, 141.0}, {30.0, 35.0, 130.0, 135.0}, {42.1, 42.2, 140.3, 140.4}};
    for (const auto& box : boxes) {
        const Coastline part = atlas->Within(box.south, box.north, box.west, box.east);
        EXPECT_FALSE(part.lines.empty()) << box.south;
        const double south = std::floor(box.south / bin) * bin, north = std::ceil(box.north / bin) * bin;
        const double west = std::floor(box.west / bin) * bin, east = std::ceil(box.east / bin) * bin;
        std::size_t points = 0;
        for (const auto& line : part.lines) {
            EXPECT_GE(line.size(), 2u);
            points += line.size();
        }
        EXPECT_EQ(PointsInBox(part, south, north, west, east), points) << box.south;
    }
    EXPECT_TRUE(atlas->Within(36.0, 35.0, 138.0, 140.0).lines.empty());
    EXPECT_TRUE(atlas->Within(35.0, 36.0, 140.0, 138.0).lines.empty());
    // The open Pacific east of Japan, one bin, has no shoreline.
    EXPECT_TRUE(atlas->Within(31.0, 34.0, 151.0, 154.0).lines.empty());
}

TEST_F(InstalledCoastlineTest, LongitudesFollowTheBoxRange) {
    // The same bins asked for 360 degrees further west come out shifted.
    const Coastline east = atlas->Within(30.0, 40.0, 130.0, 140.0);
    const Coastline west = atlas->Within(30.0, 40.0, 130.0 - 360.0, 140.0 - 360.0);
    ASSERT_EQ(east.lines.size(), west.lines.size());
    ASSERT_FALSE(east.lines.empty());
    for (std::size_t i = 0; i < east.lines.size(); ++i) {
        ASSERT_EQ(east.lines[i].size(), west.lines[i].size());
        for (std::size_t p = 0; p < east.lines[i].size(); ++p) {
            EXPECT_DOUBLE_EQ(east.lines[i][p].first, west.lines[i][p].first);
            EXPECT_NEAR(east.lines[i][p].second - 360.0, west.lines[i][p].second, 1e-9);
        }
    }
    // A box across Greenwich takes bins from both ends of the file's columns.
    const Coastline channel = atlas->Within(49.0, 52.0, -3.0, 3.0);
    EXPECT_GT(PointsInBox(channel, 49.0, 52.0, -3.0, 0.0), 0u);
    EXPECT_GT(PointsInBox(channel, 49.0, 52.0, 0.0, 3.0), 0u);
    EXPECT_LT(NearestKilometres(channel, 50.869, 1.584), 5.0);   // Cap Gris-Nez
    EXPECT_LT(NearestKilometres(channel, 49.697, -1.265), 5.0);  // Pointe de Barfleur
}

TEST_F(InstalledCoastlineTest, ReadingTheFileGivesTheCachedAtlasAnswer) {
    const Result<Coastline> read = ReadCoastline(file, 33.0, 36.0, 132.0, 137.0);
    ASSERT_TRUE(read) << read.error().message;
    const Coastline cached = atlas->Within(33.0, 36.0, 132.0, 137.0);
    EXPECT_EQ(read.value().lines, cached.lines);
    EXPECT_EQ(InstalledCoastline(), atlas);  // one atlas per process
}

TEST_F(InstalledCoastlineTest, TimesReadingAndCutting) {
    const auto start = std::chrono::steady_clock::now();
    const Result<CoastlineAtlas> loaded = CoastlineAtlas::Load(file);
    const auto read = std::chrono::steady_clock::now();
    const Coastline cut = loaded.value().Within(kSouth, kNorth, kWest, kEast);
    const auto done = std::chrono::steady_clock::now();
    ASSERT_TRUE(loaded);
    using Ms = std::chrono::duration<double, std::milli>;
    std::size_t points = 0;
    for (const auto& line : cut.lines) points += line.size();
    RecordProperty("load_ms", std::to_string(Ms(read - start).count()));
    RecordProperty("japan_box_ms", std::to_string(Ms(done - read).count()));
    std::printf("%s: %zu shoreline segments, %zu points; load %.1f ms; Japan box %zu lines, %zu points, %.2f ms\n",
                file.c_str(), loaded.value().segmentCount(), loaded.value().pointCount(), Ms(read - start).count(),
                cut.lines.size(), points, Ms(done - read).count());
    EXPECT_EQ(cut.lines, japan.lines);
}

TEST(CoastlineFile, UnreadableFilesGiveAnError) {
    testing::TempFolder folder;
    const std::filesystem::path installed = DefaultCoastlineFile();
    ASSERT_FALSE(installed.empty());
    const struct {
        std::string path;
        const char* why;
    } cases[] = {
        {folder / "missing.nc", "cannot open"},
        {folder.Write("text.nc", "not a netCDF file\n"), "cannot open"},
        {folder.Write("empty.nc", ""), "cannot open"},
        // A GSHHG file of borders: netCDF, but without the shoreline's segment words.
        {(installed.parent_path() / "binned_border_c.nc").string(), "Embedded_npts_levels_exit_entry_for_a_segment"},
    };
    for (const auto& c : cases) {
        const Result<Coastline> read = ReadCoastline(c.path, 30.0, 40.0, 130.0, 140.0);
        ASSERT_FALSE(read) << c.path;
        EXPECT_NE(read.error().message.find(c.why), std::string::npos) << read.error().message;
        EXPECT_NE(read.error().message.find(c.path), std::string::npos) << read.error().message;
    }
}

}  // namespace
}  // namespace tremblo
