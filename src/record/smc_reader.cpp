#include "record/smc_reader.h"

#include <cmath>

#include "common/format.h"
#include "common/translation.h"
#include "record/fixed_columns.h"
#include "record/fixed_format_messages.h"

namespace tremblo {

namespace {

namespace msg = fixed_messages;

constexpr int TEXT_LINES = 11;
constexpr int INTEGER_COUNT = 48;
constexpr int REAL_COUNT = 50;
constexpr FieldLayout INTEGER_LAYOUT{8, 10, true};
constexpr FieldLayout REAL_LAYOUT{5, 15, false};
constexpr FieldLayout DATA_LAYOUT{8, 10, false};
constexpr double INTEGER_NULL = -32768;
constexpr int I_COMMENT_LINES = 16, I_SAMPLE_COUNT = 17;
constexpr int R_SAMPLES_PER_SECOND = 2;
constexpr int MAX_COMMENT_LINES = 100000;

const char* const kFormatName = "SMC";

// The data type of text line 1: its leading code and what the text says.
struct DataType {
    int code = -1;
    bool acceleration = false;
};

std::optional<DataType> ReadDataType(std::string_view line) {
    line = Trim(line);
    std::size_t digits = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (digits == 0 || digits > 2 || digits == line.size() || line[digits] != ' ') return std::nullopt;
    DataType type;
    type.code = std::stoi(std::string(line.substr(0, digits)));
    const std::string_view text = Trim(line.substr(digits));
    if (text.empty() || !std::isupper(static_cast<unsigned char>(text[0]))) return std::nullopt;
    type.acceleration = text.find("ACCELEROGRAM") != std::string_view::npos;
    return type;
}

bool IsLineOf(std::string_view line, const FieldLayout& layout) {
    for (int k = 0; k < layout.perLine; ++k) {
        const auto column = static_cast<std::size_t>(k * layout.width), width = static_cast<std::size_t>(layout.width);
        long long i = 0;
        double r = 0.0;
        const FieldKind kind = layout.integers ? ReadIntegerField(line, column, width, i) : ReadRealField(line, column, width, r);
        if (kind != FieldKind::Value) return false;
    }
    return true;
}

ReadError NotSmc(int line) {
    return ReadError{line, StringPrintf(TrText("record", msg::kNotThisFormat).c_str(), kFormatName)};
}

}  // namespace

bool LooksLikeSmc(const std::vector<std::string>& head) {
    if (head.size() < TEXT_LINES + 6 + 1 || !ReadDataType(head[0])) return false;
    for (int i = TEXT_LINES; i < TEXT_LINES + 6; ++i)
        if (!IsLineOf(head[static_cast<std::size_t>(i)], INTEGER_LAYOUT)) return false;
    const std::size_t reals = std::min<std::size_t>(head.size(), TEXT_LINES + 6 + 10);
    for (std::size_t i = TEXT_LINES + 6; i < reals; ++i)
        if (!IsLineOf(head[i], REAL_LAYOUT)) return false;
    return true;
}

Result<AgencyFile> ReadSmcFile(std::istream& in, AgencyReadOptions options) {
    FixedLineSource source(in);
    if (std::optional<ReadError> error = source.Require(msg::kTextHeader)) return *error;
    const std::optional<DataType> type = ReadDataType(source.line());
    if (!type) return NotSmc(1);
    if (!type->acceleration) return ReadError{1, TrText("record", msg::kNoAcceleration)};
    for (int i = 1; i < TEXT_LINES; ++i)
        if (std::optional<ReadError> error = source.Require(msg::kTextHeader)) return *error;
    Result<HeaderNumbers> ints = ReadHeaderNumbers(source, INTEGER_LAYOUT, INTEGER_COUNT, msg::kIntegerHeader);
    if (!ints) return ints.error();
    Result<HeaderNumbers> reals = ReadHeaderNumbers(source, REAL_LAYOUT, REAL_COUNT, msg::kRealHeader);
    if (!reals) return reals.error();
    const HeaderNumbers& h = ints.value();

    AgencyChannel channel;
    channel.header.processingStage = type->code == 1 ? 1 : type->code == 2 ? 2 : 0;
    const std::optional<double> rate = reals.value().At(R_SAMPLES_PER_SECOND);
    const int rateLine = reals.value().firstLine;
    if (!rate) return ReadError{rateLine, TrText("record", msg::kNoInterval)};
    if (!(*rate > 0.0) || !std::isfinite(1.0 / *rate))
        return ReadError{rateLine, StringPrintf(TrText("record", msg::kBadInterval).c_str(), StringPrintf("1/%g", *rate).c_str())};
    channel.dt = 1.0 / *rate;

    const int countLine = h.firstLine + (I_SAMPLE_COUNT - 1) / INTEGER_LAYOUT.perLine;
    const std::optional<double> comments = h.At(I_COMMENT_LINES, INTEGER_NULL);
    const std::optional<double> count = h.At(I_SAMPLE_COUNT, INTEGER_NULL);
    if (!comments || *comments < 0 || *comments > MAX_COMMENT_LINES)
        return ReadError{countLine, StringPrintf(TrText("record", msg::kBadCount).c_str(),
                                                 comments ? StringPrintf("%.0f", *comments).c_str() : "")};
    if (!count || *count <= 0)
        return ReadError{countLine, StringPrintf(TrText("record", msg::kBadCount).c_str(),
                                                 count ? StringPrintf("%.0f", *count).c_str() : "")};
    channel.statedCount = static_cast<int>(std::min(*count, 2e9));
    for (int i = 0; i < static_cast<int>(*comments); ++i)
        if (std::optional<ReadError> error = source.Require(msg::kCommentLines)) return *error;
    channel.firstDataLine = source.lineNumber() + 1;

    AgencyFile file;
    file.format = RecordFormat::Smc;
    if (!options.headerOnly) {
        ValueBlock block;
        block.layout = DATA_LAYOUT;
        block.count = channel.statedCount;
        block.out = &channel.gal;
        block.what = msg::kAcceleration;
        if (std::optional<ReadError> error = ReadValueBlock(source, block)) return *error;
        while (source.Next())
            if (!Trim(source.line()).empty())
                return ReadError{source.lineNumber(),
                                 StringPrintf(TrText("record", "%sのデータは %d 個と書かれていますが、それより多くあります").c_str(),
                                              TrText("record", msg::kAcceleration).c_str(), channel.statedCount)};
        if (std::optional<ReadError> stop = source.failure()) return *stop;
    }
    file.channels.push_back(std::move(channel));
    return file;
}

}  // namespace tremblo
