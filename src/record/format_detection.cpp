#include "record/format_detection.h"

#include <algorithm>
#include <regex>
#include <string_view>

#include "common/line_reader.h"
#include "input/memory_stream.h"
#include "record/agency_reading.h"
#include "record/sac_header.h"
#include "record/mseed_traces.h"
#include "record/sac_reader.h"
#include "common/path_text.h"

namespace tremblo {

namespace {

bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

}  // namespace

// Lines are read no further than RECORD_LINE_LIMIT: a file without line
// ends is left to its reader, which refuses it.
RecordFormat DetectRecordFormat(std::istream& in) {
    // A binary SAC header holds no lines: its first bytes tell it.
    std::string bytes(SAC_HEADER_BYTES, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    if (LooksLikeSacBinary(bytes)) return RecordFormat::Sac;
    if (LooksLikeMiniSeed(bytes)) return RecordFormat::Mseed;
    const std::size_t lineBytes = static_cast<std::size_t>(AGENCY_HEAD_LINES) * (RECORD_LINE_LIMIT + 2);
    if (bytes.size() == SAC_HEADER_BYTES) {
        std::string more(lineBytes - bytes.size(), '\0');
        in.clear(in.rdstate() & ~std::ios::failbit & ~std::ios::eofbit);
        in.read(more.data(), static_cast<std::streamsize>(more.size()));
        more.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
        bytes += more;
    }
    MemoryStream text(bytes);
    const std::vector<std::string> head = ReadHeadLines(text);
    const std::string_view first = head.empty() ? std::string_view() : std::string_view(head.front());
    if (first.find("NDATA=") != std::string_view::npos && first.find("dT=") != std::string_view::npos)
        return RecordFormat::Cdpc;
    // The origin line may be missing its value, so the field names decide:
    // line 1 "Origin Time", line 6 "Station Code", line 11 "Sampling Freq".
    if (StartsWith(first, "Origin Time")) return RecordFormat::Knet;
    if ((head.size() >= 6 && StartsWith(head[5], "Station Code")) ||
        (head.size() >= 11 && StartsWith(head[10], "Sampling Freq")))
        return RecordFormat::Knet;
    if (const std::optional<RecordFormat> agency = DetectAgencyFormat(head)) return *agency;
    return RecordFormat::Hiroshima;
}

bool IsKnetFileName(const std::string& path) {
    static const std::regex name(R"(^[A-Za-z0-9]{6}[0-9]{10}\.((ns)|(ew)|(ud))[12]?$)", std::regex::icase);
    return std::regex_match(std::string(FileNamePart(path)), name);
}

RecordFormat DetectRecordFormatOfFile(const std::string& path) {
    DiskFileSource disk;
    return DetectRecordFormatOfFile(path, disk);
}

RecordFormat DetectRecordFormatOfFile(const std::string& path, RecordFileSource& source) {
    if (IsKnetFileName(path)) return RecordFormat::Knet;
    const std::unique_ptr<std::istream> in = source.Open(path);
    if (!in) return RecordFormat::Knet;
    return DetectRecordFormat(*in);
}

}  // namespace tremblo
