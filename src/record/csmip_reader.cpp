#include "record/csmip_reader.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "common/format.h"
#include "common/translation.h"
#include "record/compass_direction.h"
#include "record/fixed_columns.h"
#include "record/fixed_channels.h"
#include "record/fixed_format_messages.h"

namespace tremblo {

namespace {

namespace msg = fixed_messages;

constexpr int TEXT_LINES = 25;
constexpr int INTEGER_COUNT = 100;
constexpr int REAL_COUNT = 100;
constexpr FieldLayout INTEGER_LAYOUT{16, 5, true};
constexpr FieldLayout REAL_LAYOUT{8, 10, false};
constexpr double G_TO_GAL = 980.665;
const char* const kFormatName = "CSMIP";

enum class Quantity { Acceleration, Velocity, Displacement };

// A block's start line: "N points of accel data equally spaced at DT sec, in UNITS."
struct StartLine {
    int count = 0;
    Quantity quantity = Quantity::Acceleration;
    double dt = 0.0;
    std::string dtText;
    std::string units;               // as written, lower case, "" when not stated
    std::optional<FieldLayout> layout;  // when the line states a format
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<StartLine> ParseStartLine(std::string_view raw) {
    const std::string line = Lower(raw);
    std::istringstream words(line);
    std::string count, points, of, quantity;
    if (!(words >> count >> points >> of >> quantity) || points != "points" || of != "of") return std::nullopt;
    StartLine start;
    long long n = 0;
    if (ReadIntegerField(count, 0, count.size(), n) != FieldKind::Value || n < 0 || n > 2000000000) return std::nullopt;
    start.count = static_cast<int>(n);
    if (quantity.rfind("accel", 0) == 0) start.quantity = Quantity::Acceleration;
    else if (quantity.rfind("veloc", 0) == 0) start.quantity = Quantity::Velocity;
    else if (quantity.rfind("displ", 0) == 0) start.quantity = Quantity::Displacement;
    else return std::nullopt;
    const std::size_t at = line.find(" at ");
    if (at == std::string::npos) return std::nullopt;
    std::istringstream rest(line.substr(at + 4));
    rest >> start.dtText;
    if (ReadRealText(start.dtText, start.dt) != FieldKind::Value) start.dt = 0.0;
    const std::size_t in = line.find(" in ", at);
    if (in != std::string::npos) {
        std::string units = std::string(Trim(line.substr(in + 4)));
        const std::size_t end = units.find_first_of(",(");
        if (end != std::string::npos) units.resize(end);
        while (!units.empty() && (units.back() == '.' || units.back() == ' ')) units.pop_back();
        start.units = units;
    }
    const std::size_t format = line.find("format");
    if (format != std::string::npos) {
        const std::size_t open = line.find('(', format);
        if (open != std::string::npos) start.layout = ParseFortranFormat(line.substr(open));
    }
    return start;
}

// Gal per unit of `units`; nothing for a unit that is not an acceleration.
std::optional<double> GalPerUnit(const std::string& units) {
    if (units == "cm/sec2" || units == "cm/sec/sec" || units == "cm/s2" || units == "cm/s/s" || units == "cm/sec**2" ||
        units == "gal")
        return 1.0;
    if (units == "g" || units == "g's" || units == "gs") return G_TO_GAL;
    return std::nullopt;
}

// The layout of a data line written without a stated format: eight values
// in 10 columns or ten in 8, told by the line's length or its count of values.
std::optional<FieldLayout> LayoutOfDataLine(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string word;
    int n = 0;
    while (words >> word) ++n;
    const std::size_t length = TrimRight(line).size();
    if (n == 0 || length > 80) return std::nullopt;
    // Right-aligned fields: the line is n fields long.
    if (length == static_cast<std::size_t>(n) * 10 && n <= 8) return FieldLayout{8, 10, false};
    if (length == static_cast<std::size_t>(n) * 8 && n <= 10) return FieldLayout{10, 8, false};
    if (n == 8) return FieldLayout{8, 10, false};
    if (n == 10) return FieldLayout{10, 8, false};
    return std::nullopt;
}

ReadError NotCsmip(int line, const char* expected) {
    return ReadError{line, StringPrintf(TrText("record", msg::kLineNotAsExpected).c_str(), kFormatName,
                                        TrText("record", expected).c_str())};
}

const char* QuantityName(Quantity q) {
    return q == Quantity::Acceleration ? msg::kAcceleration : q == Quantity::Velocity ? msg::kVelocity : msg::kDisplacement;
}

// One channel from its first text line on (the current line).
Result<AgencyChannel> ReadChannel(FixedLineSource& source, const AgencyReadOptions& options) {
    const Result<FixedHeaders> headers =
        ReadFixedHeaders(source, FixedHeaderLayout{TEXT_LINES, INTEGER_LAYOUT, INTEGER_COUNT, REAL_LAYOUT, REAL_COUNT});
    if (!headers) return headers.error();
    // CSMIP channels state their interval, units and direction in text: the
    // numbers are checked but not used.
    const std::vector<std::string>& text = headers.value().text;

    AgencyChannel channel;
    ChannelHeader& h = channel.header;
    const std::string first = Lower(text[0]);
    h.processingStage = first.find("uncorrected") != std::string::npos ? 1 : first.find("corrected") != std::string::npos ? 2 : 0;
    ReadChannelDirection(text, h);

    for (int block = 0;; ++block) {
        if (std::optional<ReadError> error = source.Require(block == 0 ? msg::kDataStartLine : msg::kEndOfData)) return *error;
        if (block > 0 && Trim(source.line()) == "/&") break;
        const int startLine = source.lineNumber();
        const std::optional<StartLine> start = ParseStartLine(source.line());
        if (!start) return NotCsmip(startLine, block == 0 ? msg::kDataStartLine : msg::kEndOfData);
        if (block == 0 && (start->quantity != Quantity::Acceleration || start->count == 0))
            return ReadError{startLine, TrText("record", msg::kNoAcceleration)};
        double scale = 1.0;
        if (block == 0) {
            if (!(start->dt > 0.0) || !std::isfinite(start->dt))
                return ReadError{startLine, StringPrintf(TrText("record", msg::kBadInterval).c_str(), start->dtText.c_str())};
            const std::string units = start->units.empty() && h.processingStage == 2 ? "cm/sec2" : start->units;
            const std::optional<double> galPerUnit = GalPerUnit(units);
            if (!galPerUnit)
                return ReadError{startLine, StringPrintf(TrText("record", msg::kUnknownUnits).c_str(), start->units.c_str())};
            scale = *galPerUnit;
            channel.dt = start->dt;
            channel.statedCount = start->count;
            channel.firstDataLine = startLine + 1;
        }
        std::optional<FieldLayout> layout = start->layout;
        if (!layout && start->count > 0) {
            if (std::optional<ReadError> error = source.Require(QuantityName(start->quantity))) return *error;
            layout = LayoutOfDataLine(source.line());
            if (!layout) return NotCsmip(source.lineNumber(), QuantityName(start->quantity));
            source.Unread();
        }
        ValueBlock values;
        values.layout = layout.value_or(FieldLayout{8, 10, false});
        values.count = start->count;
        values.scale = scale;
        values.out = block == 0 && !options.headerOnly ? &channel.gal : nullptr;
        values.what = QuantityName(start->quantity);
        if (std::optional<ReadError> error = ReadValueBlock(source, values)) return *error;
    }
    return channel;
}

}  // namespace

bool LooksLikeCsmip(const std::vector<std::string>& head) {
    if (head.empty()) return false;
    bool spacing = false, channel = false;
    for (std::size_t i = 0; i < head.size() && i < TEXT_LINES; ++i) {
        const std::string line = Lower(head[i]);
        if (line.find("integer-header") != std::string::npos) return false;
        if (line.find("equally") != std::string::npos && line.find("spaced") != std::string::npos &&
            line.find("sec") != std::string::npos)
            spacing = true;
        if (line.find("chan") != std::string::npos && line.find(':') != std::string::npos) channel = true;
    }
    const std::string first = Lower(head[0]);
    const std::string_view trimmed = Trim(first);
    const bool coded = !trimmed.empty() && std::isdigit(static_cast<unsigned char>(trimmed[0]));  // an SMC first line
    return spacing && channel && !coded && first.find("accelerogram") != std::string::npos;
}

Result<AgencyFile> ReadCsmipFile(std::istream& in, AgencyReadOptions options) {
    return ReadChannelFile(in, RecordFormat::Csmip, kFormatName,
                           [&](FixedLineSource& source) { return ReadChannel(source, options); });
}

}  // namespace tremblo
