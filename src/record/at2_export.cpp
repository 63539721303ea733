#include "record/at2_export.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "common/decimal.h"
#include "common/format.h"
#include "common/shift_jis.h"
#include "record/agency_record.h"
#include "record/peer_writer.h"

namespace tremblo {

namespace {

// The float interval as the decimal it was read from (0.005f is 0.005).
double IntervalOf(float dt) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, dt).ptr;
    return ParseDecimal(std::string_view(text, static_cast<std::size_t>(end - text)));
}

// "yyyy/mm/dd" as PEER writes dates: "m/d/yyyy".
std::string PeerDate(std::string_view date) {
    if (date.size() < 10 || date[4] != '/' || date[7] != '/') return std::string(date);
    return StringPrintf("%d/%d/%s", ParseInteger(date.substr(5, 2)), ParseInteger(date.substr(8, 2)),
                        std::string(date.substr(0, 4)).c_str());
}

std::string EventText(const RecordFields& r) {
    if (!r.stated.eventName.empty()) return r.stated.eventName;
    if (r.stated.originTime) return StatedTimeText(*r.stated.originTime);
    if (r.originDate.view().empty()) return {};
    return SjisToUtf8(r.originDate.str() + " " + r.originTime.str());
}

std::string StationText(const RecordFields& r) {
    if (!r.stated.stationName.empty()) return r.stated.stationName;
    if (!r.currentStation.name.view().empty()) return SjisToUtf8(r.currentStation.name.view());
    return SjisToUtf8(r.stationCode.view());
}

std::string ComponentText(const RecordFields& r, int c) {
    const ComponentOrientation& o = r.orientation[c];
    if (o.vertical) return "UP";
    if (o.azimuthDeg) return std::to_string(std::lround(*o.azimuthDeg) % 360);
    return SjisToUtf8(r.componentLabel[c].view());
}

}  // namespace

std::string At2ComponentName(const RecordFields& r, int c) {
    std::string label = SjisToUtf8(r.componentLabel[c].view());
    std::string name;
    for (char ch : label) {
        const unsigned char u = static_cast<unsigned char>(ch);
        if (std::isalnum(u) || ch == '-' || ch == '_') name += ch;
        else if (u < 0x80) name += '_';
    }
    return name.empty() ? StringPrintf("C%d", c + 1) : name;
}

std::vector<At2File> RecordAt2Files(const SeismicRecord& r, const std::string& baseName) {
    std::vector<At2File> files;
    const std::string date = r.stated.originTime
                                 ? StringPrintf("%d/%d/%04d", r.stated.originTime->month, r.stated.originTime->day,
                                                r.stated.originTime->year)
                                 : PeerDate(r.originDate.view());
    for (int c = 0; c < r.componentCount; ++c) {
        PeerAt2Content content;
        content.eventName = EventText(r);
        content.dateText = date;
        content.stationName = StationText(r);
        content.componentText = ComponentText(r, c);
        content.dt = IntervalOf(r.dt);
        const int n = std::clamp(r.sampleCount, 0, r.capacity());
        content.gal.assign(r.samples[c].data(), r.samples[c].data() + n);
        std::ostringstream text;
        if (!WritePeerAt2(text, content)) return {};
        std::string label = At2ComponentName(r, c);
        // Two components of one label (the same azimuth stated twice) keep
        // their own files: the row number tells them apart.
        for (int other = 0; other < r.componentCount; ++other)
            if (other != c && At2ComponentName(r, other) == label) label += StringPrintf("_%d", c + 1);
        files.push_back(At2File{baseName + "_" + label + ".AT2", text.str()});
    }
    return files;
}

}  // namespace tremblo
