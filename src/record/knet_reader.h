#pragma once
// K-NET/KiK-net ASCII record files: a 17-line header whose values start in
// column 19, then counts in 9-column fields. Lines are read through a
// 100-byte line buffer, so a line holds at most 99 characters with its end
// (a longer one is read in pieces); a line over RECORD_LINE_LIMIT fails.
// Every file carries its own header: each component has its own scale
// factor.
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/fixed_text.h"
#include "common/result.h"
#include "record/seismic_record.h"

namespace tremblo {

inline constexpr int KNET_HEADER_LINES = 17;
inline constexpr std::size_t KNET_LINE_BUFFER = 100;

struct KnetHeader : EventHeader {
    int samplingFrequency = 0;
    // Line 15's maximum acceleration in gal; 0 when the line states none.
    double statedPeakGal = 0.0;
    // Line 1 ended after column 18: the origin was taken from the record time.
    bool originTimeMissing = false;
};

// Removes the line's last character (its line end) and the blanks before it.
void TrimLineEnd(std::string& line);

// Reads the 17 header lines. Fails on a header of fewer than 17 lines, a
// line over RECORD_LINE_LIMIT, a
// sampling frequency of 0 or less, or a scale-factor denominator of 0.
Result<KnetHeader> ReadKnetHeader(std::istream& in);

// Copies the header values into the record's fields.
void ApplyKnetHeader(const KnetHeader& header, RecordFields& record);

// Skips the header and converts the counts of the data lines into gal
// (count x scaleFactor in extended precision) into `samples`, which is
// resized to hold them all. Returns their number. Each data line must hold
// counts in 9-column fields (an integer in columns 9k-8 to 9k-1, a blank or
// the line end in column 9k): a line that does not, one ending inside a
// field (a file cut short) or holding a NUL byte fails with its line number,
// as do a line over RECORD_LINE_LIMIT, a failed read and more than
// MAX_RECORD_SAMPLES values. The end of the file ends the last line as a
// line end would.
Result<int> ReadKnetData(std::istream& in, float scaleFactor, std::vector<float>& samples);

// Why a data line (its line end included) is not counts in 9-column fields;
// nothing when it is.
std::optional<std::string> KnetDataLineProblem(std::string_view line);

// Why the samples of a file (gal, as read, the mean not removed) cannot be
// those its header describes; nothing when they can. NIED states on line 15
// the largest |a - mean| over the whole record; this program's synthesized
// files state the largest |a| cut to whole gal. Samples whose largest value
// lies outside both readings by more than 1 gal and 1 % of the stated value
// were changed after the file was written (a damaged digit, lines from
// another file), and any number computed from them would be wrong. A header
// stating no maximum is not checked.
std::optional<std::string> KnetPeakContradiction(const KnetHeader& header, std::span<const float> samples);

}  // namespace tremblo
