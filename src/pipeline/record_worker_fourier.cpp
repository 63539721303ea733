// The Fourier spectra of a batch record: NAMEfas.csv and NAMEfas.png as the
// Fourier window saves them right after it opens, and the spectra of a
// KiK-net record kept for the surface/borehole ratio of its pair.
#include <filesystem>

#include "common/translation.h"
#include "pipeline/record_worker.h"
#include "common/atomic_file.h"
#include "fourier/fourier_csv.h"
#include "fourier/fourier_drawing.h"

namespace tremblo {

bool RecordWorker::WriteFourierFiles(const std::string& base, bool writeFiles, RecordOutcome& outcome) {
    const SeismicRecord& record = session_->record();
    auto spectra = std::make_shared<FourierSpectra>();
    if (!ComputeFourierSpectra(record, FourierSettings{options_.fasTaper, options_.koBandwidth}, *spectra, 1))
        return FailOutOfMemory(outcome, "Fourier spectra");
    if (options_.fas && writeFiles) {
        const std::filesystem::path folder(options_.outFolder);
        const std::string csv = (folder / (base + "fas.csv")).string();
        if (options_.hv && record.componentCount != 3)
            outcome.notes.push_back("one component: no H/V (--hv: no HV column)");
        else if (options_.hv && !spectra->horizontalsAndVertical)
            outcome.notes.push_back("its files do not say which component is vertical: no H/V (--hv: no HV column)");
        if (std::string why; !WriteFileAtomically(csv, FourierCsvText(*spectra, options_.hv), &why))
            return Fail(outcome, MessageLine(TrText("common", kCannotCreateCaption), CannotCreateText(csv) + " (" + why + ")"));
        outcome.written.push_back(csv);
        for (const RatioGap& gap : FourierCsvGaps(*spectra, options_.hv)) outcome.notes.push_back(RatioGapNote(gap));

        if (!fourierCanvas_) fourierCanvas_ = std::make_unique<RasterCanvas>(FOURIER_GRAPH_WIDTH, FOURIER_GRAPH_HEIGHT);
        TMyGraph graph(*fourierCanvas_, platform_);
        PrepareFourierGraph(graph);
        DrawFourierSpectra(graph, *spectra, nullptr, FourierDisplaySettings{});
        if (!WritePicture((folder / (base + "fas.png")).string(), fourierCanvas_->Picture(), outcome)) return false;
    }
    if (options_.boreholeRatio) {
        if (spectra->series == 0) {
            outcome.notes.push_back("not a KiK-net record (X.NS1, X.NS2): --borehole-ratio: no ratio");
        } else {
            outcome.fourier = std::move(spectra);
            outcome.outputBase = base;
        }
    }
    return true;
}

}  // namespace tremblo
