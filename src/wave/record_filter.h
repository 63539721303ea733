#pragma once
// Every load designs the band-pass filter of velocity and displacement for
// the record's sampling interval.
#include "record/record_session.h"
#include "wave/bandpass_filter.h"

namespace tremblo {

inline void DesignFilterAtEveryLoad(RecordSession& session) {
    session.setFilterDesigner([](float dt, std::span<float, BANDPASS_TAPS> h) {
        DesignRecordBandpassFilter(dt, h.data());
    });
}

}  // namespace tremblo
