#pragma once
// The band-pass filter design every load runs once the record's sampling
// interval is known: the main window and the batch front end hand this to
// their RecordSession.
#include <span>

#include "record/record_session.h"
#include "wave/bandpass_filter.h"

namespace tremblo {

inline void DesignLoadedRecordFilter(float dt, std::span<float, BANDPASS_TAPS> h) {
    DesignRecordBandpassFilter(dt, h.data());
}

inline RecordSession::FilterDesigner RecordFilterDesigner() { return &DesignLoadedRecordFilter; }

}  // namespace tremblo
