#include "record/peer_reader.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/line_reader.h"
#include "common/translation.h"
#include "record/agency_text_samples.h"
#include "record/agency_text_units.h"
#include "record/agency_text_values.h"
#include "record/peer_event_line.h"
#include "record/record_lines.h"
#include "record/seismic_record.h"

namespace tremblo {

namespace {

constexpr const char* kNotPeer = QT_TRANSLATE_NOOP(
    "record", "1行目が PEER の時刻歴ファイルの見出し（PEER NGA STRONG MOTION DATABASE RECORD など）ではありません");
constexpr const char* kVelocityOrDisplacement = QT_TRANSLATE_NOOP(
    "record", "このファイルは PEER の速度または変位の時刻歴です（読み込めるのは加速度のファイル .AT2 です）");
constexpr const char* kNoAcceleration =
    QT_TRANSLATE_NOOP("record", "3行目に加速度の時刻歴（ACCELERATION ...）であることが書かれていません");
constexpr const char* kNoCountLine =
    QT_TRANSLATE_NOOP("record", "4行目にデータ数と時間間隔（NPTS=..., DT=...）がありません");

bool IsPeerTitle(std::string_view line) {
    const std::string upper = UpperAscii(TrimBlanks(line));
    const bool peer = upper.starts_with("PEER") &&
                      (upper.find("STRONG MOTION") != std::string::npos || upper.find("DATABASE") != std::string::npos);
    const bool pacific = upper.starts_with("PACIFIC ENGINEERING AND ANALYSIS STRONG-MOTION DATA");
    return peer || pacific;
}

// The word after position `at` (blanks skipped), up to a blank or a comma.
std::string_view WordAt(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    std::size_t end = at;
    while (end < text.size() && !IsBlank(text[end]) && text[end] != ',') ++end;
    return text.substr(std::min(at, text.size()), end - std::min(at, text.size()));
}

// The value after "<key> =" from `from` on; nothing without the key and
// its equals sign.
std::optional<std::string_view> ValueAfterKey(std::string_view upper, std::string_view key, std::size_t from,
                                              std::size_t& valueEnd) {
    for (std::size_t at = upper.find(key, from); at != std::string_view::npos; at = upper.find(key, at + 1)) {
        std::size_t i = at + key.size();
        while (i < upper.size() && IsBlank(upper[i])) ++i;
        if (i == upper.size() || upper[i] != '=') continue;
        const std::string_view value = WordAt(upper, i + 1);
        valueEnd = static_cast<std::size_t>(value.data() - upper.data()) + value.size();
        return value;
    }
    return std::nullopt;
}

struct CountAndInterval {
    int count = 0;
    double dt = 0.0;
};

Result<CountAndInterval> ParseCountLine(std::string_view line) {
    constexpr int kLine = 4;
    const std::string upper = UpperAscii(WithoutLineEnd(line));
    std::string_view countText, dtText;
    std::size_t end = 0;
    if (const std::optional<std::string_view> count = ValueAfterKey(upper, "NPTS", 0, end)) {
        countText = *count;
        const std::optional<std::string_view> dt = ValueAfterKey(upper, "DT", 0, end);
        if (!dt) return ReadError{kLine, TrText("record", kNoCountLine)};
        dtText = *dt;
    } else {
        // "7999    0.0050    NPTS, DT": the numbers come first.
        std::size_t pos = 0;
        std::string_view third;
        if (!NextBlankField(upper, pos, countText) || !NextBlankField(upper, pos, dtText) ||
            !NextBlankField(upper, pos, third) || !third.starts_with("NPTS") ||
            upper.find("DT", pos - third.size()) == std::string::npos)
            return ReadError{kLine, TrText("record", kNoCountLine)};
        if (countText.ends_with(',')) countText.remove_suffix(1);
        if (dtText.ends_with(',')) dtText.remove_suffix(1);
    }
    const std::optional<int> count = ParseIntegerField(countText);
    if (!count || *count <= 0) return ReadError{kLine, BadCountMessage(countText)};
    if (*count > MAX_RECORD_SAMPLES) return ReadError{kLine, TooManySamplesMessage()};
    const std::optional<double> dt = ParseNumberField(dtText);
    if (!dt || !(*dt > 0.0) || !std::isfinite(*dt)) return ReadError{kLine, BadIntervalMessage(dtText)};
    return CountAndInterval{*count, *dt};
}

Result<double> ParseQuantityLine(std::string_view line) {
    constexpr int kLine = 3;
    const std::string upper = UpperAscii(WithoutLineEnd(line));
    if (upper.find("ACCELERATION") == std::string::npos) {
        if (upper.find("VELOCITY") != std::string::npos || upper.find("DISPLACEMENT") != std::string::npos)
            return ReadError{kLine, TrText("record", kVelocityOrDisplacement)};
        return ReadError{kLine, TrText("record", kNoAcceleration)};
    }
    std::string_view unit;
    if (const std::size_t at = upper.find("UNITS OF"); at != std::string::npos) {
        unit = WordAt(upper, at + 8);
        while (!unit.empty() && (unit.back() == '.' || unit.back() == ';' || unit.back() == ':')) unit.remove_suffix(1);
    } else if (const std::size_t open = upper.find('('); open != std::string::npos) {
        const std::size_t close = upper.find(')', open);
        unit = std::string_view(upper).substr(open + 1, close == std::string::npos ? close : close - open - 1);
    }
    const std::optional<double> factor = GalPerUnit(unit);
    if (!factor) return ReadError{kLine, UnknownUnitMessage(unit)};
    return *factor;
}

ChannelHeader HeaderOfEventLine(std::string_view line) {
    const PeerEventLine event = ParsePeerEventLine(line);
    ChannelHeader header;
    header.eventName = event.eventName;
    header.eventId = event.eventDate;
    header.stationName = event.stationName;
    header.componentName = event.componentName;
    header.azimuthDeg = event.azimuthDeg;
    header.vertical = event.vertical;
    return header;
}

}  // namespace

bool LooksLikePeer(const std::vector<std::string>& head) { return !head.empty() && IsPeerTitle(head[0]); }

Result<AgencyFile> ReadPeerFile(std::istream& in, AgencyReadOptions options) {
    LineReader reader(in, TEXT_RECORD_LINE_BUFFER, RECORD_LINE_LIMIT);
    std::string lines[PEER_HEADER_LINES];
    for (int i = 0; i < PEER_HEADER_LINES; ++i) {
        if (!reader.Next(lines[i])) {
            if (std::optional<ReadError> failure = LineFailure(reader)) return *failure;
            if (i == 0) return ReadError{1, TrText("record", kNotPeer)};
            return ReadError{i + 1, HeaderCutMessage(PEER_HEADER_LINES)};
        }
        if (reader.cutAtNul()) return ReadError{i + 1, NulByteMessage()};
    }
    if (!IsPeerTitle(lines[0])) return ReadError{1, TrText("record", kNotPeer)};
    Result<double> galPerUnit = ParseQuantityLine(lines[2]);
    if (!galPerUnit) return galPerUnit.error();
    Result<CountAndInterval> countLine = ParseCountLine(lines[3]);
    if (!countLine) return countLine.error();

    AgencyChannel channel;
    channel.header = HeaderOfEventLine(lines[1]);
    channel.dt = countLine.value().dt;
    channel.statedCount = countLine.value().count;
    channel.firstDataLine = PEER_HEADER_LINES + 1;
    if (options.headerOnly) {
        channel.firstDataLine = FirstNonBlankLine(reader);
    } else {
        BlankSeparatedSamples samples(channel.statedCount, galPerUnit.value(), channel.gal);
        if (std::optional<ReadError> failure = ReadBlankSeparatedSamples(reader, samples)) return *failure;
        channel.firstDataLine = samples.firstValueLine();
    }
    AgencyFile file;
    file.format = RecordFormat::Peer;
    file.channels.push_back(std::move(channel));
    return file;
}

}  // namespace tremblo
