#include "record/cosmos_reader.h"

#include "record/compass_direction.h"
#include "record/cosmos_text_header.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "common/format.h"
#include "common/translation.h"
#include "record/fixed_columns.h"
#include "record/fixed_channels.h"
#include "record/fixed_format_messages.h"

namespace tremblo {

namespace {

namespace msg = fixed_messages;

constexpr int DEFAULT_TEXT_LINES = 13;
constexpr int MAX_TEXT_LINES = 100;
constexpr int MAX_HEADER_VALUES = 10000;
constexpr int MAX_COMMENT_LINES = 100000;
constexpr double G_TO_GAL = 980.665;
// Units codes of the data lines and integer 3.
constexpr int UNITS_G = 2, UNITS_CM_PER_S2 = 4, UNITS_GAL = 10;
constexpr int I_STAGE = 1, I_UNITS = 3;
constexpr int R_INTERVAL = 62, R_LENGTH_SECONDS = 63;
// The stated length and the count times the interval agree within this ratio.
constexpr double LENGTH_TOLERANCE = 0.1;
const char* const kFormatName = "COSMOS";

constexpr const char* kIntervalDisagrees = QT_TRANSLATE_NOOP(
    "record", "サンプリング間隔「%s」とデータの長さ（%s 秒、%d 個）が合いません");

constexpr const char* kUnitsDisagree = QT_TRANSLATE_NOOP("record", "単位コード %d と単位「%s」が合いません");

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The integer that starts `text` (after blanks).
std::optional<long long> LeadingInteger(std::string_view text) {
    text = Trim(text);
    std::size_t n = 0;
    while (n < text.size() && std::isdigit(static_cast<unsigned char>(text[n]))) ++n;
    long long value = 0;
    if (n == 0 || n > 12 || ReadIntegerField(text, 0, n, value) != FieldKind::Value) return std::nullopt;
    return value;
}

// The text between "format=" and the end of the line (its parentheses kept).
std::optional<FieldLayout> StatedFormat(const std::string& lower) {
    const std::size_t at = lower.find("format");
    if (at == std::string::npos) return std::nullopt;
    const std::size_t open = lower.find('(', at);
    const std::size_t close = lower.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return std::nullopt;
    return ParseFortranFormat(lower.substr(open, close - open + 1));
}

// "100 Integer-header values follow on 10 lines, Format= (10I8)"
struct HeaderStart {
    int count = 0;
    FieldLayout layout;
};

std::optional<HeaderStart> ParseHeaderStart(std::string_view line, const char* label) {
    const std::string lower = Lower(line);
    if (lower.find(label) == std::string::npos) return std::nullopt;
    const std::optional<long long> count = LeadingInteger(lower);
    const std::size_t on = lower.find(" on ");
    const std::optional<long long> lines = on == std::string::npos ? std::nullopt : LeadingInteger(std::string_view(lower).substr(on + 4));
    const std::optional<FieldLayout> layout = StatedFormat(lower);
    if (!count || !lines || !layout || *count < 0 || *count > MAX_HEADER_VALUES) return std::nullopt;
    if (LinesForValues(*count, *layout) != *lines) return std::nullopt;
    return HeaderStart{static_cast<int>(*count), *layout};
}

// "8000 acceleration pts, approx 40 secs, units=cm/sec2(04), Format=(8F10.5)"
struct DataStart {
    int count = 0;
    std::string quantity;  // "acceleration", "velocity", "displacement"...
    std::optional<double> approxSeconds;
    std::optional<int> unitsCode;
    std::string unitsText;
    std::optional<FieldLayout> layout;
};

std::optional<DataStart> ParseDataStart(std::string_view line) {
    const std::string lower = Lower(line);
    std::istringstream words(lower);
    std::string count, quantity, pts;
    if (!(words >> count >> quantity >> pts) || pts.rfind("pts", 0) != 0) return std::nullopt;
    long long n = 0;
    if (ReadIntegerField(count, 0, count.size(), n) != FieldKind::Value || n < 0 || n > 2000000000) return std::nullopt;
    DataStart start;
    start.count = static_cast<int>(n);
    start.quantity = quantity;
    const std::size_t approx = lower.find("approx");
    if (approx != std::string::npos) {
        std::istringstream rest(lower.substr(approx + 6));
        std::string seconds;
        double value = 0.0;
        if (rest >> seconds && ReadRealText(seconds, value) == FieldKind::Value) start.approxSeconds = value;
    }
    const std::size_t units = lower.find("units=");
    if (units != std::string::npos) {
        std::size_t end = lower.find_first_of(",", units);
        const std::string field = lower.substr(units + 6, end == std::string::npos ? std::string::npos : end - units - 6);
        const std::size_t open = field.find('(');
        start.unitsText = std::string(Trim(std::string_view(field).substr(0, open)));
        if (open != std::string::npos) {
            const std::size_t close = field.find(')', open);
            long long code = 0;
            if (close != std::string::npos &&
                ReadIntegerField(field, open + 1, close - open - 1, code) == FieldKind::Value && code >= 0 && code < 1000000)
                start.unitsCode = static_cast<int>(code);
        }
    }
    start.layout = StatedFormat(lower);
    if (!start.layout) return std::nullopt;
    return start;
}

// Gal per unit of the written units, when they are ones read here.
std::optional<double> GalPerUnitText(const std::string& text) {
    if (text == "cm/sec2" || text == "cm/s2" || text == "cm/sec/sec" || text == "cm/s/s" || text == "gal") return 1.0;
    if (text == "g") return G_TO_GAL;
    return std::nullopt;
}

// Gal per unit of a units code, when it is one read here.
std::optional<double> GalPerUnitCode(int code) {
    if (code == UNITS_G) return G_TO_GAL;
    if (code == UNITS_CM_PER_S2 || code == UNITS_GAL) return 1.0;
    return std::nullopt;
}

// A known code whose written units say otherwise.
bool CodeAndTextDisagree(std::optional<int> code, const std::string& text) {
    if (!code || text.empty()) return false;
    const std::optional<double> coded = GalPerUnitCode(*code);
    return coded && GalPerUnitText(text) != coded;
}

// Gal per unit: the code, else the written units.
std::optional<double> GalPerUnit(std::optional<int> code, const std::string& text) {
    return code ? GalPerUnitCode(*code) : GalPerUnitText(text);
}

// The undefined values a text line states ("...unknown/unspecified: -999, -999.0").
void ReadNullValues(std::string_view line, std::optional<double>& integerNull, std::optional<double>& realNull) {
    const std::string lower = Lower(line);
    if (lower.find("unknown") == std::string::npos) return;
    const std::size_t colon = lower.rfind(':');
    if (colon == std::string::npos) return;
    const std::string values = lower.substr(colon + 1);
    const std::size_t comma = values.find(',');
    double i = 0, r = 0;
    if (comma == std::string::npos) return;
    if (ReadRealText(values.substr(0, comma), i) == FieldKind::Value) integerNull = i;
    if (ReadRealText(values.substr(comma + 1), r) == FieldKind::Value) realNull = r;
}

ReadError Expected(int line, const char* expected) {
    return ReadError{line, StringPrintf(TrText("record", msg::kLineNotAsExpected).c_str(), kFormatName,
                                        TrText("record", expected).c_str())};
}

Result<HeaderNumbers> ReadHeader(FixedLineSource& source, const char* label, const char* what) {
    if (std::optional<ReadError> error = source.Require(what)) return *error;
    const std::optional<HeaderStart> start = ParseHeaderStart(source.line(), label);
    if (!start) return Expected(source.lineNumber(), what);
    return ReadHeaderNumbers(source, start->layout, start->count, what);
}

const char* QuantityName(const std::string& quantity) {
    if (quantity.rfind("accel", 0) == 0) return msg::kAcceleration;
    if (quantity.rfind("veloc", 0) == 0) return msg::kVelocity;
    return msg::kDisplacement;
}

// The interval of real 62, in seconds or milliseconds, whichever agrees
// with the length the file states.
Result<double> Interval(const HeaderNumbers& reals, const DataStart& data, std::optional<double> realNull, int line) {
    const std::optional<double> stated = reals.At(R_INTERVAL, realNull);
    const int intervalLine = reals.firstLine;
    if (!stated) return ReadError{intervalLine, TrText("record", msg::kNoInterval)};
    const std::string shown = StringPrintf("%g", *stated);
    if (!(*stated > 0.0) || !std::isfinite(*stated))
        return ReadError{intervalLine, StringPrintf(TrText("record", msg::kBadInterval).c_str(), shown.c_str())};
    const std::optional<double> lengths[2] = {data.approxSeconds, reals.At(R_LENGTH_SECONDS, realNull)};
    std::optional<double> length;
    for (const std::optional<double>& candidate : lengths) {
        if (!candidate || !(*candidate > 0.0) || data.count <= 0) continue;
        length = candidate;
        for (const double dt : {*stated, *stated / 1000.0}) {
            const double spans[2] = {dt * data.count, dt * (data.count - 1)};
            for (const double span : spans)
                if (std::fabs(span / *candidate - 1.0) <= LENGTH_TOLERANCE) return dt;
        }
    }
    return ReadError{line, StringPrintf(TrText("record", kIntervalDisagrees).c_str(), shown.c_str(),
                                        length ? StringPrintf("%g", *length).c_str() : "?", data.count)};
}

Result<AgencyChannel> ReadChannel(FixedLineSource& source, const AgencyReadOptions& options) {
    const std::string first = Lower(source.line());
    int textLines = DEFAULT_TEXT_LINES;
    const std::size_t mark = first.find("text lines");
    if (mark != std::string::npos) {
        const std::size_t with = first.rfind("with", mark);
        const std::optional<long long> n =
            with == std::string::npos ? std::nullopt : LeadingInteger(std::string_view(first).substr(with + 4));
        if (!n || *n < 1 || *n > MAX_TEXT_LINES) return Expected(source.lineNumber(), msg::kTextHeader);
        textLines = static_cast<int>(*n);
    }
    std::optional<double> integerNull, realNull;
    ReadNullValues(source.line(), integerNull, realNull);
    std::vector<std::string> text{std::string(source.line())};
    for (int i = 1; i < textLines; ++i) {
        if (std::optional<ReadError> error = source.Require(msg::kTextHeader)) return *error;
        ReadNullValues(source.line(), integerNull, realNull);
        text.emplace_back(source.line());
    }
    Result<HeaderNumbers> ints = ReadHeader(source, "integer-header values follow", msg::kIntegerHeader);
    if (!ints) return ints.error();
    Result<HeaderNumbers> reals = ReadHeader(source, "real-header values follow", msg::kRealHeader);
    if (!reals) return reals.error();
    if (std::optional<ReadError> error = source.Require(msg::kCommentLines)) return *error;
    const std::string comment = Lower(source.line());
    const std::optional<long long> comments = LeadingInteger(comment);
    if (comment.find("comment line") == std::string::npos || !comments || *comments > MAX_COMMENT_LINES)
        return Expected(source.lineNumber(), msg::kCommentLines);
    for (long long i = 0; i < *comments; ++i)
        if (std::optional<ReadError> error = source.Require(msg::kCommentLines)) return *error;

    AgencyChannel channel;
    channel.header.processingStage = ints.value().IntAt(I_STAGE, integerNull).value_or(0);
    // The channel's direction as its text header writes it ("Chan  1:  90 deg").
    ReadChannelDirection(text, channel.header);
    ReadCosmosTextHeader(text, channel.header);
    for (int block = 0;; ++block) {
        if (std::optional<ReadError> error = source.Require(block == 0 ? msg::kDataStartLine : msg::kEndOfData)) return *error;
        const std::string line = Lower(source.line());
        if (block > 0 && Trim(line).rfind("end-of-data", 0) == 0) {
            // A data block may follow another's end line; anything else opens the next channel.
            if (!source.Next()) break;
            if (!ParseDataStart(source.line())) {
                source.Unread();
                break;
            }
        }
        const int startLine = source.lineNumber();
        const std::optional<DataStart> data = ParseDataStart(source.line());
        if (!data) return Expected(startLine, block == 0 ? msg::kDataStartLine : msg::kEndOfData);
        const bool acceleration = data->quantity.rfind("accel", 0) == 0;
        if (block == 0) {
            if (!acceleration || data->count == 0) return ReadError{startLine, TrText("record", msg::kNoAcceleration)};
            std::optional<int> code = data->unitsCode;
            if (!code && data->unitsText.empty())
                code = ints.value().IntAt(I_UNITS, integerNull);
            const std::optional<double> galPerUnit = GalPerUnit(code, data->unitsText);
            if (CodeAndTextDisagree(code, data->unitsText))
                return ReadError{startLine, StringPrintf(TrText("record", kUnitsDisagree).c_str(), *code, data->unitsText.c_str())};
            if (!galPerUnit)
                return ReadError{startLine, code ? StringPrintf(TrText("record", msg::kUnknownUnitsCode).c_str(), *code)
                                                 : StringPrintf(TrText("record", msg::kUnknownUnits).c_str(), data->unitsText.c_str())};
            Result<double> dt = Interval(reals.value(), *data, realNull, startLine);
            if (!dt) return dt.error();
            channel.dt = dt.value();
            channel.statedCount = data->count;
            channel.firstDataLine = startLine + 1;
            ValueBlock values{*data->layout, data->count, *galPerUnit, realNull,
                              options.headerOnly ? nullptr : &channel.gal, msg::kAcceleration};
            if (std::optional<ReadError> error = ReadValueBlock(source, values)) return *error;
        } else {
            ValueBlock values{*data->layout, data->count, 1.0, std::nullopt, nullptr, QuantityName(data->quantity)};
            if (std::optional<ReadError> error = ReadValueBlock(source, values)) return *error;
        }
    }
    return channel;
}

}  // namespace

bool LooksLikeCosmos(const std::vector<std::string>& head) {
    for (const std::string& line : head)
        if (Lower(line).find("integer-header values follow") != std::string::npos) return true;
    return false;
}

Result<AgencyFile> ReadCosmosFile(std::istream& in, AgencyReadOptions options) {
    return ReadChannelFile(in, RecordFormat::Cosmos, kFormatName,
                           [&](FixedLineSource& source) { return ReadChannel(source, options); });
}

}  // namespace tremblo
