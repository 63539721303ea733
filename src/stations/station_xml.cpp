#include "stations/station_xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>

#include "common/format.h"
#include "common/readable_file.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// Largest StationXML file read: far beyond any real inventory.
constexpr std::uintmax_t kMaxXmlBytes = std::uintmax_t{256} << 20;

std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view local) {
    for (pugi::xml_node child : parent.children())
        if (child.type() == pugi::node_element && LocalName(child) == local) return child;
    return {};
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> NumberOf(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

int Digits(std::string_view text, std::size_t at, std::size_t count, bool& ok) {
    int value = 0;
    if (at + count > text.size()) {
        ok = false;
        return 0;
    }
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') ok = false;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Reads the file's values; the first failure is kept in `error`.
class InventoryParser {
public:
    explicit InventoryParser(const std::string& shownName) : file_(shownName) {}

    std::optional<ReadError> error;
    StationInventory inventory;

    void Network(const pugi::xml_node& node) {
        const std::string code(Trim(node.attribute("code").value()));
        if (code.empty()) return Fail(StringPrintf(TrText("stations", "StationXML %s: Network に code がありません").c_str(), file_.c_str()));
        for (pugi::xml_node station : node.children())
            if (!error && LocalName(station) == "Station") Station(code, station);
    }

private:
    void Fail(std::string message) {
        if (!error) error = ReadError{0, std::move(message)};
    }

    std::optional<double> Value(const pugi::xml_node& parent, std::string_view local, const std::string& where) {
        const pugi::xml_node node = Child(parent, local);
        if (!node) return std::nullopt;
        const std::optional<double> value = NumberOf(node.child_value());
        if (!value)
            Fail(StringPrintf(TrText("stations", "StationXML %s: %s の %s \"%s\" が数ではありません").c_str(), file_.c_str(),
                              where.c_str(), std::string(local).c_str(), node.child_value()));
        return value;
    }

    std::optional<std::int64_t> Date(const pugi::xml_node& node, const char* attribute, const std::string& where) {
        const pugi::xml_attribute a = node.attribute(attribute);
        if (!a) return std::nullopt;
        const std::optional<std::int64_t> micros = ParseXmlDateTime(Trim(a.value()));
        if (!micros)
            Fail(StringPrintf(TrText("stations", "StationXML %s: %s の %s \"%s\" が日時ではありません").c_str(), file_.c_str(),
                              where.c_str(), attribute, a.value()));
        return micros;
    }

    void Station(const std::string& network, const pugi::xml_node& node) {
        const std::string code(Trim(node.attribute("code").value()));
        const std::string where = network + "." + code;
        if (code.empty())
            return Fail(StringPrintf(TrText("stations", "StationXML %s: 観測網 %s の Station に code がありません").c_str(),
                                     file_.c_str(), network.c_str()));
        InventoryChannel station;
        station.network = network;
        station.station = code;
        station.stationAlternateCode = std::string(Trim(node.attribute("alternateCode").value()));
        station.siteName = std::string(Trim(Child(Child(node, "Site"), "Name").child_value()));
        station.latitude = Value(node, "Latitude", where);
        station.longitude = Value(node, "Longitude", where);
        station.elevationM = Value(node, "Elevation", where);
        for (pugi::xml_node channel : node.children())
            if (!error && LocalName(channel) == "Channel") Channel(station, channel);
    }

    void Channel(const InventoryChannel& station, const pugi::xml_node& node) {
        InventoryChannel c = station;
        c.channel = std::string(Trim(node.attribute("code").value()));
        c.location = std::string(Trim(node.attribute("locationCode").value()));
        const std::string where = ChannelId(c.network, c.station, c.location, c.channel);
        if (c.channel.empty())
            return Fail(StringPrintf(TrText("stations", "StationXML %s: 観測点 %s.%s の Channel に code がありません").c_str(),
                                     file_.c_str(), c.network.c_str(), c.station.c_str()));
        c.startMicros = Date(node, "startDate", where);
        c.endMicros = Date(node, "endDate", where);
        if (const auto v = Value(node, "Latitude", where)) c.latitude = v;
        if (const auto v = Value(node, "Longitude", where)) c.longitude = v;
        if (const auto v = Value(node, "Elevation", where)) c.elevationM = v;
        c.azimuthDeg = Value(node, "Azimuth", where);
        c.dipDeg = Value(node, "Dip", where);
        c.sampleRate = Value(node, "SampleRate", where);
        const pugi::xml_node sensitivity = Child(Child(node, "Response"), "InstrumentSensitivity");
        if (sensitivity) {
            c.sensitivity = Value(sensitivity, "Value", where);
            c.inputUnits = std::string(Trim(Child(Child(sensitivity, "InputUnits"), "Name").child_value()));
        }
        c.file = file_;
        if (!error) inventory.Add(std::move(c));
    }

    std::string file_;
};

std::vector<std::string> XmlFilesOf(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        if (ext == ".xml" && entry.is_regular_file(ec)) files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

Result<StationInventory> ReadStationXmlFile(const std::string& path) {
    std::string why;
    const std::unique_ptr<std::istream> in = OpenFileStream(path, why);
    if (!in)
        return ReadError{0, StringPrintf(TrText("stations", "StationXML ファイル %s を開けません: %s").c_str(), path.c_str(), why.c_str())};
    std::string text;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxXmlBytes)
        return ReadError{0, StringPrintf(TrText("stations", "StationXML ファイル %s は大きすぎます").c_str(), path.c_str())};
    if (!ReadRest(*in, text))
        return ReadError{0, StringPrintf(TrText("stations", "StationXML ファイル %s を読めません").c_str(), path.c_str())};
    return ParseStationXml(text, path);
}

}  // namespace

Result<StationInventory> ParseStationXml(std::string_view text, const std::string& shownName) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), pugi::parse_default);
    if (!parsed)
        return ReadError{0, StringPrintf(TrText("stations", "StationXML %s は XML として読めません（%ld バイト目: %s）").c_str(),
                                         shownName.c_str(), static_cast<long>(parsed.offset), parsed.description())};
    const pugi::xml_node root = document.document_element();
    if (LocalName(root) != "FDSNStationXML")
        return ReadError{0, StringPrintf(TrText("stations", "%s は StationXML ではありません（根の要素が FDSNStationXML ではなく %s です）").c_str(),
                                         shownName.c_str(), root.name())};
    InventoryParser parser(shownName);
    for (pugi::xml_node network : root.children())
        if (!parser.error && LocalName(network) == "Network") parser.Network(network);
    if (parser.error) return *parser.error;
    parser.inventory.AddFile(shownName);
    return std::move(parser.inventory);
}

Result<StationInventory> ReadStationXmlPaths(const std::vector<std::string>& paths) {
    StationInventory all;
    for (const std::string& path : paths) {
        std::error_code ec;
        const bool folder = std::filesystem::is_directory(path, ec);
        const std::vector<std::string> files = folder ? XmlFilesOf(path) : std::vector<std::string>{path};
        if (folder && files.empty())
            return ReadError{0, StringPrintf(TrText("stations", "フォルダ %s に StationXML ファイル（*.xml）がありません").c_str(), path.c_str())};
        for (const std::string& file : files) {
            Result<StationInventory> one = ReadStationXmlFile(file);
            if (!one) return one.error();
            all.Merge(one.value());
        }
    }
    return all;
}

std::optional<std::int64_t> ParseXmlDateTime(std::string_view text) {
    using namespace std::chrono;
    bool ok = text.size() >= 10 && text[4] == '-' && text[7] == '-';
    const int y = Digits(text, 0, 4, ok), mo = Digits(text, 5, 2, ok), d = Digits(text, 8, 2, ok);
    int h = 0, mi = 0, s = 0;
    std::int64_t fraction = 0;
    std::size_t at = 10;
    if (ok && at < text.size() && text[at] == 'T') {
        ok = text.size() >= 19 && text[13] == ':' && text[16] == ':';
        h = Digits(text, 11, 2, ok);
        mi = Digits(text, 14, 2, ok);
        s = Digits(text, 17, 2, ok);
        at = 19;
        if (ok && at < text.size() && text[at] == '.') {
            std::int64_t scale = 100000;
            for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, scale /= 10)
                fraction += (text[at] - '0') * scale;
        }
    }
    if (at < text.size() && text[at] == 'Z') ++at;
    if (!ok || at != text.size()) return std::nullopt;
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(mo)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok() || h > 23 || mi > 59 || s > 60) return std::nullopt;
    const std::int64_t days = sys_days{ymd}.time_since_epoch().count();
    return ((days * 24 + h) * 60 + mi) * 60'000'000LL + s * 1'000'000LL + fraction;
}

std::string XmlDateTimeText(std::int64_t micros) {
    using namespace std::chrono;
    const std::int64_t perDay = 86'400'000'000LL;
    std::int64_t days = micros / perDay, rest = micros % perDay;
    if (rest < 0) {
        rest += perDay;
        --days;
    }
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    const std::int64_t secondsOfDay = rest / 1'000'000;
    return StringPrintf("%04d-%02u-%02uT%02d:%02d:%02d.%06dZ", static_cast<int>(ymd.year()),
                        static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                        static_cast<int>(secondsOfDay / 3600), static_cast<int>(secondsOfDay / 60 % 60),
                        static_cast<int>(secondsOfDay % 60), static_cast<int>(rest % 1'000'000));
}

}  // namespace tremblo
