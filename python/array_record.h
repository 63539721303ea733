#pragma once
// A record made of numpy rows, as the batch holds a loaded one: NS, EW, UD
// in the rows given, the band-pass filter of its interval designed, and the
// waveform window chosen (the first strong motion or a given sample, the
// span in seconds) with velocity and displacement derived over it, so that
// the record's measures are those of the batch for the same samples.
#include <memory>
#include <optional>

#include "array_arguments.h"
#include "record/seismic_record.h"

namespace tremblo::python {

struct WindowChoice {
    std::optional<int> start;  // a sample number; none: the first strong motion, as the batch's --start auto
    int spanIndex = 3;         // the batch's --span as the waveform view's index (3: 50 s)
};

// The --span index of `seconds` (5, 10, 25, 50, 100, 250); raises
// ValueError("span: ...") for any other.
int SpanIndexOf(double seconds);

// Builds the record and derives its motion over the window (a start at or
// below rows.samples); throws std::bad_alloc (MemoryError) when the buffers
// cannot be had. Runs with the GIL released.
std::unique_ptr<SeismicRecord> RecordOfRows(const SampleRows& rows, float dt, const WindowChoice& window);

}  // namespace tremblo::python
