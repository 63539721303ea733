#pragma once
// Any record the program reads, written as PEER NGA .AT2 files (one per
// component, acceleration in g), the files structural engineers feed to
// their analysis programs.
#include <string>
#include <vector>

#include "record/seismic_record.h"

namespace tremblo {

struct At2File {
    std::string name;  // NAME_LABEL.AT2
    std::string text;
};

// The record's components as loaded, named `baseName` + "_" + the
// component's label ("NS", "UD", "067" for 067°) + ".AT2". Line 2 holds the
// event (its stated name, else its origin date and time), the origin date
// as m/d/yyyy, the station (name, else code) and the component (its azimuth
// in whole degrees, "UP" for a vertical, else its label); fields a record
// does not have are left empty; two components of one label get their row
// number after it ("_051_1", "_051_2"). DT is the interval in its shortest decimal
// form. Nothing when a component cannot be written (no samples, a value that
// is not finite).
std::vector<At2File> RecordAt2Files(const SeismicRecord& record, const std::string& baseName);

// The component's label as a file name takes it: the degree sign dropped,
// characters unfit for a name replaced by "_".
std::string At2ComponentName(const RecordFields& record, int component);

}  // namespace tremblo
