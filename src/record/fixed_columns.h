#pragma once
// Fields of the Fortran fixed-column record formats (COSMOS, CSMIP, SMC,
// GeoNet): an integer or a real number in a field of a given width at a
// given column, and blocks of values written so many to a line ("10F8",
// "8F10.5", "5E15.7", "16I5", "6(1X,F12.6)") over as many lines as needed.
// Nothing here allocates per field.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "record/fixed_line_source.h"

namespace tremblo {

enum class FieldKind { Value, Blank, Bad };

// An integer field (Fortran Iw) at 0-based `column`, `width` characters:
// blanks, an optional sign, digits, blanks. A field past the end of the
// line, or all blanks, is Blank; anything else is Bad.
FieldKind ReadIntegerField(std::string_view line, std::size_t column, std::size_t width, long long& value);

// A real field (Fortran F, E, D or G): blanks, a sign, digits with an
// optional point, an optional exponent ("E+02", "D-03", or "-100" after
// the digits as Fortran writes three-digit exponents), blanks. Digits
// without a point are read as the integer they show.
FieldKind ReadRealField(std::string_view line, std::size_t column, std::size_t width, double& value);

// A real number anywhere in `text` (leading and trailing blanks allowed).
FieldKind ReadRealText(std::string_view text, double& value);

// How a block's values sit on its lines: `perLine` fields of `width`
// characters from column 0 (a field's leading 1X is counted in its width).
struct FieldLayout {
    int perLine = 0;
    int width = 0;
    bool integers = false;  // I edit descriptor
    bool operator==(const FieldLayout&) const = default;
};

// The layout of a Fortran format such as "(10I8)", "(8F10.5)",
// "(5E15.7)", "(6(1X,F12.6))" or "8E13.5"; nothing for any other.
std::optional<FieldLayout> ParseFortranFormat(std::string_view format);

// Lines a block of `count` values takes.
long long LinesForValues(long long count, const FieldLayout& layout);

// Where the values of a block go and how they are checked.
struct ValueBlock {
    FieldLayout layout;
    int count = 0;
    double scale = 1.0;                // multiplies every value (to gal), in double
    std::optional<double> nullMarker;  // the format's "undefined" value
    std::vector<float>* out = nullptr;  // null: the lines are passed over unread
    const char* what = "";              // the block, for messages ("加速度")
};

// Reads `block.count` values from the next lines of `source`. A bad field,
// a null marker or a value of 1e30 or more in magnitude, a line that ends
// the file before the count is reached, and non-blank fields after the last
// value on its line fail with the line. Values beyond the float range fail.
std::optional<ReadError> ReadValueBlock(FixedLineSource& source, const ValueBlock& block);

// A header block of `count` numbers (integers or reals as `layout` says),
// blank fields and Bad fields both kept as "no value".
struct HeaderNumbers {
    std::vector<double> values;
    std::vector<bool> stated;
    int firstLine = 0;
    // 1-based index; nothing when not stated, out of range or equal to `null`.
    std::optional<double> At(int index, std::optional<double> null = std::nullopt) const;
    // The same as an int; nothing as well for a value outside the int range.
    std::optional<int> IntAt(int index, std::optional<double> null = std::nullopt) const;
};

// Reads a header block; a Bad field fails with its line (a header of
// numbers holding text is not this format).
Result<HeaderNumbers> ReadHeaderNumbers(FixedLineSource& source, const FieldLayout& layout, int count,
                                        const char* what);

// The line with its trailing blanks removed.
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

}  // namespace tremblo
