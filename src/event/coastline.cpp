#include "event/coastline.h"

#include <netcdf.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

namespace tremblo {

namespace {

constexpr double kOffsetFullScale = 65535.0;  // a point offset of a whole bin width
constexpr int kShorelineLevel = 1;            // land against ocean

// The packed segment word: point count above bit 9, the level in bits 6..8,
// and the sides the segment leaves and enters the bin by in the low bits.
int SegmentPointCount(std::int32_t word) { return static_cast<int>(static_cast<std::uint32_t>(word) >> 9); }
int SegmentLevel(std::int32_t word) { return static_cast<int>((word >> 6) & 7); }

// An open netCDF file, closed when it goes out of scope.
class NcFile {
public:
    explicit NcFile(const std::string& path) : status_(nc_open(path.c_str(), NC_NOWRITE, &id_)) {}
    ~NcFile() {
        if (status_ == NC_NOERR) nc_close(id_);
    }
    NcFile(const NcFile&) = delete;
    NcFile& operator=(const NcFile&) = delete;

    int status() const { return status_; }
    int id() const { return id_; }

private:
    int id_ = -1;
    int status_ = NC_NOERR;
};

class VariableReader {
public:
    explicit VariableReader(const NcFile& file) : file_(file) {}

    const std::string& error() const { return error_; }

    // The whole one-dimensional variable; nullopt (with error()) when it is
    // missing, not one-dimensional or unreadable.
    std::optional<std::vector<std::int32_t>> Ints(const char* name) {
        const std::optional<std::size_t> length = Length(name);
        if (!length) return std::nullopt;
        std::vector<std::int32_t> values(*length);
        if (!Check(nc_get_var_int(file_.id(), varId_, values.data()), name)) return std::nullopt;
        return values;
    }

    // A 16-bit variable read as unsigned: the point offsets use the full
    // range 0..65535 although the file declares them signed.
    std::optional<std::vector<std::uint16_t>> Offsets(const char* name) {
        const std::optional<std::size_t> length = Length(name);
        if (!length) return std::nullopt;
        std::vector<short> raw(*length);
        if (!Check(nc_get_var_short(file_.id(), varId_, raw.data()), name)) return std::nullopt;
        std::vector<std::uint16_t> values(raw.size());
        std::transform(raw.begin(), raw.end(), values.begin(), [](short v) { return static_cast<std::uint16_t>(v); });
        return values;
    }

    std::optional<int> Scalar(const char* name) {
        std::optional<std::vector<std::int32_t>> values = Ints(name);
        if (!values) return std::nullopt;
        if (values->size() != 1) {
            error_ = std::string(name) + " is not a single value";
            return std::nullopt;
        }
        return values->front();
    }

private:
    std::optional<std::size_t> Length(const char* name) {
        if (!Check(nc_inq_varid(file_.id(), name, &varId_), name)) return std::nullopt;
        int dimensions = 0;
        if (!Check(nc_inq_varndims(file_.id(), varId_, &dimensions), name)) return std::nullopt;
        if (dimensions != 1) {
            error_ = std::string(name) + " is not a one-dimensional array";
            return std::nullopt;
        }
        int dimension = 0;
        std::size_t length = 0;
        if (!Check(nc_inq_vardimid(file_.id(), varId_, &dimension), name) ||
            !Check(nc_inq_dimlen(file_.id(), dimension, &length), name))
            return std::nullopt;
        return length;
    }

    bool Check(int status, const char* name) {
        if (status == NC_NOERR) return true;
        error_ = std::string(name) + ": " + nc_strerror(status);
        return false;
    }

    const NcFile& file_;
    int varId_ = -1;
    std::string error_;
};

// Bins of one latitude row or longitude column overlapping [low, high]:
// first and last index, clamped to [0, count).
std::pair<int, int> OverlappingBins(double low, double high, double binDegrees, int count) {
    const int first = std::max(0, static_cast<int>(std::floor(low / binDegrees)));
    const int last = std::min(count - 1, static_cast<int>(std::ceil(high / binDegrees)) - 1);
    return {first, last};
}

}  // namespace

Result<CoastlineAtlas> CoastlineAtlas::Load(const std::string& ncFile) {
    const NcFile file(ncFile);
    if (file.status() != NC_NOERR)
        return ReadError(0, "cannot open the coastline file " + ncFile + ": " + nc_strerror(file.status()));
    auto fail = [&](const std::string& why) { return ReadError(0, "not a GSHHG shoreline file: " + ncFile + ": " + why); };

    VariableReader reader(file);
    const std::optional<int> minutes = reader.Scalar("Bin_size_in_minutes");
    const std::optional<int> columns = reader.Scalar("N_bins_in_360_longitude_range");
    const std::optional<int> rows = reader.Scalar("N_bins_in_180_degree_latitude_range");
    auto binFirst = reader.Ints("Id_of_first_segment_in_a_bin");
    auto binCount = reader.Ints("N_segments_in_a_bin");
    auto words = reader.Ints("Embedded_npts_levels_exit_entry_for_a_segment");
    auto firstPoint = reader.Ints("Id_of_first_point_in_a_segment");
    auto lon = reader.Offsets("Relative_longitude_from_SW_corner_of_bin");
    auto lat = reader.Offsets("Relative_latitude_from_SW_corner_of_bin");
    if (!minutes || !columns || !rows || !binFirst || !binCount || !words || !firstPoint || !lon || !lat)
        return fail(reader.error());

    if (*minutes <= 0 || *columns <= 0 || *rows <= 0 || *columns * *minutes != 360 * 60 ||
        *rows * *minutes != 180 * 60)
        return fail("the bins do not tile the globe");
    const std::size_t bins = static_cast<std::size_t>(*columns) * static_cast<std::size_t>(*rows);
    if (binFirst->size() != bins || binCount->size() != bins) return fail("the bin arrays do not match the grid");
    if (words->size() != firstPoint->size()) return fail("the segment arrays differ in length");
    if (lon->size() != lat->size()) return fail("the point arrays differ in length");

    CoastlineAtlas atlas;
    atlas.binDegrees_ = *minutes / 60.0;
    atlas.columns_ = *columns;
    atlas.rows_ = *rows;
    atlas.binStart_.reserve(bins + 1);
    const long long segments = static_cast<long long>(words->size());
    const long long points = static_cast<long long>(lon->size());
    for (std::size_t bin = 0; bin < bins; ++bin) {
        atlas.binStart_.push_back(static_cast<std::int32_t>(atlas.segmentFirst_.size()));
        const long long begin = (*binFirst)[bin];
        const long long end = begin + (*binCount)[bin];
        if (begin < 0 || (*binCount)[bin] < 0 || end > segments) return fail("a bin's segments lie outside the file");
        for (long long s = begin; s < end; ++s) {
            const std::int32_t word = (*words)[static_cast<std::size_t>(s)];
            const long long first = (*firstPoint)[static_cast<std::size_t>(s)];
            const int count = SegmentPointCount(word);
            if (first < 0 || first + count > points) return fail("a segment's points lie outside the file");
            if (SegmentLevel(word) != kShorelineLevel || count < 2) continue;
            atlas.segmentFirst_.push_back(static_cast<std::int32_t>(first));
            atlas.segmentPoints_.push_back(count);
        }
    }
    atlas.binStart_.push_back(static_cast<std::int32_t>(atlas.segmentFirst_.size()));
    atlas.pointLon_ = std::move(*lon);
    atlas.pointLat_ = std::move(*lat);
    return atlas;
}

void CoastlineAtlas::AddBin(int row, int column, double lonShift, Coastline& out) const {
    const double south = 90.0 - (row + 1) * binDegrees_;
    const double west = column * binDegrees_ + lonShift;
    const double step = binDegrees_ / kOffsetFullScale;
    const std::size_t bin = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                            static_cast<std::size_t>(column);
    for (std::int32_t s = binStart_[bin]; s < binStart_[bin + 1]; ++s) {
        const std::size_t first = static_cast<std::size_t>(segmentFirst_[static_cast<std::size_t>(s)]);
        const std::size_t count = static_cast<std::size_t>(segmentPoints_[static_cast<std::size_t>(s)]);
        std::vector<std::pair<double, double>>& line = out.lines.emplace_back();
        line.reserve(count);
        for (std::size_t p = first; p < first + count; ++p)
            line.emplace_back(south + pointLat_[p] * step, west + pointLon_[p] * step);
    }
}

Coastline CoastlineAtlas::Within(double south, double north, double west, double east) const {
    Coastline out;
    if (!(south < north) || !(west < east) || binDegrees_ <= 0.0) return out;
    // Rows count down from the north pole.
    const auto [rowFirst, rowLast] = OverlappingBins(90.0 - north, 90.0 - south, binDegrees_, rows_);
    for (const double shift : {-360.0, 0.0, 360.0}) {
        const auto [columnFirst, columnLast] = OverlappingBins(west - shift, east - shift, binDegrees_, columns_);
        for (int row = rowFirst; row <= rowLast; ++row)
            for (int column = columnFirst; column <= columnLast; ++column) AddBin(row, column, shift, out);
    }
    return out;
}

Result<Coastline> ReadCoastline(const std::string& ncFile, double south, double north, double west, double east) {
    Result<CoastlineAtlas> atlas = CoastlineAtlas::Load(ncFile);
    if (!atlas) return atlas.error();
    return atlas.value().Within(south, north, west, east);
}

std::string DefaultCoastlineFile() {
    static constexpr const char* kCandidates[] = {
        "/usr/share/gmt-gshhg/binned_GSHHS_i.nc",
        "/usr/share/gmt-gshhg/binned_GSHHS_l.nc",
        "/usr/share/gmt-gshhg/binned_GSHHS_c.nc",
    };
    std::error_code error;
    for (const char* path : kCandidates)
        if (std::filesystem::is_regular_file(path, error)) return path;
    return {};
}

const CoastlineAtlas* InstalledCoastline() {
    static const std::optional<CoastlineAtlas> atlas = []() -> std::optional<CoastlineAtlas> {
        const std::string path = DefaultCoastlineFile();
        if (path.empty()) return std::nullopt;
        Result<CoastlineAtlas> loaded = CoastlineAtlas::Load(path);
        if (!loaded) return std::nullopt;
        return std::move(loaded.value());
    }();
    return atlas ? &*atlas : nullptr;
}

}  // namespace tremblo
