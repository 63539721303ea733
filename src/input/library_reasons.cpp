#include "input/library_reasons.h"

#include <array>

#include "common/format.h"
#include "common/translation.h"

namespace tremblo {

namespace {

enum class Match { Whole, Beginning };

struct KnownReason {
    std::string_view library;
    Match match;
    const char* text;  // translated in the context "input"
};

// libarchive's texts for the formats and filters read here (tar over gzip,
// bzip2, xz and zstd, and those filters alone), and zlib's.
constexpr std::array kKnownReasons{
    KnownReason{"Truncated tar archive", Match::Beginning, QT_TRANSLATE_NOOP("input", "tar アーカイブが途中で切れています")},
    KnownReason{"Damaged tar archive", Match::Whole, QT_TRANSLATE_NOOP("input", "tar アーカイブが壊れています")},
    KnownReason{"Unrecognized archive format", Match::Whole, QT_TRANSLATE_NOOP("input", "アーカイブの形式がわかりません")},
    KnownReason{"Premature end-of-file.", Match::Whole, QT_TRANSLATE_NOOP("input", "ファイルが途中で終わっています")},
    KnownReason{"Truncated input file", Match::Beginning, QT_TRANSLATE_NOOP("input", "入力ファイルが途中で切れています")},
    KnownReason{"truncated input", Match::Whole, QT_TRANSLATE_NOOP("input", "入力ファイルが途中で切れています")},
    KnownReason{"truncated gzip input", Match::Whole, QT_TRANSLATE_NOOP("input", "gzip データが途中で切れています")},
    KnownReason{"truncated bzip2 input", Match::Whole, QT_TRANSLATE_NOOP("input", "bzip2 データが途中で切れています")},
    KnownReason{"Truncated bzip2 file body", Match::Whole, QT_TRANSLATE_NOOP("input", "bzip2 データが途中で切れています")},
    KnownReason{"xz premature end of stream", Match::Whole, QT_TRANSLATE_NOOP("input", "xz データが途中で切れています")},
    KnownReason{"Truncated xz file body", Match::Whole, QT_TRANSLATE_NOOP("input", "xz データが途中で切れています")},
    KnownReason{"Truncated zstd input", Match::Whole, QT_TRANSLATE_NOOP("input", "zstd データが途中で切れています")},
    KnownReason{"Truncated zstd file body", Match::Whole, QT_TRANSLATE_NOOP("input", "zstd データが途中で切れています")},
    KnownReason{"gzip decompression failed", Match::Whole, QT_TRANSLATE_NOOP("input", "gzip データを展開できません")},
    KnownReason{"bzip2 decompression failed", Match::Whole, QT_TRANSLATE_NOOP("input", "bzip2 データを展開できません")},
    KnownReason{"bzip decompression failed", Match::Whole, QT_TRANSLATE_NOOP("input", "bzip2 データを展開できません")},
    KnownReason{"xz data error", Match::Beginning, QT_TRANSLATE_NOOP("input", "xz データが壊れています")},
    KnownReason{"Lzma library error: Corrupted input data", Match::Whole, QT_TRANSLATE_NOOP("input", "xz データが壊れています")},
    KnownReason{"Lzma library error: format not recognized", Match::Whole, QT_TRANSLATE_NOOP("input", "xz データの形式がわかりません")},
    KnownReason{"Zstd decompression failed", Match::Beginning, QT_TRANSLATE_NOOP("input", "zstd データを展開できません")},
    KnownReason{"Error during zstd decompression", Match::Beginning, QT_TRANSLATE_NOOP("input", "zstd データを展開できません")},
    KnownReason{"ZIP bad CRC", Match::Beginning, QT_TRANSLATE_NOOP("input", "ZIP データの CRC が合いません")},
    KnownReason{"Tar entry has negative size", Match::Whole, QT_TRANSLATE_NOOP("input", "tar の項目の大きさが正しくありません")},
    KnownReason{"Tar entry size overflow", Match::Whole, QT_TRANSLATE_NOOP("input", "tar の項目の大きさが正しくありません")},
    KnownReason{"Tar size attribute", Match::Beginning, QT_TRANSLATE_NOOP("input", "tar の項目の大きさが正しくありません")},
    KnownReason{"Invalid pax extended attributes", Match::Whole, QT_TRANSLATE_NOOP("input", "tar の拡張ヘッダ (pax) が正しくありません")},
    KnownReason{"Lzma library error: Out of memory", Match::Whole, QT_TRANSLATE_NOOP("input", "メモリが足りません")},
    KnownReason{"Lzma library error: Cannot allocate memory", Match::Whole, QT_TRANSLATE_NOOP("input", "メモリが足りません")},
    KnownReason{"Can't allocate", Match::Beginning, QT_TRANSLATE_NOOP("input", "メモリが足りません")},
    KnownReason{"No memory for", Match::Beginning, QT_TRANSLATE_NOOP("input", "メモリが足りません")},
    KnownReason{"unknown error", Match::Whole, QT_TRANSLATE_NOOP("input", "原因のわからないエラー")},
    // zlib (z_stream.msg)
    KnownReason{"incorrect header check", Match::Whole, QT_TRANSLATE_NOOP("input", "ヘッダが正しくありません")},
    KnownReason{"unknown compression method", Match::Whole, QT_TRANSLATE_NOOP("input", "圧縮の方式がわかりません")},
    KnownReason{"invalid", Match::Beginning, QT_TRANSLATE_NOOP("input", "圧縮データが正しくありません")},
    KnownReason{"too many length or distance symbols", Match::Whole, QT_TRANSLATE_NOOP("input", "圧縮データが正しくありません")},
};

}  // namespace

std::string LibraryReasonText(std::string_view reason) {
    for (const KnownReason& known : kKnownReasons) {
        const bool matches = known.match == Match::Whole ? reason == known.library : reason.starts_with(known.library);
        if (matches) return TrText("input", known.text);
    }
    return std::string(reason);
}

std::string CompressedDataCutShort(const std::string& compression) {
    return StringPrintf(TrText("input", "%s データが途中で切れています").c_str(), compression.c_str());
}

std::string CompressedDataDamaged(const std::string& compression, std::string_view detail) {
    const std::string why = LibraryReasonText(detail);
    return StringPrintf(TrText("input", "%s データが壊れています（%s）").c_str(), compression.c_str(), why.c_str());
}

std::string GzipCheckFailed() { return TrText("input", "gzip データが壊れています（CRC が合いません）"); }

std::string GzipLengthFailed() { return TrText("input", "gzip データが壊れています（長さが合いません）"); }

std::string OutOfMemoryDecompressing(const std::string& compression) {
    return StringPrintf(TrText("input", "%s データの展開中にメモリが足りなくなりました").c_str(), compression.c_str());
}

std::string DecompressionFailed(const std::string& compression) {
    return StringPrintf(TrText("input", "%s データを展開できません").c_str(), compression.c_str());
}

std::string ReadErrorText() { return TrText("input", "読み込みエラー"); }

std::string ArchiveEndMissing() {
    return TrText("input", "途中で切れています（アーカイブの終わりを示すブロックがありません）");
}

}  // namespace tremblo
