#include "record/stated_time_text.h"

#include "record/agency_text_values.h"

namespace tremblo {

namespace {

// `count` digits from `at` as a number; nothing when any is no digit.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<StatedTime> Checked(const StatedTime& time) {
    if (!IsPlausibleTime(time)) return std::nullopt;
    return time;
}

}  // namespace

bool IsPlausibleTime(const StatedTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 && t.hour <= 23 &&
           t.minute >= 0 && t.minute <= 59 && t.second >= 0.0 && t.second < 61.0;
}

std::optional<StatedTime> TimeOfCompactText(std::string_view yyyymmdd, std::string_view hhmmss) {
    yyyymmdd = TrimBlanks(yyyymmdd);
    hhmmss = TrimBlanks(hhmmss);
    if (yyyymmdd.size() != 8 || hhmmss.size() < 6) return std::nullopt;
    const auto year = Digits(yyyymmdd, 0, 4), month = Digits(yyyymmdd, 4, 2), day = Digits(yyyymmdd, 6, 2);
    const auto hour = Digits(hhmmss, 0, 2), minute = Digits(hhmmss, 2, 2);
    const auto second = ParseNumberField(hhmmss.substr(4));
    if (!year || !month || !day || !hour || !minute || !second || hhmmss[4] < '0' || hhmmss[4] > '9')
        return std::nullopt;
    return Checked(StatedTime{*year, *month, *day, *hour, *minute, *second});
}

std::optional<StatedTime> TimeOfCompactStamp(std::string_view text) {
    text = TrimBlanks(text);
    const std::size_t underscore = text.find('_');
    if (underscore == std::string_view::npos) return std::nullopt;
    return TimeOfCompactText(text.substr(0, underscore), text.substr(underscore + 1));
}

std::optional<StatedTime> TimeOfSlashedText(std::string_view text) {
    text = TrimBlanks(text);
    // yyyy/mm/dd hh:mm:ss[.f]
    if (text.size() < 19 || text[4] != '/' || text[7] != '/' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':')
        return std::nullopt;
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
    const auto second = ParseNumberField(text.substr(17));
    if (!year || !month || !day || !hour || !minute || !second || text[17] < '0' || text[17] > '9')
        return std::nullopt;
    return Checked(StatedTime{*year, *month, *day, *hour, *minute, *second});
}

}  // namespace tremblo
