#include "pipeline/record_info.h"

#include "record/agency_record.h"

#include <charconv>

#include "common/shift_jis.h"
#include "pipeline/measure_values.h"
#include "wave/jma_intensity.h"
#include "wave/trace_peak.h"

namespace tremblo {

namespace {

// A float as the double whose shortest decimal text is the float's own, so
// 0.01f prints as 0.01 rather than 0.009999999776482582.
double ShortestDecimal(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double result = 0;
    std::from_chars(text, end, result);
    return result;
}

nlohmann::json OptionalJson(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

// What an agency record's files state (null where they do not), and each
// component's orientation.
nlohmann::json StatedHeaderJson(const SeismicRecord& r) {
    const ChannelHeader& h = r.stated;
    nlohmann::json orientations = nlohmann::json::array();
    for (int c = 0; c < r.componentCount; ++c) {
        const ComponentOrientation& o = r.orientation[c];
        orientations.push_back({{"vertical", o.vertical}, {"azimuth_deg", OptionalJson(o.azimuthDeg)}});
    }
    return {{"network", h.network},
            {"station_code", h.stationCode},
            {"station_name", h.stationName},
            {"station_lat", OptionalJson(h.stationLat)},
            {"station_lon", OptionalJson(h.stationLon)},
            {"station_elevation_m", OptionalJson(h.stationElevationM)},
            {"event_name", h.eventName},
            {"event_id", h.eventId},
            {"origin_time", h.originTime ? nlohmann::json(StatedTimeText(*h.originTime)) : nlohmann::json(nullptr)},
            {"event_lat", OptionalJson(h.epicenterLat)},
            {"event_lon", OptionalJson(h.epicenterLon)},
            {"event_depth_km", OptionalJson(h.depthKm)},
            {"magnitude", OptionalJson(h.magnitude)},
            {"magnitude_type", h.magnitudeType},
            {"first_sample_time",
             h.firstSampleTime ? nlohmann::json(StatedTimeText(*h.firstSampleTime)) : nlohmann::json(nullptr)},
            {"orientations", std::move(orientations)}};
}

nlohmann::json MeasureJson(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

void AddMeasures(nlohmann::json& info, const RecordMeasures& measures) {
    info["bracket_threshold_g"] = measures.bracketThresholdG;
    for (int c = 0; c < measures.componentCount && c < static_cast<int>(info["components"].size()); ++c)
        for (const NamedMeasure& m : ComponentMeasureValues(measures.components[static_cast<std::size_t>(c)]))
            info["components"][static_cast<std::size_t>(c)][m.name] = MeasureJson(m.value);
    for (const NamedMeasure& m : HorizontalMeasureValues(measures)) info[m.name] = MeasureJson(m.value);
    info["si_horizontal_azimuth"] =
        measures.horizontalSi ? nlohmann::json(measures.horizontalSi->azimuth) : nlohmann::json(nullptr);
}

}  // namespace

nlohmann::json RecordInfo(const SeismicRecord& r, RecordFormat format, const std::string& file,
                          const std::string& outputName, const Result<JmaIntensity>& intensity,
                          OscillatorMethod oscillator, const RecordMeasures* measures) {
    nlohmann::json components = nlohmann::json::array();
    for (int c = 0; c < r.componentCount; ++c) {
        components.push_back({{"label", SjisToUtf8(r.componentLabel[c].view())},
                              {"peak_gal", ShortestDecimal(FindPeak(r.sampleCount, r.samples[c].data()).value)}});
    }
    nlohmann::json info{
        {"file", file},
        {"format", FormatOptionName(format)},
        {"station_code", SjisToUtf8(r.stationCode.view())},
        {"station_name", SjisToUtf8(r.currentStation.name.view())},
        {"origin_date", SjisToUtf8(r.originDate.view())},
        {"origin_time", SjisToUtf8(r.originTime.view())},
        {"event_name", r.eventName},  // made from the path or from ASCII header fields
        {"output_name", outputName},
        {"sampling_frequency", r.samplingFrequency},
        {"dt", ShortestDecimal(r.dt)},
        {"sample_count", r.sampleCount},
        {"window_start", r.windowStart},
        {"window_length", r.windowLength},
        {"components", std::move(components)},
        {"jma_intensity", nullptr},
        {"jma_intensity_raw", nullptr},
        {"jma_class", nullptr},
        {"oscillator", OscillatorMethodName(oscillator)},
    };
    if (IsAgencyFormat(format)) info["stated"] = StatedHeaderJson(r);
    if (intensity) {
        info["jma_intensity"] = intensity.value().reported;
        info["jma_intensity_raw"] = intensity.value().raw;
        info["jma_class"] = intensity.value().className;
    }
    if (measures != nullptr) AddMeasures(info, *measures);
    return info;
}

}  // namespace tremblo
