#include "record/record_lines.h"

#include "common/format.h"
#include "common/translation.h"
#include "record/seismic_record.h"

namespace tremblo {

std::optional<ReadError> LineFailure(const LineReader& reader) {
    switch (reader.stop()) {
        case LineReader::Stop::LineTooLong:
            return ReadError{reader.fileLineNumber(),
                             StringPrintf(TrText("record", "行が長すぎます（%zu文字を超えています）").c_str(), RECORD_LINE_LIMIT)};
        case LineReader::Stop::ReadFailed:
            return ReadError{reader.fileLineNumber(), TrText("record", "ファイルを読み込めませんでした")};
        case LineReader::Stop::None:
        case LineReader::Stop::End:
            break;
    }
    return std::nullopt;
}

std::string TooManySamplesMessage() {
    return StringPrintf(TrText("record", "1成分に %d 個を超えるデータは読み込めません").c_str(), MAX_RECORD_SAMPLES);
}

}  // namespace tremblo
