#include "record/cosmos_text_header.h"

#include <cmath>
#include <optional>
#include <regex>
#include <string_view>

#include "record/agency_text_values.h"
#include "record/stated_time_text.h"

namespace tremblo {

namespace {

// The header's undefined value; anything this low is no coordinate either.
constexpr double UNDEFINED_BELOW = -998.0;
// Line 2 holds the earthquake name in its first 40 columns, the date after
// a gap of blanks.
constexpr std::size_t EVENT_NAME_COLUMNS = 40;

// The text after `label` on the first line holding it.
std::optional<std::string> AfterLabel(const std::vector<std::string>& text, std::string_view label) {
    for (const std::string& line : text) {
        const std::size_t at = line.find(label);
        if (at != std::string::npos) return line.substr(at + label.size());
    }
    return std::nullopt;
}

std::optional<double> Number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value) || value <= UNDEFINED_BELOW) return std::nullopt;
    return value;
}

// "34.213  -118.537" at the start of `text`: latitude, then longitude east positive.
bool ReadCoordinates(const std::string& text, std::optional<double>& lat, std::optional<double>& lon) {
    static const std::regex pair(R"(^\s*(-?\d+(?:\.\d*)?)\s+(-?\d+(?:\.\d*)?)(?:\s|$))");
    std::smatch m;
    if (!std::regex_search(text, m, pair)) return false;
    const std::optional<double> la = Number(m[1]), lo = Number(m[2]);
    if (!la || !lo || std::fabs(*la) > 90.0 || *lo < -180.0 || *lo > 360.0) return false;
    lat = *la;
    lon = *lo > 180.0 ? *lo - 360.0 : *lo;
    return true;
}

// "01/17/1994, 12:30:55.2 UTC" (month first); only UTC times are read.
std::optional<StatedTime> UtcTime(const std::string& text) {
    static const std::regex time(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4}),?\s+(\d{1,2}):(\d{1,2}):\s*(\d{1,2}(?:\.\d*)?)\s*UTC\b)");
    std::smatch m;
    if (!std::regex_search(text, m, time)) return std::nullopt;
    const StatedTime t{std::stoi(m[3]), std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[4]), std::stoi(m[5]),
                       std::strtod(m[6].str().c_str(), nullptr)};
    if (!IsPlausibleTime(t)) return std::nullopt;
    return t;
}

// "34.213 -118.537 H= 18km(SCSN) M=6.7 ML=6.6(SCSN)": the first magnitude stated is the one kept.
void ReadHypocenter(const std::string& text, ChannelHeader& h) {
    ReadCoordinates(text, h.epicenterLat, h.epicenterLon);
    static const std::regex depth(R"(\bH=\s*(-?\d+(?:\.\d*)?)\s*km)");
    static const std::regex magnitude(R"(\b(M[a-zA-Z]?)=\s*(\d+(?:\.\d*)?))");
    std::smatch m;
    if (std::regex_search(text, m, depth)) {
        const std::optional<double> km = Number(m[1]);
        if (km && *km >= 0.0 && *km < 1000.0) h.depthKm = km;
    }
    if (std::regex_search(text, m, magnitude)) {
        const std::optional<double> value = Number(m[2]);
        if (value && *value > 0.0 && *value < 10.0) {
            h.magnitude = value;
            h.magnitudeType = m[1].str() == "M" ? std::string() : m[1].str();
        }
    }
}

// "Code:CE-24399": network, then the station code.
void ReadStationCode(const std::string& text, ChannelHeader& h) {
    static const std::regex code(R"(^\s*([A-Za-z0-9]{1,8})-\s*([A-Za-z0-9]{1,16})\b)");
    std::smatch m;
    if (!std::regex_search(text, m, code)) return;
    h.network = m[1];
    h.stationCode = m[2];
    const std::string_view name = TrimBlanks(std::string_view(text).substr(m.position(0) + m.length(0)));
    if (!name.empty()) h.stationName = std::string(name);
}

}  // namespace

void ReadCosmosTextHeader(const std::vector<std::string>& text, ChannelHeader& h) {
    if (text.size() > 1) {
        const std::string_view second(text[1]);
        std::string_view name = second.substr(0, std::min(second.size(), EVENT_NAME_COLUMNS));
        name = TrimBlanks(name.substr(0, name.find("   ")));
        if (name.find(':') == std::string_view::npos) h.eventName = std::string(name);
    }
    if (const auto hypocenter = AfterLabel(text, "Hypocenter:")) ReadHypocenter(*hypocenter, h);
    if (const auto origin = AfterLabel(text, "Origin:")) h.originTime = UtcTime(*origin);
    if (const auto start = AfterLabel(text, "Rcrd start time:")) h.firstSampleTime = UtcTime(*start);
    if (const auto code = AfterLabel(text, "Code:")) ReadStationCode(*code, h);
    if (const auto coords = AfterLabel(text, "Coords:")) ReadCoordinates(*coords, h.stationLat, h.stationLon);
}

}  // namespace tremblo
