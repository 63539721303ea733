#include "record/fixed_line_source.h"

#include "common/format.h"
#include "common/translation.h"
#include "record/record_lines.h"

namespace tremblo {

namespace {
// A whole line of RECORD_LINE_LIMIT characters plus its line end fits.
constexpr std::size_t LINE_BUFFER = RECORD_LINE_LIMIT + 2;

constexpr const char* kNulByte = QT_TRANSLATE_NOOP("record", "行に NUL 文字があります（ファイルが壊れています）");
constexpr const char* kFileEnded =
    QT_TRANSLATE_NOOP("record", "ファイルが途中で終わっています（%sがありません）");
}  // namespace

FixedLineSource::FixedLineSource(std::istream& in) : reader_(in, LINE_BUFFER, RECORD_LINE_LIMIT) {}

bool FixedLineSource::Next() {
    if (unread_) {
        unread_ = false;
        return true;
    }
    if (nul_) return false;
    if (!reader_.Next(line_)) return false;
    if (reader_.cutAtNul()) {
        nul_ = true;
        return false;
    }
    if (!line_.empty() && line_.back() == '\n') line_.pop_back();
    return true;
}

std::optional<ReadError> FixedLineSource::failure() const {
    if (nul_) return ReadError{reader_.fileLineNumber(), TrText("record", kNulByte)};
    return LineFailure(reader_);
}

std::optional<ReadError> FixedLineSource::Require(const char* expected) {
    if (Next()) return std::nullopt;
    if (std::optional<ReadError> stop = failure()) return stop;
    return ReadError{reader_.fileLineNumber() + 1,
                     StringPrintf(TrText("record", kFileEnded).c_str(), TrText("record", expected).c_str())};
}

}  // namespace tremblo
