#pragma once
// The batch's surface/borehole ratios: the Fourier spectra of each KiK-net
// record are held until the other series of the same files comes by, then
// NAMEratio.csv (the surface record's name) is written and both let go.
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "app/batch/batch_options.h"
#include "fourier/fourier_spectra.h"

namespace tremblo {

class BoreholeRatioFiles {
public:
    BoreholeRatioFiles(const BatchOptions& options, std::ostream& err) : options_(options), err_(err) {}

    // A record's spectra (`file` as messages name it, `base` its files' name).
    void Add(std::shared_ptr<const FourierSpectra> spectra, const std::string& file, const std::string& base);
    // Names the records left without their other series; false when a
    // ratio could not be written.
    bool Finish();

private:
    struct Held {
        std::shared_ptr<const FourierSpectra> spectra;
        std::string file, base;
    };
    void Write(const Held& surface, const Held& borehole);

    const BatchOptions& options_;
    std::ostream& err_;
    std::map<std::pair<std::string, int>, Held> waiting_;  // by files and series
    bool ok_ = true;
};

}  // namespace tremblo
