#include "stations/station_import.h"

#include <cstdlib>
#include <set>
#include <sstream>

#include "common/format.h"
#include "common/line_reader.h"
#include "common/shift_jis.h"
#include "common/csv_record.h"
#include "common/split_fields.h"
#include "stations/station_directory.h"
#include "stations/station_row.h"

namespace tremblo {

namespace {

// As the directory reader cuts the file into rows.
constexpr std::size_t kReaderLineBuffer = 301;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// NIED's codes: three letters and three digits (K-NET), or four letters and
// two digits (KiK-net).
bool IsNiedCode(std::string_view code) {
    if (code.size() != 6) return false;
    const int letters = IsUpper(code[3]) ? 4 : 3;
    for (int i = 0; i < 6; ++i)
        if (i < letters ? !IsUpper(code[static_cast<std::size_t>(i)]) : !IsDigit(code[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

// Printable ASCII for a message: other bytes as '?', at most 16 characters.
std::string Shown(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 16)) shown.push_back(c >= 0x20 && c < 0x7F ? c : '?');
    return text.size() > 16 ? shown + "..." : shown;
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A plain decimal number (digits, a sign, one point) from low to high.
bool Number(std::string_view text, double low, double high, double& value) {
    if (text.empty() || text.size() > 12) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) digits = true;
        else if (text[i] == '.' && !point) point = true;
        else return false;
    }
    if (!digits) return false;
    value = std::strtod(std::string(text).c_str(), nullptr);
    return value >= low && value <= high;
}

// A name in Shift-JIS: UTF-8 converted, Shift-JIS taken as it is; commas and
// control characters refused, as the directory has neither quoting nor them.
bool SjisText(std::string_view text, std::size_t capacity, const char* what, std::string& sjis, std::string& problem) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || byte < 0x20 || byte == 0x7F) {
            problem = StringPrintf("%s holds a comma, a quote or a control character", what);
            return false;
        }
    }
    if (!TryUtf8ToSjis(text, sjis)) {
        if (!IsValidSjis(text)) {
            problem = StringPrintf("%s is neither Shift-JIS text nor UTF-8 text that Shift-JIS can hold", what);
            return false;
        }
        sjis = std::string(text);
    }
    if (sjis.size() > capacity) {
        problem = StringPrintf("%s is longer than the %zu bytes the directory keeps", what, capacity);
        return false;
    }
    return true;
}

// The directory line of one list record, or the reason it is refused.
bool RowLine(const std::vector<std::string>& f, std::string& code, std::string& line, std::string& problem) {
    if (f.size() < 7) {
        problem = StringPrintf("%zu fields, NIED's rows have 9 or 11", f.size());
        return false;
    }
    code = f[0];
    if (!IsNiedCode(code)) {
        problem = "code \"" + Shown(code) + "\" is neither a K-NET code (3 capitals, 3 digits) nor a KiK-net code (4 capitals, 2 digits)";
        return false;
    }
    double value = 0;
    if (!Number(Trim(f[2]), -90, 90, value)) {
        problem = "latitude \"" + Shown(f[2]) + "\" is not a number from -90 to 90";
        return false;
    }
    if (!Number(Trim(f[3]), -180, 360, value)) {
        problem = "longitude \"" + Shown(f[3]) + "\" is not a number from -180 to 360";
        return false;
    }
    const std::string_view elevation = Trim(f[4]);
    if (!elevation.empty() && elevation != "NA" && !Number(elevation, -500, 9000, value)) {
        problem = "elevation \"" + Shown(f[4]) + "\" is not NA nor a number of metres from -500 to 9000";
        return false;
    }
    const StationRow row;
    std::string name, location;
    if (!SjisText(Trim(f[1]), row.name.capacity(), "the name", name, problem) ||
        !SjisText(Trim(f[6]), row.location.capacity(), "the prefecture", location, problem))
        return false;
    line = code + ", " + name + ",," + location + ",";
    if (!elevation.empty() && elevation != "NA") line += Utf8ToSjis("標高 " + std::string(elevation) + "m");
    return true;
}

}  // namespace

std::string MergeNiedStationList(std::istream& list, const std::string& siteText, StationImportReport& report) {
    report = StationImportReport{};
    // The rows the program reads from the file as it stands, and their codes.
    std::set<std::string> known;
    {
        std::istringstream text(siteText);
        LineReader reader(text, kReaderLineBuffer);
        std::string piece;
        bool lineStart = true;
        while (reader.Next(piece)) {
            ++report.rowsBefore;
            if (lineStart) {
                const auto fields = SplitFields(piece);
                known.insert(Upper(FieldOrEmpty(fields, 0)));
            }
            lineStart = !piece.empty() && piece.back() == '\n';
        }
    }
    const std::size_t firstEnd = siteText.find('\n');
    const std::string lineEnd =
        firstEnd != std::string::npos && (firstEnd == 0 || siteText[firstEnd - 1] != '\r') ? "\n" : "\r\n";
    int room = STATION_CAPACITY - report.rowsBefore;

    std::string merged = siteText;
    std::streambuf* buffer = list.rdbuf();
    if (buffer == nullptr) return merged;
    CsvRecordReader reader(*buffer, STATION_LIST_LINE_LIMIT);
    std::vector<std::string> fields;
    while (true) {
        const CsvRecordReader::Result result = reader.Next(fields);
        if (result == CsvRecordReader::Result::End) break;
        const int line = reader.recordLine();
        if (result == CsvRecordReader::Result::TooLong) {
            report.refused.emplace_back(line, StringPrintf("longer than %zu bytes", STATION_LIST_LINE_LIMIT));
            continue;
        }
        if (result == CsvRecordReader::Result::BadQuotes) {
            report.refused.emplace_back(line, "quotes as CSV (RFC 4180) allows none");
            continue;
        }
        if (fields.size() == 1 && Trim(fields[0]).empty()) continue;  // an empty line
        std::string code, text, problem;
        if (!RowLine(fields, code, text, problem)) {
            report.refused.emplace_back(line, problem);
            continue;
        }
        if (known.count(code) != 0) {
            ++report.kept;
        } else if (room <= 0) {
            ++report.notTaken;
        } else {
            known.insert(code);
            if (!merged.empty() && merged.back() != '\n') merged += lineEnd;
            merged += text + lineEnd;
            --room;
            ++report.added;
        }
    }
    return merged;
}

}  // namespace tremblo
