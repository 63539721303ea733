#include "event/network.h"

#include <utility>

#include "common/path_text.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// The member's own name: after the last archive separator and the last folder.
std::string_view LastNamePart(std::string_view file) {
    const std::size_t colon = file.rfind(':');
    if (colon != std::string_view::npos) file.remove_prefix(colon + 1);
    return FileNamePart(file);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && EqualIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

// The extension of the name without a trailing .gz ("" when it has none).
std::string_view RecordExtension(std::string_view name) {
    if (EndsWithIgnoringCase(name, ".gz")) name.remove_suffix(3);
    const std::size_t period = name.rfind('.');
    return period == std::string_view::npos ? std::string_view() : name.substr(period + 1);
}

bool IsComponentName(std::string_view twoLetters) {
    for (const char* component : {"NS", "EW", "UD"})
        if (EqualIgnoringAsciiCase(twoLetters, component)) return true;
    return false;
}

}  // namespace

Network NetworkOf(std::string_view file, std::string_view formatCell) {
    if (formatCell == "hiroshima") return Network::Hiroshima;
    if (formatCell == "cdpc") return Network::Cdpc;
    static constexpr std::pair<std::string_view, Network> kAgency[] = {
        {"peer", Network::Peer}, {"cosmos", Network::Cosmos}, {"csmip", Network::Csmip}, {"smc", Network::Smc},
        {"esm", Network::Esm},   {"geonet", Network::GeoNet}, {"knet-csv", Network::KnetCsv}};
    for (const auto& [name, network] : kAgency)
        if (formatCell == name) return network;
    const std::string_view extension = RecordExtension(LastNamePart(file));
    if (extension.size() == 3 && IsComponentName(extension.substr(0, 2))) {
        if (extension[2] == '1') return Network::KikBorehole;
        if (extension[2] == '2') return Network::KikSurface;
    }
    return Network::Knet;
}

const char* NetworkText(Network network) {
    switch (network) {
        case Network::Knet: return "K-NET";
        case Network::KikSurface: return QT_TRANSLATE_NOOP("event", "KiK-net 地表");
        case Network::KikBorehole: return QT_TRANSLATE_NOOP("event", "KiK-net 地中");
        case Network::Hiroshima: return QT_TRANSLATE_NOOP("event", "広島市");
        case Network::Cdpc: return QT_TRANSLATE_NOOP("event", "中央防災会議");
        case Network::Peer: return "PEER";
        case Network::Cosmos: return "COSMOS";
        case Network::Csmip: return "CSMIP";
        case Network::Smc: return "USGS SMC";
        case Network::Esm: return "ESM";
        case Network::GeoNet: return "GeoNet";
        case Network::KnetCsv: return "K-NET CSV";
    }
    return "";
}

bool IsAgencyNetwork(Network network) {
    return network != Network::Knet && network != Network::KikSurface && network != Network::KikBorehole &&
           network != Network::Hiroshima && network != Network::Cdpc;
}

}  // namespace tremblo
