#pragma once
// The frame the fixed-column formats share: a file of channels one after
// another (blank lines between them passed over), and a channel's headers
// of fixed size: its text lines, then its integer and real headers.
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"
#include "record/fixed_columns.h"
#include "record/fixed_line_source.h"

namespace tremblo {

// Reads channels with `readChannel` (called on each channel's first line,
// the source's current line) to the end of the file. Fails with the first
// channel's error, with the source's stop, or, with no channel at all, on
// line 1 as no file of `formatName`.
Result<AgencyFile> ReadChannelFile(std::istream& in, RecordFormat format, const char* formatName,
                                   const std::function<Result<AgencyChannel>(FixedLineSource&)>& readChannel);

struct FixedHeaders {
    std::vector<std::string> text;  // the text lines, the channel's first line first
    HeaderNumbers ints, reals;
};

struct FixedHeaderLayout {
    int textLines = 0;
    FieldLayout intLayout;
    int intCount = 0;
    FieldLayout realLayout;
    int realCount = 0;
};

// A channel's headers from its first text line on (the source's current
// line): `layout.textLines` lines, then the two blocks of numbers.
Result<FixedHeaders> ReadFixedHeaders(FixedLineSource& source, const FixedHeaderLayout& layout);

}  // namespace tremblo
