#pragma once
// An agency record's header values in the record and its labels: the files
// state station, event and times or leave them out, and what they leave out
// stays empty (shown as missing), never looked up or made up.
#include <optional>
#include <span>
#include <string>

#include "record/record_labels.h"
#include "record/seismic_record.h"
#include "record/stated_header.h"

namespace tremblo {

// What the component files of one record share: format, processing stage,
// network, station (its code, else its name) and event (origin time, else
// event identifier, else event name with the first sample's date). Empty
// when a file states neither station nor event: it is then matched by name.
std::string ComponentGroupKey(RecordFormat format, const ChannelHeader& header);

// The file name without its extension (after its last period) and without a
// trailing component designation ("RSN763_LOMAP_GIL067.AT2" and
// "RSN763_LOMAP_GIL-UP.AT2" give "RSN763_LOMAP_GIL", "NC.C031.HNZ.smc"
// "NC.C031"), for files that state no station or event.
std::string ComponentNameStem(std::string_view fileName);

// The record's header: the first component's values, each missing one
// taken from the next component that states it.
ChannelHeader MergedHeader(std::span<const ChannelHeader> components);

// Station code, origin date and time ("yyyy/mm/dd", "hh:mm:ss"),
// epicentre, depth, magnitude and station position into the record's
// fields, the whole header into `stated`.
void ApplyStatedHeader(const ChannelHeader& header, RecordFields& record);

// The base name of the record's export files: the station code (else its
// name) with characters unfit for a file name replaced by "_", "-" and the
// origin time to the minute ("yyyymmddhhmm"; the first sample's time when no
// origin time is stated); `fallback` (the files' name stem) when no time is
// stated: a station alone would give one name to its records of every event.
std::string StatedEventName(const ChannelHeader& header, const std::string& fallback);

// The record-information labels from the stated header: missing values read
// as the no-data label.
void SetStatedLabels(const RecordFields& record, RecordLabels& labels);

// A file holding more than one set of components (a KiK-net CSV file's
// surface and borehole sets) gives a record of each: the first is read by
// the file's name, set N (from 2) by the name followed by "#N"
// ("MYG004.csv#2"), as the batch and the event list name them.
struct ComponentSetPath {
    std::string file;
    int set = 0;  // 0-based
};
std::optional<ComponentSetPath> SplitComponentSetPath(const std::string& path);
std::string JoinComponentSetPath(const std::string& file, int set);

// "yyyy/mm/dd hh:mm:ss" (seconds with decimals when stated so).
std::string StatedTimeText(const StatedTime& time);

}  // namespace tremblo
