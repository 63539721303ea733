#pragma once
// What --info prints of a loaded record: its header values, sampling, the
// window the waveform view chose and the peak of each component, as one JSON
// object.
#include <nlohmann/json.hpp>
#include <string>

#include "common/result.h"
#include "record/agency_reading.h"
#include "record/seismic_record.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/record_measures.h"
#include "wave/jma_intensity.h"

namespace tremblo {

// Keys: file, format, station_code, station_name, origin_date, origin_time,
// event_name, output_name, sampling_frequency, dt, sample_count,
// window_start, window_length, components [{label, peak_gal}], jma_intensity,
// jma_intensity_raw, jma_class, oscillator ("newmark"/"exact": the
// oscillator of the record's response spectra). peak_gal is
// the largest absolute acceleration of the component over the whole loaded
// record. Header texts (Shift-JIS) are given in UTF-8; names made from paths
// are kept as they are, so dump with error_handler_t::replace.
// `intensity` is RecordJmaIntensity(record).
// With `measures` (--measures; ComputeRecordMeasures of the record), each
// component also has the values of measure_values.h (arias ... si, null
// where the record has none), and the object bracket_threshold_g (the
// threshold of the bracketed durations), the horizontal values
// (si_horizontal ... pgd_rotd100) and si_horizontal_azimuth (degrees).
nlohmann::json RecordInfo(const SeismicRecord& record, RecordFormat format, const std::string& file,
                          const std::string& outputName, const Result<JmaIntensity>& intensity,
                          OscillatorMethod oscillator = OscillatorMethod::Newmark,
                          const RecordMeasures* measures = nullptr);

}  // namespace tremblo
