#include "support/fixed_format_fixtures.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "common/format.h"

namespace tremblo::testing {

namespace {

std::string Printf(const char* format, double value) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string PrintfInt(const char* format, long long value) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// `values` written `perLine` to a line with `format` each.
void WriteValues(std::string& out, const std::vector<double>& values, int perLine, const char* format) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += Printf(format, values[i]);
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == values.size()) out += '\n';
    }
}

void WriteIntegers(std::string& out, const std::vector<long long>& values, int perLine, const char* format) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += PrintfInt(format, values[i]);
        if ((i + 1) % static_cast<std::size_t>(perLine) == 0 || i + 1 == values.size()) out += '\n';
    }
}

std::string Padded(std::string line, std::size_t width = 80) {
    if (line.size() < width) line.append(width - line.size(), ' ');
    return line + "\n";
}

}  // namespace

std::string WriteCosmosFile(const std::vector<CosmosFixtureChannel>& channels) {
    std::string out;
    int number = 0;
    for (const CosmosFixtureChannel& c : channels) {
        ++number;
        const char* type = c.stage == 2 ? "Corrected acceleration" : c.stage == 1 ? "Uncorrected acceleration"
                                                                                  : "Raw acceleration counts";
        out += Padded(std::string(type) + std::string(25 - std::string(type).size(), ' ') +
                      "(Format v01.20 with 13 text lines) Src: test");
        out += Padded("Test earthquake            Jan 02, 2020 03:04:05 UTC");
        out += Padded("Hypocenter: 37.000  -122.000  H= 10km M=5.0");
        out += Padded("Origin: 01/02/2020, 03:04:05.0 UTC");
        out += Padded("Statn No: 01- 12345  Code: CE-12345  Test Station");
        out += Padded("Coords: 37.1000  -122.1000  Site geology: unknown");
        out += Padded("Recorder: test  s/n 1 ( 3 Chns of  3 at Sta) Sensor: test");
        out += Padded("Rcrd start time: 01/02/2020, 03:04:00.000 UTC (Q=5)");
        const bool degrees = !c.direction.empty() && std::isdigit(static_cast<unsigned char>(c.direction[0]));
        out += Padded(PrintfInt("Sta Chan %2lld:  ", number) + c.direction + (degrees ? " deg" : "") +
                      " (Rcrdr Chan  1) Location: free field");
        out += Padded("Raw record length = 10.000 sec, Uncor max = 100 counts");
        out += Padded("Processed: 01/03/20 test");
        out += Padded("Record filtered below 0.10 Hz and above 25.0 Hz");
        out += Padded("Values used when parameter or data value is unknown/unspecified:   -999, -999.0");
        std::vector<long long> ints(100, -999);
        ints[0] = c.stage;
        ints[1] = 1;
        ints[2] = c.unitsCode;
        ints[3] = 120;
        out += Padded(" 100 Integer-header values follow on  10 lines, Format= (10I8)");
        WriteIntegers(out, ints, 10, "%8lld");
        std::vector<double> reals(100, -999.0);
        reals[61] = c.interval;
        reals[62] = c.interval * static_cast<double>(c.acceleration.size());
        out += Padded(" 100 Real-header values follow on  17 lines, Format= (6(1X,F12.6))");
        WriteValues(out, reals, 6, " %12.6f");
        out += Padded("   1 Comment line(s) follow, each starting with a \"|\":");
        out += Padded("| written for the tests");
        const double seconds = c.acceleration.size() * (c.interval < 1.0 ? c.interval : c.interval / 1000.0);
        out += Padded(PrintfInt("%8lld acceleration pts, approx ", static_cast<long long>(c.acceleration.size())) +
                      Printf("%4.0f secs, units=", seconds) + c.unitsText + PrintfInt(" (%02lld), Format=(8F10.5)", c.unitsCode));
        WriteValues(out, c.acceleration, 8, "%10.5f");
        const struct { int count; const char* name; const char* units; } more[2] = {
            {c.velocityCount, "velocity", "cm/sec (05)"}, {c.displacementCount, "displacement", "cm (06)"}};
        for (const auto& block : more) {
            if (block.count == 0) continue;
            if (c.endAfterEachBlock) out += Padded(PrintfInt("End-of-data for Chan %2lld acceleration", number));
            out += Padded(PrintfInt("%8lld ", block.count) + block.name + Printf(" pts, approx %4.0f secs, units=", seconds) +
                          block.units + ", Format=(8F10.5)");
            WriteValues(out, std::vector<double>(static_cast<std::size_t>(block.count), 0.125), 8, "%10.5f");
        }
        out += Padded(PrintfInt("End-of-data for Chan %2lld acceleration", number));
    }
    return out;
}

std::string WriteCsmipFile(const std::vector<CsmipFixtureChannel>& channels) {
    std::string out;
    int number = 0;
    for (const CsmipFixtureChannel& c : channels) {
        ++number;
        out += Padded(c.corrected ? "CORRECTED ACCELEROGRAM DATA" : "UNCORRECTED ACCELEROGRAM DATA");
        for (int line = 2; line <= 8; ++line) out += Padded(PrintfInt("Text header line %lld", line));
        out += Padded(PrintfInt("Chan %2lld: ", number) + c.direction);
        out += Padded(Printf("At equally-spaced intervals of %5.3f sec.", c.dt));
        for (int line = 11; line <= 25; ++line) out += Padded(PrintfInt("Text header line %lld", line));
        std::vector<long long> ints(100, 0);
        ints[0] = number;
        WriteIntegers(out, ints, 16, "%5lld");
        WriteValues(out, std::vector<double>(100, 0.0), 8, "%10.3f");
        std::string units = c.units.empty() ? "" : ", in " + c.units;
        out += Padded(PrintfInt("%6lld points of accel data equally spaced at ", static_cast<long long>(c.acceleration.size())) +
                      Printf("%5.3f sec", c.dt) + units + ".");
        WriteValues(out, c.acceleration, 8, "%10.3f");
        if (c.velocityCount > 0) {
            out += Padded(PrintfInt("%6lld points of veloc data equally spaced at ", c.velocityCount) +
                          Printf("%5.3f sec, in cm/sec.", c.dt));
            WriteValues(out, std::vector<double>(static_cast<std::size_t>(c.velocityCount), 1.5), 8, "%10.3f");
        }
        if (c.displacementCount > 0) {
            out += Padded(PrintfInt("%6lld points of displ data equally spaced at ", c.displacementCount) +
                          Printf("%5.3f sec, in cm.", c.dt));
            WriteValues(out, std::vector<double>(static_cast<std::size_t>(c.displacementCount), -0.25), 8, "%10.3f");
        }
        out += "/&\n";
    }
    return out;
}

std::string WriteSmcFile(const SmcFixture& f) {
    std::string out = Padded(PrintfInt("%lld ", f.typeCode) + f.typeText);
    for (int line = 2; line <= 11; ++line) out += Padded(PrintfInt("smc text line %lld", line));
    std::vector<long long> ints(48, -32768);
    ints[15] = static_cast<long long>(f.comments.size());
    ints[16] = static_cast<long long>(f.acceleration.size());
    WriteIntegers(out, ints, 8, "%10lld");
    std::vector<double> reals(50, 1.7e38);
    reals[1] = f.samplesPerSecond;
    WriteValues(out, reals, 5, "%15.7E");
    for (const std::string& comment : f.comments) out += comment + "\n";
    WriteValues(out, f.acceleration, 8, "%10.4f");
    return out;
}

std::string WriteGeoNetFile(const std::vector<GeoNetFixtureComponent>& components) {
    std::string out;
    for (const GeoNetFixtureComponent& c : components) {
        out += Padded("TEST STRONG MOTION RECORD");
        out += Padded("Site LRSC  43 32 47S 172 37 45E   file: test");
        for (int line = 3; line <= 4; ++line) out += Padded(PrintfInt("text line %lld", line));
        out += Padded("Epicentre bearing N61E from the site");  // a bearing that is not the component's
        out += Padded("Component " + c.direction + "  test instrument");
        for (int line = 7; line <= 10; ++line) out += Padded(PrintfInt("text line %lld", line));
        out += Padded(StringPrintf("Instrument corrected data at %.4f sec intervals", c.dt));
        for (int line = 12; line <= 16; ++line) out += Padded(PrintfInt("text line %lld", line));
        const long long vc = c.velocityCount, dc = c.displacementCount;
        const std::vector<long long> ints{2010, 9,  3,  16, 35, 420, 0,  0,  2010, 9,
                                          43,   33, 36, 172, 10, 48, 11, -1, 3,    16,
                                          43,   32, 47, 172, 37, 45, 51, c.bearing, 130, 38,
                                          static_cast<long long>(c.acceleration.size()), 0, 0,
                                          static_cast<long long>(c.acceleration.size()), vc, dc, 0, 0, 35, 38392};
        WriteIntegers(out, ints, 10, "%8lld");
        std::vector<double> reals(60, 0.0);
        reals[0] = 50.0;
        reals[1] = 0.7;
        reals[14] = 7.1;  // magnitude
        reals[23] = c.dt * static_cast<double>(c.acceleration.size() > 0 ? c.acceleration.size() - 1 : 0);
        reals[25] = c.dt;
        WriteValues(out, reals, 10, "%8.3f");
        WriteValues(out, c.acceleration, 10, "%8.1f");
        WriteValues(out, std::vector<double>(static_cast<std::size_t>(vc), 2.0), 10, "%8.1f");
        WriteValues(out, std::vector<double>(static_cast<std::size_t>(dc), -3.0), 10, "%8.1f");
    }
    return out;
}

std::vector<double> TestSignal(int count, double peak) {
    std::vector<double> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        values[static_cast<std::size_t>(i)] =
            std::round(peak * std::sin(0.05 * i) * std::cos(0.013 * i) * 1000.0) / 1000.0;
    return values;
}

std::vector<std::string> HeadLines(const std::string& text, int count) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (static_cast<int>(lines.size()) < count && std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::vector<std::vector<std::string>> ForeignHeads() {
    std::vector<std::string> knet{"Origin Time       2024/01/01 16:10:00", "Lat.              37.496",
                                  "Long.             137.270",           "Depth. (km)       16",
                                  "Mag.              7.6",               "Station Code      ISK006",
                                  "Station Lat.      37.2980",           "Station Long.     136.7706",
                                  "Station Height(m) 10",                "Record Time       2024/01/01 16:10:24",
                                  "Sampling Freq(Hz) 100Hz",             "Duration Time(s)  300",
                                  "Dir.              N-S",               "Scale Factor      3920(gal)/6170270",
                                  "Max. Acc. (gal)   2677.862",          "Last Correction   2024/01/01 16:10:09",
                                  "Memo."};
    for (int i = 0; i < 23; ++i) knet.push_back("   -2215   -2208   -2204   -2202   -2203   -2204   -2205   -2206");
    std::vector<std::string> cdpc{" NDATA= 16000 dT=0.01"};
    for (int i = 0; i < 39; ++i) cdpc.push_back("    1.0000   -2.5000   10.2500 -100.0000    0.0000    3.0000   -4.0000    5.5000");
    std::vector<std::string> hiroshima{"2001/03/24,15:28:00,100,6000,Hiroshima"};
    for (int i = 0; i < 39; ++i) hiroshima.push_back("0.12,-0.34,0.56");
    return {knet, cdpc, hiroshima};
}

std::string DifferenceButSamples(const AgencyChannel& a, const AgencyChannel& b) {
    const ChannelHeader& x = a.header;
    const ChannelHeader& y = b.header;
    std::string out;
    auto check = [&out](bool same, const char* name) {
        if (!same) out += std::string(name) + " ";
    };
    check(a.dt == b.dt, "dt");
    check(a.statedCount == b.statedCount, "statedCount");
    check(a.firstDataLine == b.firstDataLine, "firstDataLine");
    check(x.network == y.network && x.stationCode == y.stationCode && x.stationName == y.stationName, "station");
    check(x.stationLat == y.stationLat && x.stationLon == y.stationLon && x.stationElevationM == y.stationElevationM,
          "station place");
    check(x.eventName == y.eventName && x.eventId == y.eventId && x.originTime == y.originTime, "event");
    check(x.epicenterLat == y.epicenterLat && x.epicenterLon == y.epicenterLon && x.depthKm == y.depthKm, "epicentre");
    check(x.magnitude == y.magnitude && x.magnitudeType == y.magnitudeType, "magnitude");
    check(x.firstSampleTime == y.firstSampleTime, "firstSampleTime");
    check(x.componentName == y.componentName && x.azimuthDeg == y.azimuthDeg && x.vertical == y.vertical, "component");
    check(x.processingStage == y.processingStage, "processingStage");
    return out;
}

std::string ReplaceLine(const std::string& text, int line, const std::string& with) {
    std::istringstream in(text);
    std::string out, current;
    for (int n = 1; std::getline(in, current); ++n) out += (n == line ? with : current) + "\n";
    return out;
}

std::string RemoveLine(const std::string& text, int line) {
    std::istringstream in(text);
    std::string out, current;
    for (int n = 1; std::getline(in, current); ++n)
        if (n != line) out += current + "\n";
    return out;
}

std::string InsertLine(const std::string& text, int before, const std::string& line) {
    std::istringstream in(text);
    std::string out, current;
    for (int n = 1; std::getline(in, current); ++n) {
        if (n == before) out += line + "\n";
        out += current + "\n";
    }
    return out;
}

std::string LineOf(const std::string& text, int line) {
    std::istringstream in(text);
    std::string current;
    for (int n = 1; std::getline(in, current); ++n)
        if (n == line) return current;
    return {};
}

std::string CutAfterLine(const std::string& text, int line) {
    std::istringstream in(text);
    std::string out, current;
    for (int n = 1; n <= line && std::getline(in, current); ++n) out += current + "\n";
    return out;
}

int LineContaining(const std::string& text, const std::string& marker, int from) {
    std::istringstream in(text);
    std::string current;
    for (int n = 1; std::getline(in, current); ++n)
        if (n >= from && current.find(marker) != std::string::npos) return n;
    return 0;
}

}  // namespace tremblo::testing
