// Writes a folder of record files for the batch's throughput on a mixed
// folder (bench/mixed_folder_throughput.sh):
//   make_mixed_folder FOLDER MANIFEST mixed|knet RECORDS [SAMPLES]
// "mixed" takes the kinds in turn, record by record: K-NET ASCII triples
// (X.NS X.EW X.UD), PEER .AT2 triples, ESM triples, and COSMOS, CSMIP,
// GeoNet and K-NET CSV files of three channels and SMC files of one;
// "knet" writes K-NET ASCII triples only. Every channel holds SAMPLES
// samples (6000). MANIFEST gets one line per file, "RECORD<TAB>FORMAT<TAB>
// NAME", so that a summary can be checked against the records written.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "agency_files.h"
#include "record/agency_reading.h"

using namespace tremblo;

namespace {

enum class Kind { KnetTriple, PeerTriple, EsmTriple, Cosmos, Csmip, GeoNet, KnetCsv, Smc };
constexpr Kind kMixedKinds[] = {Kind::KnetTriple, Kind::PeerTriple, Kind::EsmTriple, Kind::Cosmos,
                                Kind::Csmip,      Kind::GeoNet,     Kind::KnetCsv,   Kind::Smc};

struct Written {
    RecordFormat format;
    std::vector<bench::BenchFile> files;
};

Written FilesOf(Kind kind, int number, int samples) {
    switch (kind) {
        case Kind::KnetTriple:
            return {RecordFormat::Knet,
                    {bench::KnetAsciiFile(number, 0, samples), bench::KnetAsciiFile(number, 1, samples),
                     bench::KnetAsciiFile(number, 2, samples)}};
        case Kind::PeerTriple:
            return {RecordFormat::Peer,
                    {bench::PeerFile(number, 0, samples), bench::PeerFile(number, 1, samples),
                     bench::PeerFile(number, 2, samples)}};
        case Kind::EsmTriple:
            return {RecordFormat::Esm,
                    {bench::EsmFile(number, 0, samples), bench::EsmFile(number, 1, samples),
                     bench::EsmFile(number, 2, samples)}};
        case Kind::Cosmos: return {RecordFormat::Cosmos, {bench::CosmosFile(number, samples)}};
        case Kind::Csmip: return {RecordFormat::Csmip, {bench::CsmipFile(number, samples)}};
        case Kind::GeoNet: return {RecordFormat::GeoNet, {bench::GeoNetFile(number, samples)}};
        case Kind::KnetCsv: return {RecordFormat::KnetCsv, {bench::KnetCsvFile(number, samples)}};
        case Kind::Smc: break;
    }
    return {RecordFormat::Smc, {bench::SmcFile(number, samples)}};
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5 || (std::string(argv[3]) != "mixed" && std::string(argv[3]) != "knet")) {
        std::cerr << "usage: make_mixed_folder FOLDER MANIFEST mixed|knet RECORDS [SAMPLES]\n";
        return 64;
    }
    const std::filesystem::path folder = argv[1];
    const bool mixed = std::string(argv[3]) == "mixed";
    const int records = std::atoi(argv[4]);
    const int samples = argc > 5 ? std::atoi(argv[5]) : 6000;
    if (records <= 0 || samples <= 0) {
        std::cerr << "RECORDS and SAMPLES must be positive\n";
        return 64;
    }
    std::filesystem::create_directories(folder);
    std::ofstream manifest(argv[2], std::ios::trunc);
    int files = 0;
    for (int number = 1; number <= records; ++number) {
        const Kind kind = mixed ? kMixedKinds[(number - 1) % std::size(kMixedKinds)] : Kind::KnetTriple;
        const Written written = FilesOf(kind, number, samples);
        for (const bench::BenchFile& file : written.files) {
            if (!WriteFile(folder / file.name, file.text)) {
                std::cerr << "cannot write " << (folder / file.name) << "\n";
                return 1;
            }
            manifest << number << '\t' << FormatOptionName(written.format) << '\t' << file.name << '\n';
            ++files;
        }
    }
    if (!manifest) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    std::printf("%d records in %d files: %s\n", records, files, folder.c_str());
    return 0;
}
