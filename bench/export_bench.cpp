// Exports of a generated event: RECORDS records (2520 by default, 300 s of
// three components at 100 Hz each, K-NET-like station codes) written as
// miniSEED with StationXML and as SAC files into FOLDER, one after another
// on one core; prints records per second of each, encoding alone (bytes
// in memory) and with the files written (which the disk decides). Run by hand:
//   cmake --build build --target export_bench && build/bench/export_bench [RECORDS] [FOLDER]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "common/atomic_file.h"
#include "common/format.h"
#include "record/mseed_export.h"
#include "record/sac_export.h"
#include "synthetic_record.h"

namespace {

constexpr int kSamples = 30000;

// Station i of the event: its code, position and the record's start.
void MakeStation(tremblo::SeismicRecord& r, int i) {
    r.stationCode = tremblo::StringPrintf("BEN%03d", i % 1000).c_str();
    r.stationLat = 35.0f + 0.001f * static_cast<float>(i);
    r.stationLon = 139.0f + 0.001f * static_cast<float>(i);
    r.stationHeight = i % 300;
    r.recordDate = "2024/11/05";
    r.recordTime = "10:12:00";
    r.originDate = "2024/11/05";
    r.originTime = "10:11:40";
    r.sampleCount = kSamples;
    r.recordLoaded = true;
}

template <typename Export>
double RecordsPerSecond(tremblo::SeismicRecord& r, int records, Export write) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < records; ++i) {
        MakeStation(r, i);
        if (!write(r, tremblo::StringPrintf("BEN%04d", i))) {
            std::fprintf(stderr, "record %d not written\n", i);
            std::exit(1);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return records / seconds;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tremblo;
    const int records = argc > 1 ? std::atoi(argv[1]) : 2520;
    const std::filesystem::path folder = argc > 2 ? argv[2] : "/tmp/tremblo-export-bench";
    std::filesystem::create_directories(folder / "mseed");
    std::filesystem::create_directories(folder / "sac");
    auto record = std::make_unique<SeismicRecord>();
    FillSyntheticRecord(*record);
    // Encoding alone (the files' bytes in memory), then writing the files.
    std::size_t bytes = 0;
    const double mseedEncoded = RecordsPerSecond(*record, records, [&](const SeismicRecord& r, const std::string& name) {
        const std::optional<MseedExportFiles> files = RecordMseedFiles(r, name);
        if (files) bytes += files->mseedBytes.size() + files->xmlText.size();
        return files.has_value();
    });
    const double sacEncoded = RecordsPerSecond(*record, records, [&](const SeismicRecord& r, const std::string& name) {
        const std::vector<SacFile> files = RecordSacFiles(r, name);
        for (const SacFile& f : files) bytes += f.bytes.size();
        return !files.empty();
    });
    const double mseed = RecordsPerSecond(*record, records, [&](const SeismicRecord& r, const std::string& name) {
        const std::optional<MseedExportFiles> files = RecordMseedFiles(r, name);
        return files && WriteFileAtomically((folder / "mseed" / files->mseedName).string(), files->mseedBytes) &&
               WriteFileAtomically((folder / "mseed" / files->xmlName).string(), files->xmlText);
    });
    const double sac = RecordsPerSecond(*record, records, [&](const SeismicRecord& r, const std::string& name) {
        const std::vector<SacFile> files = RecordSacFiles(r, name);
        for (const SacFile& f : files)
            if (!WriteFileAtomically((folder / "sac" / f.name).string(), f.bytes)) return false;
        return !files.empty();
    });
    std::printf("%d records of 3 x %d samples, one core, files in %s (%zu bytes encoded)\n", records, kSamples,
                folder.c_str(), bytes);
    std::printf("                       encoded    written\n");
    std::printf("miniSEED + StationXML: %7.0f    %7.0f records/s\n", mseedEncoded, mseed);
    std::printf("SAC:                   %7.0f    %7.0f records/s\n", sacEncoded, sac);
    std::printf("miniSEED / SAC:        %7.2f    %7.2f\n", mseedEncoded / sacEncoded, mseed / sac);
    return 0;
}
