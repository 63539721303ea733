#include "record/knet_csv_reader.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/line_reader.h"
#include "common/translation.h"
#include "record/agency_text_samples.h"
#include "record/agency_text_units.h"
#include "record/agency_text_values.h"
#include "record/record_lines.h"
#include "record/seismic_record.h"
#include "record/stated_time_text.h"

namespace tremblo {

namespace {

constexpr const char* kNotKnetCsv =
    QT_TRANSLATE_NOOP("record", "1行目が K-NET/KiK-net の CSV 形式の見出し（#K-NET CSV など）ではありません");
constexpr const char* kNoSamplingFrequency =
    QT_TRANSLATE_NOOP("record", "ヘッダーにサンプリング周波数（#SamplingFrequency(Hz)）の行がありません");
constexpr const char* kBadSamplingFrequencyFormat =
    QT_TRANSLATE_NOOP("record", "サンプリング周波数「%s」が正しくありません（正の数が必要です）");
constexpr const char* kNoColumnLine = QT_TRANSLATE_NOOP("record", "列の見出しの行（Time,RelativeTime(s),N-S(gal),...）がありません");
constexpr const char* kNoChannelColumn = QT_TRANSLATE_NOOP("record", "列の見出しに波形の列（N-S(gal) など）がありません");
constexpr const char* kNoScaleFactorFormat =
    QT_TRANSLATE_NOOP("record", "列「%s」はカウント値ですが、ヘッダーにスケールファクター（#ScaleFactor）がありません");
constexpr const char* kBadScaleFactorFormat = QT_TRANSLATE_NOOP("record", "スケールファクター「%s」が正しくありません");
constexpr const char* kNoRows = QT_TRANSLATE_NOOP("record", "列の見出しの後にデータの行がありません");
constexpr const char* kFieldCountFormat =
    QT_TRANSLATE_NOOP("record", "この行の値は %d 個ですが、列の見出しは %d 個です");

struct CsvHeader {
    ChannelHeader channel;  // what every channel shares
    std::string samplingText;
    int samplingLine = 0;
    std::string countText;
    int countLine = 0;
    std::string scaleText;
    int scaleLine = 0;
};

// Lower-case letters and digits of the name, a unit in parentheses dropped.
std::string NormalizedName(std::string_view name) {
    std::string text;
    int depth = 0;
    for (const char c : name) {
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (depth > 0) continue;
        if (c >= 'A' && c <= 'Z') text.push_back(static_cast<char>(c - 'A' + 'a'));
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) text.push_back(c);
    }
    return text;
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    for (const std::string_view n : names)
        if (name == n) return true;
    return false;
}

void ApplyHeaderLine(std::string_view name, std::string_view value, int line, CsvHeader& h) {
    ChannelHeader& c = h.channel;
    if (name == "origintime") c.originTime = TimeOfSlashedText(value);
    else if (IsOneOf(name, {"lat", "latitude"})) c.epicenterLat = HeaderNumber(value);
    else if (IsOneOf(name, {"lon", "long", "longitude"})) c.epicenterLon = HeaderNumber(value);
    else if (name == "depth") c.depthKm = HeaderNumber(value);
    else if (IsOneOf(name, {"mag", "magnitude"})) c.magnitude = HeaderNumber(value);
    else if (name == "stationcode") c.stationCode = value;
    else if (name == "stationname") c.stationName = value;
    else if (IsOneOf(name, {"stationlat", "stationlatitude"})) c.stationLat = HeaderNumber(value);
    else if (IsOneOf(name, {"stationlon", "stationlong", "stationlongitude"})) c.stationLon = HeaderNumber(value);
    else if (IsOneOf(name, {"stationheight", "stationelevation"})) c.stationElevationM = HeaderNumber(value);
    else if (name == "recordtime") c.firstSampleTime = TimeOfSlashedText(value);
    else if (IsOneOf(name, {"samplingfreq", "samplingfrequency"})) h.samplingText = value, h.samplingLine = line;
    else if (IsOneOf(name, {"numberofsamples", "ndata", "npts"})) h.countText = value, h.countLine = line;
    else if (name == "scalefactor") h.scaleText = value, h.scaleLine = line;
}

// "#name,value" or "#name=value" into the header.
void ReadHeaderLine(std::string_view line, int lineNumber, CsvHeader& header) {
    line = WithoutLineEnd(line.substr(1));
    std::size_t separator = line.find(',');
    if (separator == std::string_view::npos) separator = line.find('=');
    if (separator == std::string_view::npos) return;
    ApplyHeaderLine(NormalizedName(line.substr(0, separator)), TrimBlanks(line.substr(separator + 1)), lineNumber,
                    header);
}

Result<double> SamplingIntervalOf(const CsvHeader& h, int columnLine) {
    if (h.samplingLine == 0) return ReadError{columnLine, TrText("record", kNoSamplingFrequency)};
    std::string_view text = h.samplingText;
    if (text.size() >= 2 && UpperAscii(text.substr(text.size() - 2)) == "HZ") text.remove_suffix(2);
    const std::optional<double> hz = ParseNumberField(TrimBlanks(text));
    if (!hz || !(*hz > 0.0) || !std::isfinite(1.0 / *hz))
        return ReadError{h.samplingLine,
                         StringPrintf(TrText("record", kBadSamplingFrequencyFormat).c_str(), h.samplingText.c_str())};
    return 1.0 / *hz;
}

// "3920(gal)/6182761" or a plain number: gal per count.
std::optional<double> GalPerCount(std::string_view text) {
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos) return HeaderNumber(text);
    const std::size_t close = text.find(')', open);
    const std::size_t slash = close == std::string_view::npos ? close : text.find('/', close);
    if (slash == std::string_view::npos) return std::nullopt;
    const std::optional<double> unit = GalPerUnit(text.substr(open + 1, close - open - 1));
    const std::optional<double> numerator = ParseNumberField(TrimBlanks(text.substr(0, open)));
    const std::optional<double> denominator = ParseNumberField(TrimBlanks(text.substr(slash + 1)));
    if (!unit || !numerator || !denominator || *denominator == 0.0) return std::nullopt;
    const double factor = *numerator * *unit / *denominator;
    return std::isfinite(factor) ? std::optional<double>(factor) : std::nullopt;
}

struct CsvColumn {
    bool channel = false;  // false: a time column
    double galPerUnit = 1.0;
    std::size_t channelIndex = 0;
};

// The columns of the column line, and a channel (with its header) for each
// one that holds samples.
Result<std::vector<CsvColumn>> ReadColumns(std::string_view line, int lineNumber, const CsvHeader& header,
                                          std::vector<AgencyChannel>& channels) {
    std::vector<CsvColumn> columns;
    std::size_t pos = 0;
    std::string_view name;
    line = WithoutLineEnd(line);
    while (NextCommaField(line, pos, name)) {
        CsvColumn column;
        const std::string normalized = NormalizedName(name);
        if (IsOneOf(normalized, {"time", "date", "datetime", "relativetime"})) {
            columns.push_back(column);
            continue;
        }
        const std::size_t open = name.find('(');
        const std::size_t close = open == std::string_view::npos ? open : name.find(')', open);
        const std::string_view unit = close == std::string_view::npos ? std::string_view() : name.substr(open + 1, close - open - 1);
        const std::string_view label = TrimBlanks(name.substr(0, open));
        std::optional<double> factor = GalPerUnit(unit);
        if (!factor && IsOneOf(UpperAscii(TrimBlanks(unit)), {"COUNT", "COUNTS"})) {
            if (header.scaleLine == 0)
                return ReadError{lineNumber, StringPrintf(TrText("record", kNoScaleFactorFormat).c_str(),
                                                          std::string(label).c_str())};
            factor = GalPerCount(header.scaleText);
            if (!factor)
                return ReadError{header.scaleLine, StringPrintf(TrText("record", kBadScaleFactorFormat).c_str(),
                                                                header.scaleText.c_str())};
        }
        if (!factor) return ReadError{lineNumber, UnknownUnitMessage(unit)};
        column.channel = true;
        column.galPerUnit = *factor;
        column.channelIndex = channels.size();
        AgencyChannel channel;
        channel.header = header.channel;
        channel.header.componentName = label;
        const std::string letters = UpperAscii(NormalizedName(label));
        if (letters.find("NS") != std::string::npos) channel.header.azimuthDeg = 0.0;
        else if (letters.find("EW") != std::string::npos) channel.header.azimuthDeg = 90.0;
        else if (letters.find("UD") != std::string::npos) channel.header.vertical = true;
        channels.push_back(std::move(channel));
        columns.push_back(column);
    }
    if (channels.empty()) return ReadError{lineNumber, TrText("record", kNoChannelColumn)};
    return columns;
}

// One data row into the channels.
std::optional<ReadError> ReadRow(std::string_view line, int lineNumber, const std::vector<CsvColumn>& columns,
                                 std::vector<AgencyChannel>& channels) {
    std::size_t pos = 0;
    std::string_view field;
    std::size_t k = 0;
    line = WithoutLineEnd(line);
    while (NextCommaField(line, pos, field)) {
        if (k < columns.size() && columns[k].channel) {
            const GalOrProblem value = FieldToGal(field, columns[k].galPerUnit);
            if (value.problem) return ReadError{lineNumber, *value.problem};
            channels[columns[k].channelIndex].gal.push_back(value.gal);
        }
        ++k;
    }
    if (k != columns.size())
        return ReadError{lineNumber, StringPrintf(TrText("record", kFieldCountFormat).c_str(), static_cast<int>(k),
                                                  static_cast<int>(columns.size()))};
    return std::nullopt;
}

}  // namespace

bool LooksLikeKnetCsv(const std::vector<std::string>& head) {
    if (head.empty()) return false;
    const std::string upper = UpperAscii(TrimBlanks(head[0]));
    return upper.starts_with("#") && upper.find("CSV") != std::string::npos &&
           (upper.find("K-NET") != std::string::npos || upper.find("KIK-NET") != std::string::npos);
}

Result<AgencyFile> ReadKnetCsvFile(std::istream& in, AgencyReadOptions options) {
    LineReader reader(in, TEXT_RECORD_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string line;
    const bool any = reader.Next(line);
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (!any || reader.cutAtNul() || !LooksLikeKnetCsv({std::string(WithoutLineEnd(line))}))
        return ReadError{1, TrText("record", kNotKnetCsv)};
    CsvHeader header;
    header.channel.network = UpperAscii(line).find("KIK-NET") != std::string::npos ? "KiK-net" : "K-NET";

    int columnLine = 0;
    while (reader.Next(line)) {
        if (reader.cutAtNul()) return ReadError{reader.fileLineNumber(), NulByteMessage()};
        const std::string_view text = TrimBlanks(line);
        if (text.empty()) continue;
        if (text[0] != '#') {
            columnLine = reader.fileLineNumber();
            break;
        }
        ReadHeaderLine(text, reader.fileLineNumber(), header);
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (columnLine == 0) return ReadError{reader.fileLineNumber() + 1, TrText("record", kNoColumnLine)};
    Result<double> dt = SamplingIntervalOf(header, columnLine);
    if (!dt) return dt.error();
    int stated = 0;
    if (header.countLine != 0) {
        const std::optional<int> count = ParseIntegerField(header.countText);
        if (!count || *count <= 0) return ReadError{header.countLine, BadCountMessage(header.countText)};
        if (*count > MAX_RECORD_SAMPLES) return ReadError{header.countLine, TooManySamplesMessage()};
        stated = *count;
    }
    std::vector<AgencyChannel> channels;
    Result<std::vector<CsvColumn>> columns = ReadColumns(line, columnLine, header, channels);
    if (!columns) return columns.error();
    // A stated count is trusted for no more than 2^16 samples in all.
    const int reserve = std::min(stated, (1 << 16) / static_cast<int>(channels.size()));
    for (AgencyChannel& channel : channels) channel.gal.reserve(static_cast<std::size_t>(reserve));

    int rows = 0, firstRow = 0;
    while (reader.Next(line)) {
        if (reader.cutAtNul()) return ReadError{reader.fileLineNumber(), NulByteMessage()};
        if (TrimBlanks(line).empty()) continue;
        if (firstRow == 0) firstRow = reader.fileLineNumber();
        if (stated > 0 && rows == stated) return ReadError{reader.fileLineNumber(), MoreValuesMessage(stated)};
        if (rows == MAX_RECORD_SAMPLES) return ReadError{reader.fileLineNumber(), TooManySamplesMessage()};
        if (options.headerOnly && stated > 0) break;
        if (!options.headerOnly)
            if (std::optional<ReadError> problem = ReadRow(line, reader.fileLineNumber(), columns.value(), channels))
                return *problem;
        ++rows;
    }
    if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
    if (firstRow == 0) return ReadError{reader.fileLineNumber() + 1, TrText("record", kNoRows)};
    if (!options.headerOnly && rows < stated)
        return ReadError{reader.fileLineNumber() + 1, FewerValuesMessage(stated, rows)};

    AgencyFile file;
    file.format = RecordFormat::KnetCsv;
    for (AgencyChannel& channel : channels) {
        channel.dt = dt.value();
        channel.statedCount = stated > 0 ? stated : rows;
        channel.firstDataLine = firstRow;
        file.channels.push_back(std::move(channel));
    }
    return file;
}

}  // namespace tremblo
