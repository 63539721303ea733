// The libraries' reasons in the program's words: known texts whole or by
// their beginning, in the language installed; unknown ones as written.
#include <gtest/gtest.h>

#include <cstring>

#include "common/translation.h"
#include "input/library_reasons.h"

namespace tremblo {
namespace {

// A stand-in translation: every text of the context "input" marked, so that
// a test sees which texts went through it.
std::string Marked(const char* context, const char* text) {
    return std::strcmp(context, "input") == 0 ? std::string("[") + text + "]" : std::string(text);
}

TEST(LibraryReasonText, KnownReasonsWholeOrByTheirBeginning) {
    const struct {
        const char* library;
        const char* shown;
    } cases[] = {
        {"Truncated tar archive", "tar アーカイブが途中で切れています"},
        {"Damaged tar archive", "tar アーカイブが壊れています"},
        {"Unrecognized archive format", "アーカイブの形式がわかりません"},
        {"Premature end-of-file.", "ファイルが途中で終わっています"},
        {"Truncated input file (needed 1536 bytes, only 0 available)", "入力ファイルが途中で切れています"},
        {"truncated gzip input", "gzip データが途中で切れています"},
        {"xz data error (error 9)", "xz データが壊れています"},
        {"ZIP bad CRC: 0x1234 should be 0x5678", "ZIP データの CRC が合いません"},
        {"invalid distance too far back", "圧縮データが正しくありません"},
        // Not known: as the library wrote it, also a known text with more after it.
        {"Damaged tar archive (bad header checksum)", "Damaged tar archive (bad header checksum)"},
        {"Something new", "Something new"},
    };
    for (const auto& c : cases) EXPECT_EQ(LibraryReasonText(c.library), c.shown) << c.library;
}

TEST(LibraryReasonText, ComposedReasonsGoThroughTheTranslation) {
    InstallTextTranslation(Marked, nullptr);
    EXPECT_EQ(LibraryReasonText("Damaged tar archive"), "[tar アーカイブが壊れています]");
    EXPECT_EQ(LibraryReasonText("Something new"), "Something new");
    EXPECT_EQ(GzipCheckFailed(), "[gzip データが壊れています（CRC が合いません）]");
    // The library's reason inside the composed one is translated too.
    EXPECT_EQ(CompressedDataDamaged("xz", "Lzma library error: Corrupted input data"),
              "[xz データが壊れています（[xz データが壊れています]）]");
    InstallTextTranslation(nullptr, nullptr);
    EXPECT_EQ(CompressedDataCutShort("bzip2"), "bzip2 データが途中で切れています");
    EXPECT_EQ(CompressedDataDamaged("gzip", "incorrect header check"), "gzip データが壊れています（ヘッダが正しくありません）");
}

}  // namespace
}  // namespace tremblo
