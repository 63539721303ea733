#pragma once
// Sample values of the text formats: each value checked (a number, not an
// undefined marker, within the float range once in gal) and the messages
// that name what was wrong, for the PEER, ESM and K-NET CSV readers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_reader.h"
#include "common/result.h"

namespace tremblo {

// The buffer the text readers read their lines through: a line up to
// RECORD_LINE_LIMIT comes back whole.
inline constexpr std::size_t TEXT_RECORD_LINE_BUFFER = RECORD_LINE_LIMIT + 2;

// One value field in the file's unit, as gal: the value, or why it is none
// (not a number, an undefined marker, beyond the float range in gal).
struct GalOrProblem {
    float gal = 0.0f;
    std::optional<std::string> problem;
};
GalOrProblem FieldToGal(std::string_view field, double galPerUnit);

// The values of a block of lines, blank-separated, any number a line,
// converted with `galPerUnit` into `gal` (cleared first): each line is
// added in turn, then Finish checks that no value is missing.
class BlankSeparatedSamples {
public:
    BlankSeparatedSamples(int statedCount, double galPerUnit, std::vector<float>& gal);

    // Fails, naming `lineNumber`, on a field that is not a usable value or
    // on more values than stated.
    std::optional<ReadError> AddLine(std::string_view line, int lineNumber);
    // Fails, naming `lineAfterLast`, when fewer values than stated came.
    std::optional<ReadError> Finish(int lineAfterLast) const;

    // The line of the first value (0 before there is one).
    int firstValueLine() const { return firstValueLine_; }

private:
    std::size_t stated_;
    double galPerUnit_;
    std::vector<float>& gal_;
    int firstValueLine_ = 0;
};

// Adds every further line of `reader` up to the end of the stream (blank
// lines are passed over), then finishes. Fails also on a NUL byte, a line
// over RECORD_LINE_LIMIT and a failed read.
std::optional<ReadError> ReadBlankSeparatedSamples(LineReader& reader, BlankSeparatedSamples& samples);

// The line of the first line that is not blank, or the line after the last
// when there is none (a header-only read stops there).
int FirstNonBlankLine(LineReader& reader);

// Messages (in the language in use).
std::string NotANumberMessage(std::string_view field);
std::string NullSampleMessage(std::string_view field);
std::string NulByteMessage();
std::string FewerValuesMessage(int stated, int found);
std::string MoreValuesMessage(int stated);
std::string BadIntervalMessage(std::string_view text);
std::string BadCountMessage(std::string_view text);
std::string UnknownUnitMessage(std::string_view unit);
std::string HeaderCutMessage(int expectedLines);

}  // namespace tremblo
