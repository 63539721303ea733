#include "record/format_detection.h"

#include <regex>
#include <string_view>

#include "common/line_reader.h"
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
    LineReader reader(in, RECORD_LINE_LIMIT + 2, RECORD_LINE_LIMIT);
    std::string first, line;
    reader.Next(first);
    if (first.find("NDATA=") != std::string::npos && first.find("dT=") != std::string::npos)
        return RecordFormat::Cdpc;
    // The origin line may be missing its value, so the field names decide:
    // line 1 "Origin Time", line 6 "Station Code", line 11 "Sampling Freq".
    if (StartsWith(first, "Origin Time")) return RecordFormat::Knet;
    for (int number = 2; number <= 11 && reader.Next(line); ++number) {
        if ((number == 6 && StartsWith(line, "Station Code")) ||
            (number == 11 && StartsWith(line, "Sampling Freq")))
            return RecordFormat::Knet;
    }
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
