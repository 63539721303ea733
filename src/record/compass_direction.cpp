#include "record/compass_direction.h"

#include <sstream>

#include <cctype>
#include <cmath>
#include <string>

#include "record/fixed_columns.h"

namespace tremblo {

namespace {

std::string Upper(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != ' ') out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

std::optional<double> Degrees(std::string_view digits) {
    double value = 0.0;
    if (digits.empty() || ReadRealText(digits, value) != FieldKind::Value) return std::nullopt;
    if (!(value >= 0.0 && value <= 360.0)) return std::nullopt;
    return value;
}

}  // namespace

double NormalisedAzimuth(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0) a += 360.0;
    if (a >= 360.0) a = 0.0;
    return a;
}

std::optional<CompassDirection> ParseCompassDirection(std::string_view text) {
    std::string t = Upper(text);
    if (t == "UP" || t == "UP-DOWN" || t == "VERTICAL" || t == "DOWN")
        return CompassDirection{std::nullopt, true};
    if (t.size() >= 3 && t.compare(t.size() - 3, 3, "DEG") == 0) t.resize(t.size() - 3);
    if (t.empty()) return std::nullopt;
    if ((t.front() == 'N' || t.front() == 'S') && t.size() >= 2 && (t.back() == 'E' || t.back() == 'W')) {
        const std::optional<double> angle = Degrees(std::string_view(t).substr(1, t.size() - 2));
        if (!angle || *angle > 90.0) return std::nullopt;
        const bool north = t.front() == 'N', east = t.back() == 'E';
        double azimuth = north ? (east ? *angle : 360.0 - *angle) : (east ? 180.0 - *angle : 180.0 + *angle);
        return CompassDirection{NormalisedAzimuth(azimuth), false};
    }
    if (t == "N") return CompassDirection{0.0, false};
    if (t == "E") return CompassDirection{90.0, false};
    if (t == "S") return CompassDirection{180.0, false};
    if (t == "W") return CompassDirection{270.0, false};
    if (const std::optional<double> angle = Degrees(t)) return CompassDirection{NormalisedAzimuth(*angle), false};
    return std::nullopt;
}

bool ReadChannelDirection(const std::vector<std::string>& text, ChannelHeader& h) {
    for (const std::string& line : text) {
        const std::size_t chan = line.find("Chan");
        if (chan == std::string::npos) continue;
        const std::size_t colon = line.find(':', chan);
        if (colon == std::string::npos) continue;
        std::istringstream words(line.substr(colon + 1));
        std::string direction;
        words >> direction;
        const std::optional<CompassDirection> parsed = ParseCompassDirection(direction);
        if (!parsed) continue;
        h.componentName = direction;
        h.vertical = parsed->vertical;
        h.azimuthDeg = parsed->azimuthDeg;
        return true;
    }
    return false;
}

}  // namespace tremblo
