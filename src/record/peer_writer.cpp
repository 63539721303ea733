#include "record/peer_writer.h"

#include <cmath>
#include <cstdio>

#include "common/format.h"
#include "record/agency_text_units.h"
#include "record/agency_text_values.h"

namespace tremblo {

namespace {

constexpr int kValuesPerLine = 5;
constexpr int kMinimumDecimals = 4;
constexpr int kMaximumDecimals = 12;

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

bool Writable(const PeerAt2Content& content) {
    if (!(content.dt > 0.0) || !std::isfinite(content.dt) || content.gal.empty()) return false;
    for (const float value : content.gal)
        if (!std::isfinite(value)) return false;
    return true;
}

void WriteValues(std::ostream& out, const std::vector<float>& gal) {
    // One line at a time: 5 values of 16 characters and the line end.
    char line[kValuesPerLine * 16 + 2];
    std::size_t i = 0;
    while (i < gal.size()) {
        int length = 0;
        for (int k = 0; k < kValuesPerLine && i < gal.size(); ++k, ++i) {
            const double g = static_cast<double>(gal[i]) / GAL_PER_G;
            length += std::snprintf(line + length, sizeof(line) - static_cast<std::size_t>(length), "%16.8E", g);
        }
        line[length++] = '\n';
        out.write(line, length);
    }
}

}  // namespace

std::string PeerIntervalText(double dt) {
    for (int decimals = kMinimumDecimals; decimals < kMaximumDecimals; ++decimals) {
        const std::string text = StringPrintf("%.*f", decimals, dt);
        if (ParseNumberField(text) == dt) return text;
    }
    return StringPrintf("%.*f", kMaximumDecimals, dt);
}

bool WritePeerAt2(std::ostream& out, const PeerAt2Content& content) {
    if (!Writable(content)) return false;
    out << "PEER NGA STRONG MOTION DATABASE RECORD\n";
    out << OneLine(content.eventName) << ", " << OneLine(content.dateText) << ", " << OneLine(content.stationName)
        << ", " << OneLine(content.componentText) << '\n';
    out << "ACCELERATION TIME SERIES IN UNITS OF G\n";
    out << StringPrintf("NPTS=%7d, DT=%9s SEC\n", static_cast<int>(content.gal.size()),
                        PeerIntervalText(content.dt).c_str());
    WriteValues(out, content.gal);
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace tremblo
