#pragma once
// The shoreline under the station map, from Debian's GSHHG binned netCDF
// files (package gmt-gshhg-low). The world is cut into square bins of
// Bin_size_in_minutes, rows from the north pole down, columns eastward from
// Greenwich. Each bin holds a run of segments (point count and level packed
// in one int) and each point is two unsigned 16-bit offsets from the bin's
// south-west corner, 65535 being the whole bin width. Only level 1, the
// border of land and ocean, is kept: lakes and islands in lakes are left out.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/result.h"

namespace tremblo {

struct Coastline {
    std::vector<std::vector<std::pair<double, double>>> lines;  // latitude, longitude polylines
};

// The shoreline segments of a whole file, kept packed as the file has them;
// Within() unpacks the bins a box touches.
class CoastlineAtlas {
public:
    static Result<CoastlineAtlas> Load(const std::string& ncFile);

    // The shoreline polylines of every bin overlapping the box (degrees,
    // south < north, west < east). Longitudes come out in the box's own
    // range: a box over [-180, 0) or beyond 360 gets the bins shifted by 360.
    Coastline Within(double south, double north, double west, double east) const;

    double binDegrees() const { return binDegrees_; }
    std::size_t segmentCount() const { return segmentFirst_.size(); }
    std::size_t pointCount() const { return pointLon_.size(); }

private:
    void AddBin(int row, int column, double lonShift, Coastline& out) const;

    double binDegrees_ = 0.0;
    int columns_ = 0, rows_ = 0;
    // Per bin, its first segment in segmentFirst_; one entry more than bins.
    std::vector<std::int32_t> binStart_;
    // The level-1 segments: their first point and point count.
    std::vector<std::int32_t> segmentFirst_;
    std::vector<std::int32_t> segmentPoints_;
    std::vector<std::uint16_t> pointLon_;
    std::vector<std::uint16_t> pointLat_;
};

// The shoreline of the bins overlapping the box, read from `ncFile`.
Result<Coastline> ReadCoastline(const std::string& ncFile, double south, double north, double west, double east);

// The finest installed GSHHG shoreline file that is not needlessly large
// (intermediate, then low, then crude resolution); "" when none is installed.
std::string DefaultCoastlineFile();

// The atlas of DefaultCoastlineFile(), read on the first call and kept for
// the process; nullptr when no file is installed or it cannot be read.
const CoastlineAtlas* InstalledCoastline();

}  // namespace tremblo
