#include "target/target_table_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "common/descriptor_stream.h"
#include "common/format.h"
#include "common/line_reader.h"
#include "common/path_text.h"
#include "common/readable_file.h"
#include "common/shift_jis.h"
#include "common/split_fields.h"

namespace tremblo {

namespace {

constexpr std::size_t kLineLimit = 4096;

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

// A finite decimal number taking the whole field.
std::optional<double> Number(std::string_view field) {
    field = Trim(field);
    if (field.starts_with('+')) field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// `what` is said in the user's language.
ReadError LineError(const std::string& name, int line, const std::string& what) {
    return ReadError(line, StringPrintf(TrText("target", "%s の %d 行目: %s").c_str(), name.c_str(), line, what.c_str()),
                     TrText("target", kTargetCaption));
}

// A message about the whole file; `format` names it with %s.
ReadError FileError(const std::string& format, const std::string& name) {
    return ReadError(0, StringPrintf(format.c_str(), name.c_str()), TrText("target", kTargetCaption));
}

std::string FileStem(const std::string& name) {
    std::string file(FileNamePart(name));
    const std::size_t dot = file.rfind('.');
    if (dot != std::string::npos && dot > 0) file.erase(dot);
    return file;
}

}  // namespace

Result<TargetSpectrum> ParseTargetTable(std::istream& in, const std::string& name) {
    TargetSpectrum target;
    target.kind = TargetKind::Table;
    target.key = FileStem(name);
    target.label = std::string(FileNamePart(name));
    LineReader reader(in, kLineLimit + 2, kLineLimit);  // the limit stops a line before a piece ends
    std::string line;
    bool seenContent = false;
    while (reader.Next(line)) {
        const int number = reader.fileLineNumber();
        if (reader.cutAtNul())  // the line's text would end at it, a number with it
            return LineError(name, number, TrText("target", "NUL 文字 (0x00) があります (文字の表ではありません)"));
        std::string_view text(line);
        if (!seenContent && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        if (Trim(text).empty()) continue;
        const std::vector<std::string> fields = SplitFields(text);
        const std::optional<double> period = Number(fields[0]);
        if (!seenContent && !period) {  // a header
            seenContent = true;
            continue;
        }
        seenContent = true;
        const std::optional<double> sa = fields.size() >= 2 ? Number(fields[1]) : std::nullopt;
        if (!period || !sa)
            return LineError(name, number,
                             TrText("target", "周期 [s] と加速度 [gal] の 2 つの数値をカンマで区切って書いてください"));
        if (!(*period > 0.0) || !(*sa > 0.0))
            return LineError(name, number, TrText("target", "周期と加速度は 0 より大きい値にしてください"));
        if (!target.periods.empty() && !(*period > target.periods.back()))
            return LineError(name, number, TrText("target", "周期は短い順に、同じ周期を重ねずに並べてください"));
        if (static_cast<int>(target.periods.size()) == MAX_TARGET_ROWS)
            return LineError(name, number,
                             StringPrintf(TrText("target", "行が多すぎます (%d 行まで)").c_str(), MAX_TARGET_ROWS));
        target.periods.push_back(*period);
        target.sa.push_back(*sa);
    }
    if (reader.stop() == LineReader::Stop::LineTooLong)
        return LineError(name, reader.fileLineNumber(), TrText("target", "行が長すぎます (表ではありません)"));
    if (reader.stop() == LineReader::Stop::ReadFailed)
        return FileError(TrText("target", "%s を読めません"), name);
    if (target.periods.size() < 2)
        return FileError(TrText("target", "%s には周期と加速度の行が 2 行以上必要です"), name);
    return target;
}

Result<TargetSpectrum> ReadTargetFile(const std::string& path) {
    const std::string name = TextToUtf8(path);
    OpenedFile file = OpenFileToRead(path);
    if (file.error() == ENOENT) return FileError(TrText("target", "%s が見つかりません"), name);
    if (file.refused()) return FileError(TrText("target", "%s は表のファイルではありません"), name);
    if (!file) return FileError(TrText("target", "%s を開けません"), name);
    DescriptorStream in(file.Release());
    return ParseTargetTable(in, name);
}

}  // namespace tremblo
