#include "support/text_fixtures.h"

#include <algorithm>
#include <cstdio>

namespace tremblo::testing {

namespace {

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

}  // namespace

std::string ValueLines(const std::vector<double>& values, const char* format, int perLine) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += Printed(format, values[i]);
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == values.size()) text += '\n';
    }
    return text;
}

std::string PeerText(const PeerFixture& f) {
    std::string countLine = f.countLine;
    if (countLine.empty()) {
        char text[80];
        std::snprintf(text, sizeof(text), "NPTS=%7d, DT=%9s SEC", static_cast<int>(f.values.size()), f.dtText.c_str());
        countLine = text;
    }
    return f.title + "\n" + f.eventLine + "\n" + f.quantityLine + "\n" + countLine + "\n" +
           ValueLines(f.values, f.valueFormat, 5);
}

EsmFixture TypicalEsmFixture(std::vector<double> values) {
    EsmFixture f;
    f.keys = {{"EVENT_NAME", "CENTRAL_ITALY"},
              {"EVENT_ID", "IT-2009-0009"},
              {"EVENT_DATE_YYYYMMDD", "20090406"},
              {"EVENT_TIME_HHMMSS", "013239"},
              {"EVENT_LATITUDE_DEGREE", "42.3420"},
              {"EVENT_LONGITUDE_DEGREE", "13.3800"},
              {"EVENT_DEPTH_KM", "8.3"},
              {"HYPOCENTER_REFERENCE", ""},
              {"MAGNITUDE_W", "6.1"},
              {"MAGNITUDE_W_REFERENCE", ""},
              {"MAGNITUDE_L", "5.9"},
              {"FOCAL_MECHANISM", "Normal faulting"},
              {"NETWORK", "IT"},
              {"STATION_CODE", "AQK"},
              {"STATION_NAME", "L'AQUILA - V. AQUILIO"},
              {"STATION_LATITUDE_DEGREE", "42.345110"},
              {"STATION_LONGITUDE_DEGREE", "13.401350"},
              {"STATION_ELEVATION_M", "726"},
              {"LOCATION", ""},
              {"SENSOR_DEPTH_M", ""},
              {"VS30_M/S", "717"},
              {"SITE_CLASSIFICATION_EC8", "B*"},
              {"MORPHOLOGIC_CLASSIFICATION", "T1"},
              {"EPICENTRAL_DISTANCE_KM", "1.8"},
              {"EARTHQUAKE_BACKAZIMUTH_DEGREE", "283.0"},
              {"DATE_TIME_FIRST_SAMPLE_YYYYMMDD_HHMMSS", "20090406_013240.000"},
              {"DATE_TIME_FIRST_SAMPLE_PRECISION", "milliseconds"},
              {"SAMPLING_INTERVAL_S", "0.005000"},
              {"NDATA", std::to_string(values.size())},
              {"DURATION_S", "100.000"},
              {"STREAM", "HNE"},
              {"UNITS", "cm/s^2"},
              {"INSTRUMENT", "sensor = Unknown [Unknown] | digitizer = Unknown [Unknown]"},
              {"INSTRUMENT_ANALOG/DIGITAL", "D"},
              {"INSTRUMENTAL_FREQUENCY_HZ", ""},
              {"INSTRUMENTAL_DAMPING", ""},
              {"FULL_SCALE_G", ""},
              {"N_BIT_DIGITAL_CONVERTER", ""},
              {"PGA_CM/S^2", "-346.129"},
              {"TIME_PGA_S", "5.355"},
              {"BASELINE_CORRECTION", "BASELINE REMOVED"},
              {"FILTER_TYPE", "BUTTERWORTH"},
              {"FILTER_ORDER", "2"},
              {"LOW_CUT_FREQUENCY_HZ", "0.100"},
              {"HIGH_CUT_FREQUENCY_HZ", "30.000"},
              {"LATE/NORMAL_TRIGGERED", "NT"},
              {"DATABASE_VERSION", "ESM 2018"},
              {"HEADER_FORMAT", "DYNA 1.2"},
              {"DATA_TYPE", "ACCELERATION"},
              {"PROCESSING", "manual (Paolucci et al., 2011)"},
              {"DATA_TIMESTAMP_YYYYMMDD_HHMMSS", "20180530_114302.151"},
              {"USER1", ""},
              {"USER2", ""},
              {"USER3", ""},
              {"USER4", ""},
              {"USER5", ""}};
    f.values = std::move(values);
    return f;
}

void SetKey(KeyValues& keys, const std::string& key, const std::string& value) {
    for (auto& [k, v] : keys)
        if (k == key) {
            v = value;
            return;
        }
    keys.emplace_back(key, value);
}

void RemoveKey(KeyValues& keys, const std::string& key) {
    keys.erase(std::remove_if(keys.begin(), keys.end(), [&key](const auto& kv) { return kv.first == key; }),
               keys.end());
}

std::string EsmText(const EsmFixture& f) {
    std::string text;
    for (const auto& [key, value] : f.keys) text += key + ": " + value + "\n";
    return text + ValueLines(f.values, f.valueFormat, 1);
}

KnetCsvFixture TypicalKnetCsvFixture(std::vector<std::vector<double>> channels) {
    KnetCsvFixture f;
    const std::size_t rows = channels.empty() ? 0 : channels[0].size();
    f.header = {{"OriginTime", "2011/03/11 14:46:00"},
                {"Lat.", "38.103"},
                {"Long.", "142.860"},
                {"Depth(km)", "24"},
                {"Mag.", "9.0"},
                {"StationCode", "MYG004"},
                {"StationLat.", "38.7262"},
                {"StationLong.", "141.5109"},
                {"StationHeight(m)", "79"},
                {"RecordTime", "2011/03/11 14:46:15"},
                {"SamplingFrequency(Hz)", "100Hz"},
                {"DurationTime(s)", "300"},
                {"NumberOfSamples", std::to_string(rows)}};
    f.columns = {"N-S(gal)", "E-W(gal)", "U-D(gal)"};
    f.channels = std::move(channels);
    return f;
}

std::string KnetCsvText(const KnetCsvFixture& f) {
    std::string text = f.firstLine + "\n";
    for (const auto& [name, value] : f.header) text += "#" + name + "," + value + "\n";
    text += "Time,RelativeTime(s)";
    for (const std::string& column : f.columns) text += "," + column;
    text += "\n";
    const std::size_t rows = f.channels.empty() ? 0 : f.channels[0].size();
    for (std::size_t i = 0; i < rows; ++i) {
        const double t = static_cast<double>(i) / f.samplingHz;
        char time[64];
        std::snprintf(time, sizeof(time), "2011/03/11 14:%02d:%05.2f,%.2f", 46 + static_cast<int>(15 + t) / 60,
                      15.0 + t - 60.0 * (static_cast<int>(15 + t) / 60), t);
        text += time;
        for (const std::vector<double>& channel : f.channels) text += "," + Printed(f.valueFormat, channel[i]);
        text += "\n";
    }
    return text;
}

std::vector<std::vector<std::string>> OtherFormatHeads() {
    return {
        {"Origin Time       2006/01/18 23:25:00", "Lat.              37.798", "Lon.              142.200",
         "Depth. (km)       36", "Mag.              5.7", "Station Code      MYG002", "Station Lat.      38.7262",
         "Station Lon.      141.5109", "Station Height(m) 79", "Record Time       2006/01/18 23:25:46",
         "Sampling Freq(Hz) 100Hz", "Duration Time(s)  108", "Dir.              N-S",
         "Scale Factor      3920(gal)/6182761", "Max. Acc. (gal)   48.060", "Last Correction   2006/01/18 23:25:31",
         "Memo.", "    8009     9006     7998     8001     8009     8007     8002     8005"},
        {" NDATA= 24 dT=0.01", "    1.0000   -2.5000   10.2500 -100.0000    0.0000    3.0000   -4.0000    5.5000"},
        {"HRS01,Naka", "2001/03/24", "15:28:00", "6000", "10", "1.25 -0.5 0.75"},
        {"Corrected acceleration    (Format v01.20 with 13 text lines) Src: 58375.v2",
         "Loma Prieta earthquake    Record of 10/18/1989 00:04 GMT", "Hypocenter: 37.040 -121.883 H= 18km Mw=6.9"},
        {"CORRECTED ACCELEROGRAM 47379-S1009-89291.01 CHAN 1: 90 DEG",
         "LOMA PRIETA EARTHQUAKE OCT 17, 1989 17:04 PDT", "GILROY - ARRAY #1 (STATION 47379)"},
        {"2 CORRECTED ACCELEROGRAM", "   1 GIL", "LOMA PRIETA", "   ATTENTION:"},
        {"20110222_235142_CBGS_S1W.V2A", "Christchurch Botanic Gardens", "Site CBGS  Instrument  Processed"},
    };
}

std::vector<std::string> HeadOf(const std::string& text) {
    std::vector<std::string> head;
    std::size_t start = 0;
    while (start < text.size() && head.size() < 40) {
        const std::size_t end = text.find('\n', start);
        head.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return head;
}

}  // namespace tremblo::testing
