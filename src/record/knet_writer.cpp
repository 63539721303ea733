#include "record/knet_writer.h"

#include <string>

#include "common/format.h"
#include "common/line_reader.h"
#include "record/knet_reader.h"
#include "common/translation.h"

namespace tremblo {

void WriteKnetData(std::ostream& out, std::span<const int> counts) {
    std::size_t onLine = 0;
    for (const int count : counts) {
        out << StringPrintf(onLine == 0 ? "%8d" : "%9d", count);
        if (++onLine == 8) {
            out << " \r\n";
            onLine = 0;
        }
    }
    if (onLine != 0) out << "\r\n";
}

Result<bool> CopyKnetHeader(std::istream& source, std::ostream& out, int peakGal) {
    LineReader reader(source, KNET_LINE_BUFFER);
    std::string line;
    for (int i = 1; i <= KNET_HEADER_LINES; ++i) {
        if (!reader.Next(line)) return ReadError{i, TrText("record", "ヘッダーが17行そろっていません")};
        if (i == 15) {
            out << StringPrintf("Max. Acc. (gal)   %4d\r\n", peakGal);
            continue;
        }
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            line += "\r\n";
        }
        out << line;
    }
    return true;
}

}  // namespace tremblo
