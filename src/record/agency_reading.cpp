#include "record/agency_reading.h"

#include <algorithm>

#include "common/format.h"
#include "common/line_reader.h"
#include "input/memory_stream.h"
#include "input/record_file_source.h"
#include "common/translation.h"
#include "record/cosmos_reader.h"
#include "record/csmip_reader.h"
#include "record/esm_reader.h"
#include "record/geonet_reader.h"
#include "record/knet_csv_reader.h"
#include "record/peer_reader.h"
#include "record/mseed_reader.h"
#include "record/mseed_traces.h"
#include "record/sac_reader.h"
#include "record/smc_reader.h"

namespace tremblo {

std::string ImplausibleSampleMessage(std::string_view field, double gal) {
    const std::string shown(field.substr(0, 40));
    return StringPrintf(TrText("record", "値「%s」は %.6g gal になり、加速度としてありえません（欠測値か壊れた値です）").c_str(),
                        shown.c_str(), gal);
}

std::vector<std::string> ReadHeadLines(std::istream& in, int count) {
    std::vector<std::string> lines;
    LineReader reader(in, RECORD_LINE_LIMIT + 2, RECORD_LINE_LIMIT);
    std::string line;
    while (static_cast<int>(lines.size()) < count && reader.Next(line)) {
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

// Each test looks for its format's own marks; the order settles nothing,
// since no file carries two formats' marks.
std::optional<RecordFormat> DetectAgencyFormat(const std::vector<std::string>& head) {
    if (LooksLikeKnetCsv(head)) return RecordFormat::KnetCsv;
    if (LooksLikeEsm(head)) return RecordFormat::Esm;
    if (LooksLikePeer(head)) return RecordFormat::Peer;
    if (LooksLikeCosmos(head)) return RecordFormat::Cosmos;
    if (LooksLikeCsmip(head)) return RecordFormat::Csmip;
    if (LooksLikeSmc(head)) return RecordFormat::Smc;
    if (LooksLikeGeoNet(head)) return RecordFormat::GeoNet;
    if (LooksLikeSacText(head)) return RecordFormat::Sac;
    return std::nullopt;
}

std::optional<RecordFormat> DetectAgencyFormatOfBytes(std::string_view bytes) {
    if (LooksLikeSacBinary(bytes)) return RecordFormat::Sac;
    if (LooksLikeMiniSeed(bytes)) return RecordFormat::Mseed;
    MemoryStream in(bytes.substr(0, AGENCY_HEAD_BYTES));
    return DetectAgencyFormat(ReadHeadLines(in));
}

std::optional<RecordFormat> DetectAgencyFormatOfFile(const std::string& path) {
    DiskFileSource disk;
    const std::unique_ptr<std::istream> in = disk.Open(path);
    if (!in) return std::nullopt;
    return DetectAgencyFormatOfStream(*in);
}

std::optional<RecordFormat> DetectAgencyFormatOfStream(std::istream& in) {
    std::string head(AGENCY_HEAD_BYTES, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return DetectAgencyFormatOfBytes(head);
}

Result<AgencyFile> ReadAgencyFile(RecordFormat format, std::istream& in, AgencyReadOptions options) {
    switch (format) {
        case RecordFormat::Peer: return ReadPeerFile(in, options);
        case RecordFormat::Cosmos: return ReadCosmosFile(in, options);
        case RecordFormat::Csmip: return ReadCsmipFile(in, options);
        case RecordFormat::Smc: return ReadSmcFile(in, options);
        case RecordFormat::Esm: return ReadEsmFile(in, options);
        case RecordFormat::GeoNet: return ReadGeoNetFile(in, options);
        case RecordFormat::KnetCsv: return ReadKnetCsvFile(in, options);
        case RecordFormat::Sac: return ReadSacFile(in, options);
        case RecordFormat::Mseed: return ReadMseedFile(in, options);
        case RecordFormat::Knet:
        case RecordFormat::Hiroshima:
        case RecordFormat::Cdpc: break;
    }
    return ReadError{0, TrText("record", "このファイル形式は読み込めません")};
}

const char* FormatOptionName(RecordFormat format) {
    switch (format) {
        case RecordFormat::Knet: return "knet";
        case RecordFormat::Hiroshima: return "hiroshima";
        case RecordFormat::Cdpc: return "cdpc";
        case RecordFormat::Peer: return "peer";
        case RecordFormat::Cosmos: return "cosmos";
        case RecordFormat::Csmip: return "csmip";
        case RecordFormat::Smc: return "smc";
        case RecordFormat::Esm: return "esm";
        case RecordFormat::GeoNet: return "geonet";
        case RecordFormat::KnetCsv: return "knet-csv";
        case RecordFormat::Sac: return "sac";
        case RecordFormat::Mseed: return "mseed";
    }
    return "knet";
}

std::string FormatDisplayName(RecordFormat format) {
    switch (format) {
        case RecordFormat::Knet: return "K-NET/KiK-net";
        case RecordFormat::Hiroshima: return TrText("record", "広島市消防局");
        case RecordFormat::Cdpc: return TrText("record", "中央防災会議");
        case RecordFormat::Peer: return "PEER NGA (AT2)";
        case RecordFormat::Cosmos: return "COSMOS V1/V2";
        case RecordFormat::Csmip: return "CSMIP (CESMD) V1/V2";
        case RecordFormat::Smc: return "USGS SMC";
        case RecordFormat::Esm: return "ESM/ITACA ASCII";
        case RecordFormat::GeoNet: return "GeoNet V1A/V2A";
        case RecordFormat::KnetCsv: return "K-NET/KiK-net CSV";
        case RecordFormat::Sac: return "SAC";
        case RecordFormat::Mseed: return "miniSEED";
    }
    return {};
}

}  // namespace tremblo
