#include "record/peer_event_line.h"

#include <array>
#include <vector>

#include "common/format.h"
#include "record/agency_text_values.h"

namespace tremblo {

namespace {

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsLetters(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return true;
}

// "10/18/1989" as "1989-10-18"; "10/18/89" as written; nothing when the
// word is no date.
std::optional<std::string> DateOfWord(std::string_view word) {
    const std::size_t first = word.find('/');
    const std::size_t second = first == std::string_view::npos ? first : word.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view month = word.substr(0, first);
    const std::string_view day = word.substr(first + 1, second - first - 1);
    const std::string_view year = word.substr(second + 1);
    if (!IsDigits(month) || !IsDigits(day) || !IsDigits(year) || month.size() > 2 || day.size() > 2 ||
        (year.size() != 2 && year.size() != 4))
        return std::nullopt;
    const int m = *ParseIntegerField(month), d = *ParseIntegerField(day);
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    if (year.size() == 2) return std::string(word);
    return StringPrintf("%.4s-%02d-%02d", std::string(year).c_str(), m, d);
}

struct DateAt {
    std::size_t field = 0;
    std::size_t offset = 0;  // where the date word starts in the field
    std::string date;
};

std::optional<DateAt> FindDate(const std::vector<std::string_view>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::size_t pos = 0;
        std::string_view word;
        while (NextBlankField(fields[i], pos, word)) {
            if (std::optional<std::string> date = DateOfWord(word))
                return DateAt{i, static_cast<std::size_t>(word.data() - fields[i].data()), *date};
        }
    }
    return std::nullopt;
}

std::string Joined(const std::vector<std::string_view>& fields, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (fields[i].empty()) continue;
        if (!text.empty()) text += ", ";
        text += fields[i];
    }
    return text;
}

std::string_view FirstWord(std::string_view text) {
    std::size_t pos = 0;
    std::string_view word;
    return NextBlankField(text, pos, word) ? word : std::string_view();
}

bool IsVerticalWord(std::string_view upper) {
    static constexpr std::array<std::string_view, 8> kWords = {"UP", "DWN", "DOWN", "V", "VER", "VERT", "Z", "UD"};
    for (const std::string_view word : kWords)
        if (upper == word) return true;
    return false;
}

std::optional<double> AzimuthOfLetter(std::string_view upper) {
    if (upper == "N") return 0.0;
    if (upper == "E") return 90.0;
    if (upper == "S") return 180.0;
    if (upper == "W") return 270.0;
    return std::nullopt;
}

std::optional<double> AzimuthOfNumber(std::string_view text) {
    const std::optional<double> value = ParseNumberField(text);
    if (!value || *value < 0.0 || *value > 360.0 || text[0] == '-' || text[0] == '+') return std::nullopt;
    return *value == 360.0 ? 0.0 : *value;
}

}  // namespace

PeerDirection PeerComponentDirection(std::string_view name) {
    PeerDirection direction;
    const std::string upper = UpperAscii(TrimBlanks(name));
    std::string_view text(upper);
    if (text.empty()) return direction;
    // "-UP", "ALH-UP", "CHY101-E": what follows the last hyphen.
    const std::size_t hyphen = text.rfind('-');
    const std::string_view tail = hyphen == std::string_view::npos ? text : text.substr(hyphen + 1);
    if (IsVerticalWord(tail)) {
        direction.vertical = true;
        return direction;
    }
    if ((direction.azimuthDeg = AzimuthOfLetter(tail))) return direction;
    if (hyphen != std::string_view::npos) return direction;
    if ((direction.azimuthDeg = AzimuthOfNumber(text))) return direction;
    // "GIL067": letters, then three digits.
    if (text.size() > 3 && IsDigits(text.substr(text.size() - 3)) && IsLetters(text.substr(0, text.size() - 3)))
        direction.azimuthDeg = AzimuthOfNumber(text.substr(text.size() - 3));
    return direction;
}

PeerEventLine ParsePeerEventLine(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    std::string_view field;
    const std::string_view text = WithoutLineEnd(line);
    while (NextCommaField(text, pos, field)) fields.push_back(field);
    while (!fields.empty() && fields.back().empty()) fields.pop_back();

    PeerEventLine result;
    if (fields.empty()) return result;
    std::size_t stationFrom = 1;
    std::size_t componentField = fields.size() - 1;
    if (const std::optional<DateAt> date = FindDate(fields)) {
        result.eventDate = date->date;
        const std::string_view before = TrimBlanks(fields[date->field].substr(0, date->offset));
        result.eventName = Joined(fields, 0, date->field);
        if (!before.empty()) result.eventName += (result.eventName.empty() ? "" : ", ") + std::string(before);
        stationFrom = date->field + 1;
        // One field after the date: a component if it reads as one, else the station.
        if (componentField == stationFrom && !PeerComponentDirection(FirstWord(fields[componentField])).known())
            componentField = fields.size();
        if (componentField < stationFrom) componentField = fields.size();
    } else {
        result.eventName = std::string(fields[0]);
        if (fields.size() == 1) return result;
        if (fields.size() == 2 && !PeerComponentDirection(FirstWord(fields[1])).known()) componentField = fields.size();
    }
    result.stationName = Joined(fields, stationFrom, componentField);
    if (componentField < fields.size()) {
        result.componentName = std::string(FirstWord(fields[componentField]));
        const PeerDirection direction = PeerComponentDirection(result.componentName);
        result.azimuthDeg = direction.azimuthDeg;
        result.vertical = direction.vertical;
    }
    return result;
}

}  // namespace tremblo
