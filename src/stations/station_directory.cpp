#include "stations/station_directory.h"

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <vector>

#include "common/decimal.h"
#include "common/descriptor_stream.h"
#include "common/readable_file.h"
#include "common/line_reader.h"
#include "stations/data_folder.h"
#include "common/split_fields.h"
#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// Lines of the station files hold at most 299 characters plus the line end.
constexpr std::size_t STATION_LINE_BUFFER = 301;

unsigned char UpperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

}  // namespace

bool IsKnetCode(std::string_view code) {
    return code.size() >= 4 && code[3] >= '0' && code[3] <= '9';
}

int CompareCodesIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = UpperAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = UpperAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

const StationRow* StationDirectory::FindKnetOrKiknet(std::string_view code) const {
    for (int i = 0; i < knetStationCount; ++i)
        if (knetStations[i].code == code) return &knetStations[i];
    for (int i = 0; i < kiknetStationCount; ++i)
        if (kiknetStations[i].code == code) return &kiknetStations[i];
    return nullptr;
}

const StationRow* StationDirectory::FindHiroshima(std::string_view code) const {
    for (int i = 0; i < hiroshimaStationCount; ++i)
        if (hiroshimaStations[i].code == code) return &hiroshimaStations[i];
    return nullptr;
}

namespace {

// Builds one sorted table: the distinct codes (ignoring case) of one network
// in ascending order, each with the first row whose code is exactly it.
void BuildSortedTable(StationDirectory& d, bool knet, std::array<StationRow, STATION_CAPACITY>& table,
                      std::array<int, STATION_CAPACITY>& order, int& count) {
    std::vector<std::string_view> codes;
    for (int i = 0; i < d.stationRowCount; ++i) {
        const std::string_view code = d.stationRows[i].code.view();
        if (IsKnetCode(code) != knet) continue;
        const auto pos = std::lower_bound(codes.begin(), codes.end(), code,
                                          [](std::string_view a, std::string_view b) {
                                              return CompareCodesIgnoringCase(a, b) < 0;
                                          });
        if (pos != codes.end() && CompareCodesIgnoringCase(*pos, code) == 0) continue;
        codes.insert(pos, code);
    }
    count = static_cast<int>(codes.size());
    for (int k = 0; k < count; ++k) {
        for (int i = 0; i < d.stationRowCount; ++i) {
            if (d.stationRows[i].code.view() == codes[k]) {
                order[k] = i;
                break;
            }
        }
    }
    for (int k = 0; k < count; ++k) table[k] = d.stationRows[order[k]];
}

}  // namespace

void ReadSiteNameFile(std::istream& in, StationDirectory& d) {
    LineReader reader(in, STATION_LINE_BUFFER);
    std::string line;
    d.stationRowCount = 0;
    while (d.stationRowCount < STATION_CAPACITY && reader.Next(line)) {
        const auto fields = SplitFields(line);
        StationRow& row = d.stationRows[d.stationRowCount++];
        row.clear();
        row.code = FieldOrEmpty(fields, 0);
        row.name = FieldOrEmpty(fields, 1);
        row.column3 = FieldOrEmpty(fields, 2);
        row.location = FieldOrEmpty(fields, 3);
        row.column5 = FieldOrEmpty(fields, 4);
    }
    RebuildSortedTables(d);
}

void RebuildSortedTables(StationDirectory& d) {
    BuildSortedTable(d, true, d.knetStations, d.knetOrder, d.knetStationCount);
    BuildSortedTable(d, false, d.kiknetStations, d.kiknetOrder, d.kiknetStationCount);
}

void ReadShoboNameFile(std::istream& in, StationDirectory& d) {
    LineReader reader(in, STATION_LINE_BUFFER);
    std::string line;
    d.hiroshimaStationCount = 0;
    while (d.hiroshimaStationCount < HIROSHIMA_STATION_CAPACITY && reader.Next(line)) {
        const auto fields = SplitFields(line);
        StationRow& row = d.hiroshimaStations[d.hiroshimaStationCount++];
        row.clear();
        row.code = FieldOrEmpty(fields, 0);
        row.name = FieldOrEmpty(fields, 1);
        row.location = FieldOrEmpty(fields, 2);
        row.longitude = static_cast<float>(ParseDecimal(FieldOrEmpty(fields, 3)));
        row.latitude = static_cast<float>(ParseDecimal(FieldOrEmpty(fields, 4)));
    }
}

bool ReadStationFileBytes(const std::string& path, std::string& bytes, std::string& problem) {
    bytes.clear();
    problem.clear();
    OpenedFile file = OpenFileToRead(path);
    if (file.error() == ENOENT || file.error() == ENOTDIR) return false;  // not there
    if (file.refusedFolder()) {
        problem = StringPrintf(TrText("stations", "%s はフォルダです").c_str(), path.c_str());
        return false;
    }
    if (file.refused()) {
        problem = StringPrintf(TrText("stations", "%s はファイルではありません").c_str(), path.c_str());
        return false;
    }
    const std::string cannotRead = StringPrintf(TrText("stations", "%s を読めません").c_str(), path.c_str());
    if (!file) {
        problem = cannotRead;
        return false;
    }
    DescriptorStream in(file.Release());
    if (ReadRest(in, bytes)) return true;
    problem = cannotRead;
    return false;
}

void LoadStationDirectory(const std::string& dataFolder, StationDirectory& d, Platform& platform) {
    d.stationRowCount = d.knetStationCount = d.kiknetStationCount = d.hiroshimaStationCount = 0;
    d.dataFolder = dataFolder;
    d.siteFile = StationFilePath(dataFolder, "SITENAME.CSV");
    std::string bytes, problem;
    if (ReadStationFileBytes(d.siteFile, bytes, problem)) {
        const std::size_t firstEnd = bytes.find('\n');
        d.lineEnd = firstEnd != std::string::npos && (firstEnd == 0 || bytes[firstEnd - 1] != '\r') ? "\n" : "\r\n";
        std::istringstream text(bytes);
        ReadSiteNameFile(text, d);
    } else {
        RebuildSortedTables(d);
        platform.ShowMessage(problem.empty() ? TrText("stations", "K-NET/KiK-net観測点情報ファイルがありません")
                                             : TrText("stations", "K-NET/KiK-net観測点情報ファイル ") + problem,
                             TrText("stations", "ファイルエラー"), MessageStyle::Warning);
    }
    if (ReadStationFileBytes(StationFilePath(dataFolder, "SHOBONAME.CSV"), bytes, problem)) {
        std::istringstream text(bytes);
        ReadShoboNameFile(text, d);
    } else {
        platform.ShowMessage(problem.empty() ? TrText("stations", "広島市消防局観測点リストファイルがありません　　　")
                                             : TrText("stations", "広島市消防局観測点リストファイル ") + problem,
                             TrText("stations", "ファイルエラー"), MessageStyle::Warning);
    }
}

}  // namespace tremblo
