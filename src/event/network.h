#pragma once
// The observation network a record of an event comes from.
#include <string_view>

namespace tremblo {

// The agency formats' records count by format: a file states its own
// network at best, and the list groups what came in one kind of file.
enum class Network { Knet, KikSurface, KikBorehole, Hiroshima, Cdpc, Peer, Cosmos, Csmip, Smc, Esm, GeoNet, KnetCsv };

// From the summary's `file` and `format` cells. The format names the
// Hiroshima ("hiroshima") and Central Disaster Prevention Council ("cdpc")
// records, and those of the agency formats ("peer", "cosmos", "csmip",
// "smc", "esm", "geonet", "knet-csv"); otherwise the file's extension decides, in any letter case and
// with a trailing .gz ignored: X.NS/X.EW/X.UD are K-NET, *.NS1/EW1/UD1
// KiK-net borehole, *.NS2/EW2/UD2 KiK-net surface. A file inside an archive
// ("ARCHIVE:INNER:MEMBER") counts by its last part only.
Network NetworkOf(std::string_view file, std::string_view formatCell);

// The network's name as the event list shows it, in Japanese: TrText("event", ...)
// gives it in the language in use.
const char* NetworkText(Network network);

// The networks of the agency formats.
bool IsAgencyNetwork(Network network);

}  // namespace tremblo
