// The intensity measures of a batch record (--measures), once for the
// summary row and --info, and its Husid files (--husid): NAMEhusid.csv and
// NAMEhusid.png, the picture drawn as a window draws it.
#include <filesystem>
#include <new>

#include "common/atomic_file.h"
#include "common/translation.h"
#include "pipeline/measure_values.h"
#include "pipeline/record_worker.h"
#include "wave/husid_csv.h"
#include "wave/husid_drawing.h"
#include "wave/time_domain_measures.h"

namespace tremblo {

bool RecordWorker::CalculateMeasures(std::optional<RecordMeasures>& measures, RecordOutcome& outcome) {
    try {
        measures = ComputeRecordMeasures(session_->record(), BatchMeasureSettings(options_.bracketThresholdG));
    } catch (const std::bad_alloc&) {
        return FailOutOfMemory(outcome, "intensity measures");
    }
    if (!measures->spectrumProblem.empty()) outcome.notes.push_back(measures->spectrumProblem + " (--measures)");
    if (!measures->horizontalProblem.empty()) outcome.notes.push_back(measures->horizontalProblem + " (--measures)");
    return true;
}

bool RecordWorker::WriteHusidFiles(const std::string& base, RecordOutcome& outcome) {
    const SeismicRecord& record = session_->record();
    const std::filesystem::path folder(options_.outFolder);
    std::vector<HusidCurve> curves;
    try {
        curves = RecordHusidCurves(record);
    } catch (const std::bad_alloc&) {
        return FailOutOfMemory(outcome, "Husid curves");
    }
    const std::string csv = (folder / (base + "husid.csv")).string();
    if (std::string why; !WriteFileAtomically(csv, HusidCsvText(record, curves), &why))
        return Fail(outcome, MessageLine(TrText("common", kCannotCreateCaption), CannotCreateText(csv) + " (" + why + ")"));
    outcome.written.push_back(csv);
    if (!husidCanvas_) husidCanvas_ = std::make_unique<RasterCanvas>(HUSID_GRAPH_WIDTH, HUSID_GRAPH_HEIGHT);
    TMyGraph graph(*husidCanvas_, platform_);
    PrepareHusidGraph(graph);
    DrawHusidCurves(graph, record, curves);
    return WritePicture((folder / (base + "husid.png")).string(), husidCanvas_->Picture(), outcome);
}

}  // namespace tremblo
