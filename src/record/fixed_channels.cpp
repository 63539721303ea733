#include "record/fixed_channels.h"

#include "common/format.h"
#include "common/translation.h"
#include "record/fixed_format_messages.h"

namespace tremblo {
namespace msg = fixed_messages;
}

namespace tremblo {

Result<AgencyFile> ReadChannelFile(std::istream& in, RecordFormat format, const char* formatName,
                                   const std::function<Result<AgencyChannel>(FixedLineSource&)>& readChannel) {
    FixedLineSource source(in);
    AgencyFile file;
    file.format = format;
    while (source.Next()) {
        if (Trim(source.line()).empty() && !file.channels.empty()) continue;
        Result<AgencyChannel> channel = readChannel(source);
        if (!channel) return channel.error();
        file.channels.push_back(std::move(channel.value()));
    }
    if (std::optional<ReadError> stop = source.failure()) return *stop;
    if (file.channels.empty())
        return ReadError{1, StringPrintf(TrText("record", msg::kNotThisFormat).c_str(), formatName)};
    return file;
}

Result<FixedHeaders> ReadFixedHeaders(FixedLineSource& source, const FixedHeaderLayout& layout) {
    FixedHeaders headers;
    headers.text.emplace_back(source.line());
    for (int i = 1; i < layout.textLines; ++i) {
        if (std::optional<ReadError> error = source.Require(msg::kTextHeader)) return *error;
        headers.text.emplace_back(source.line());
    }
    Result<HeaderNumbers> ints = ReadHeaderNumbers(source, layout.intLayout, layout.intCount, msg::kIntegerHeader);
    if (!ints) return ints.error();
    Result<HeaderNumbers> reals = ReadHeaderNumbers(source, layout.realLayout, layout.realCount, msg::kRealHeader);
    if (!reals) return reals.error();
    headers.ints = std::move(ints.value());
    headers.reals = std::move(reals.value());
    return headers;
}

}  // namespace tremblo
