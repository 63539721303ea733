#pragma once
// The agency readers behind one door: recognising a file's agency format from
// its first lines, and reading it in that format.
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "record/agency_channel.h"

namespace tremblo {

// Lines the agency formats are recognised by.
inline constexpr int AGENCY_HEAD_LINES = 40;

// The first `count` lines of a file, each without its line end and cut at
// RECORD_LINE_LIMIT characters.
std::vector<std::string> ReadHeadLines(std::istream& in, int count = AGENCY_HEAD_LINES);

// The agency format of a file beginning with these lines, if any.
std::optional<RecordFormat> DetectAgencyFormat(const std::vector<std::string>& head);

// The agency format of a file's first bytes (up to AGENCY_HEAD_BYTES are
// looked at), if any: for files found in folders and archives whose names
// say nothing.
inline constexpr std::size_t AGENCY_HEAD_BYTES = 16384;
std::optional<RecordFormat> DetectAgencyFormatOfBytes(std::string_view bytes);
// The same for a regular file on disk; nothing when it cannot be read.
std::optional<RecordFormat> DetectAgencyFormatOfFile(const std::string& path);
// The same for the first bytes of a stream (read from it).
std::optional<RecordFormat> DetectAgencyFormatOfStream(std::istream& in);

// Requires IsAgencyFormat(format).
Result<AgencyFile> ReadAgencyFile(RecordFormat format, std::istream& in, AgencyReadOptions options = {});

// The format's name as the batch's --format option and --info give it.
const char* FormatOptionName(RecordFormat format);
// The format's name as the windows show it ("PEER NGA (AT2)").
std::string FormatDisplayName(RecordFormat format);

}  // namespace tremblo
