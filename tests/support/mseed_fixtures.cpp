#include "support/mseed_fixtures.h"

#include <libmseed.h>

#include <cstring>
#include <map>
#include <stdexcept>

namespace tremblo::testing {

namespace {

void Append(char* record, int length, void* out) { static_cast<std::string*>(out)->append(record, static_cast<std::size_t>(length)); }

void Copy(char (&field)[11], const std::string& text) {
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text.data(), std::min<std::size_t>(text.size(), 10));
}

}  // namespace

std::string MseedBytes(const MseedChannelFixture& f) {
    std::vector<std::int32_t> counts = f.counts;
    std::vector<float> floats(counts.begin(), counts.end());
    MSRecord* msr = msr_init(nullptr);
    Copy(msr->network, f.network);
    Copy(msr->station, f.station);
    Copy(msr->location, f.location);
    Copy(msr->channel, f.channel);
    msr->dataquality = 'D';
    msr->starttime = f.startMicros;
    msr->samprate = f.sampleRate;
    msr->reclen = f.recordLength;
    msr->byteorder = 1;
    msr->numsamples = static_cast<std::int64_t>(counts.size());
    switch (f.encoding) {
        case MseedEncoding::Steim1: msr->encoding = DE_STEIM1; break;
        case MseedEncoding::Steim2: msr->encoding = DE_STEIM2; break;
        case MseedEncoding::Int32: msr->encoding = DE_INT32; break;
        case MseedEncoding::Float32: msr->encoding = DE_FLOAT32; break;
    }
    if (f.encoding == MseedEncoding::Float32) {
        msr->datasamples = floats.data();
        msr->sampletype = 'f';
    } else {
        msr->datasamples = counts.data();
        msr->sampletype = 'i';
    }
    std::string bytes;
    std::int64_t packed = 0;
    const int records = msr_pack(msr, Append, &bytes, &packed, 1, 0);
    msr->datasamples = nullptr;
    msr_free(&msr);
    if (records < 0 || packed != static_cast<std::int64_t>(counts.size())) throw std::runtime_error("msr_pack failed");
    return bytes;
}

std::vector<std::int32_t> FixtureCounts(int n, std::int32_t step, std::int32_t offset) {
    std::vector<std::int32_t> counts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) counts[static_cast<std::size_t>(i)] = (i % 2 == 0 ? 1 : -1) * (i * step + offset);
    return counts;
}

std::string StationXmlDocument(const std::vector<XmlChannelFixture>& channels) {
    std::map<std::string, std::map<std::string, std::string>> stations;  // network -> station -> channels
    std::map<std::string, std::string> stationHead;
    for (const XmlChannelFixture& c : channels) {
        std::string& text = stations[c.network][c.station];
        if (text.empty()) {
            std::string head = "   <Station code=\"" + c.station + "\"";
            if (!c.alternateCode.empty()) head += " alternateCode=\"" + c.alternateCode + "\"";
            head += ">\n    <Latitude>" + c.latitude + "</Latitude>\n    <Longitude>" + c.longitude +
                    "</Longitude>\n    <Elevation>" + c.elevation + "</Elevation>\n    <Site><Name>Test site</Name></Site>\n";
            stationHead[c.network + "." + c.station] = head;
        }
        text += "    <Channel code=\"" + c.channel + "\" locationCode=\"" + c.location + "\" startDate=\"" + c.startDate + "\"";
        if (!c.endDate.empty()) text += " endDate=\"" + c.endDate + "\"";
        text += ">\n     <Latitude>" + c.latitude + "</Latitude>\n     <Longitude>" + c.longitude +
                "</Longitude>\n     <Elevation>" + c.elevation + "</Elevation>\n     <Depth>0</Depth>\n";
        if (!c.azimuth.empty()) text += "     <Azimuth>" + c.azimuth + "</Azimuth>\n";
        if (!c.dip.empty()) text += "     <Dip>" + c.dip + "</Dip>\n";
        text += "     <SampleRate>100</SampleRate>\n     <Response>\n      <InstrumentSensitivity>\n";
        if (!c.sensitivity.empty()) text += "       <Value>" + c.sensitivity + "</Value>\n";
        text += "       <Frequency>1.0</Frequency>\n       <InputUnits><Name>" + c.inputUnits +
                "</Name></InputUnits>\n       <OutputUnits><Name>COUNTS</Name></OutputUnits>\n"
                "      </InstrumentSensitivity>\n     </Response>\n    </Channel>\n";
    }
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<FDSNStationXML xmlns=\"http://www.fdsn.org/xml/station/1\" schemaVersion=\"1.2\">\n"
                      " <Source>test</Source>\n <Created>2020-01-01T00:00:00</Created>\n";
    for (const auto& [network, byStation] : stations) {
        xml += "  <Network code=\"" + network + "\">\n";
        for (const auto& [station, text] : byStation) xml += stationHead[network + "." + station] + text + "   </Station>\n";
        xml += "  </Network>\n";
    }
    return xml + "</FDSNStationXML>\n";
}

std::string ThreeChannelMseed(const std::string& station, int n, std::int32_t step) {
    std::string bytes;
    for (const char* code : {"HNN", "HNE", "HNZ"}) {
        MseedChannelFixture f;
        f.station = station;
        f.channel = code;
        f.counts = FixtureCounts(n, step, code[2]);
        bytes += MseedBytes(f);
    }
    return bytes;
}

std::vector<XmlChannelFixture> ThreeXmlChannels(const std::string& station, const std::string& band) {
    std::vector<XmlChannelFixture> channels(3);
    const char* orientation[] = {"N", "E", "Z"};
    const char* azimuth[] = {"0", "90", "0"};
    const char* dip[] = {"0", "0", "-90"};
    for (int i = 0; i < 3; ++i) {
        channels[static_cast<std::size_t>(i)].station = station;
        channels[static_cast<std::size_t>(i)].channel = band + orientation[i];
        channels[static_cast<std::size_t>(i)].azimuth = azimuth[i];
        channels[static_cast<std::size_t>(i)].dip = dip[i];
    }
    return channels;
}

}  // namespace tremblo::testing
