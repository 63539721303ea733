#include "app/batch/borehole_ratio_files.h"

#include <filesystem>

#include "common/atomic_file.h"
#include "common/escaped_text.h"
#include "common/platform.h"
#include "fourier/fourier_csv.h"
#include "fourier/spectral_ratio.h"

namespace tremblo {

void BoreholeRatioFiles::Add(std::shared_ptr<const FourierSpectra> spectra, const std::string& file,
                             const std::string& base) {
    const std::string key = spectra->seriesKey;
    const int series = spectra->series;
    const auto other = waiting_.find({key, 3 - series});
    Held held{std::move(spectra), file, base};
    if (other == waiting_.end()) {
        waiting_[{key, series}] = std::move(held);
        return;
    }
    if (series == 2) Write(held, other->second);
    else Write(other->second, held);
    waiting_.erase(other);
}

void BoreholeRatioFiles::Write(const Held& surface, const Held& borehole) {
    if (const auto mismatch = SurfaceBoreholeMismatch(*surface.spectra, *borehole.spectra)) {
        err_ << EscapedText("error: ratio: " + surface.file + " over " + borehole.file + ": " + *mismatch) << '\n';
        ok_ = false;
        return;
    }
    if (!WritesRecordFiles(options_)) return;
    const std::string path = (std::filesystem::path(options_.outFolder) / (surface.base + "ratio.csv")).string();
    std::string why;
    if (!WriteFileAtomically(path, SurfaceBoreholeCsvText(*surface.spectra, *borehole.spectra), &why)) {
        err_ << EscapedText("error: " + CannotCreateText(path) + " (" + why + ")") << '\n';
        ok_ = false;
        return;
    }
    err_ << EscapedText("ratio: wrote " + path + " (" + surface.file + " over " + borehole.file + ")") << '\n';
    for (const RatioGap& gap : SurfaceBoreholeCsvGaps(*surface.spectra, *borehole.spectra))
        err_ << EscapedText(surface.file) << ": note: " << RatioGapNote(gap) << '\n';
}

bool BoreholeRatioFiles::Finish() {
    for (const auto& [key, held] : waiting_)
        err_ << EscapedText(held.file) << ": note: its " << (key.second == 2 ? "borehole (X.NS1)" : "surface (X.NS2)")
             << " series was not given: --borehole-ratio: no ratio\n";
    waiting_.clear();
    return ok_;
}

}  // namespace tremblo
