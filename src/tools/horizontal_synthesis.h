#pragma once
// The horizontal component in any azimuth, combined from the NS and EW
// traces of a three-component K-NET/KiK-net record and written as a record
// file of its own in the K-NET layout, so that it loads like any component
// file. Shared by the synthesis window and the batch.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "common/translation.h"
#include "record/seismic_record.h"

namespace tremblo {

// Texts of the synthesis tool (UTF-8), in Japanese; TrText("tools", ...)
// says them in the language in use.
namespace synthesis_text {
inline constexpr const char* kPressOutputFile = QT_TRANSLATE_NOOP("tools", "出力ファイルボタンを押してファイル名を設定してください");
inline constexpr const char* kPressExecute = QT_TRANSLATE_NOOP("tools", "実行ボタンを押してください");
inline constexpr const char* kWritten = QT_TRANSLATE_NOOP("tools", "ファイルに出力しました");
inline constexpr const char* kBadExtension = QT_TRANSLATE_NOOP("tools", "ファイル名に付けられた拡張子が不正です");
inline constexpr const char* kBadExtensionCaption = QT_TRANSLATE_NOOP("tools", "ファイル拡張子エラー");
inline constexpr const char* kExtensionNotAzimuth = QT_TRANSLATE_NOOP("tools", "拡張子が方位角を表していませんが，この名前でよろしいですか？");
inline constexpr const char* kExtensionNotAzimuthCaption = QT_TRANSLATE_NOOP("tools", "ファイル拡張子");
inline constexpr const char* kAzimuthNotInteger =
    QT_TRANSLATE_NOOP("tools", "方位角には整数（北を０度，東を９０度とする度数）を入力してください");
inline constexpr const char* kAzimuthErrorCaption = QT_TRANSLATE_NOOP("tools", "方位角エラー");
inline constexpr const char* kErrorCaption = QT_TRANSLATE_NOOP("tools", "合成波形ファイルエラー");
inline constexpr const char* kOutputIsRecordFileFormat =
    QT_TRANSLATE_NOOP("tools", "%s は読み込んだ記録のファイルです\n別のファイル名を指定してください");
}  // namespace synthesis_text

// The azimuth typed by the user: a whole number (blanks around it allowed);
// nothing for any other text.
std::optional<int> ParseAzimuth(const std::string& text);

// The azimuth as the file extension: "%03d" (7 gives "007").
std::string AzimuthExtension(int azimuth);

// The proposed output file name: the NS file's name without its extension
// (the part after its last period), "." and the azimuth extension.
std::string DefaultSynthesisName(const std::string& nsPath, int azimuth);

enum class OutputNameVerdict {
    Accepted,
    BadPeriodCount,       // not exactly one period in the whole path, folders included
    ExtensionNotAzimuth,  // the extension is not the azimuth's: the user is asked
};
OutputNameVerdict CheckOutputName(const std::string& path, int azimuth);

// Whether `path` names one of the record's own component files (the same
// file under another spelling of its path too): the synthesis never writes
// over the record it reads.
bool IsRecordComponentFile(const RecordFields& record, const std::string& path);

// Why the loaded record cannot be synthesised (in the program's words), or
// nothing when it can: it must be a three-component K-NET/KiK-net record
// with a scale factor other than 0.
std::optional<std::string> SynthesisUnavailable(const RecordFields& record, RecordFormat format);

struct SynthesizedTrace {
    std::vector<int> counts;  // acceleration / scale factor, truncated toward zero
    float peak = 0.0f;        // largest absolute acceleration, gal
};

// a = cos(theta) ns + sin(theta) ew with theta (azimuth in radians) held in
// single precision and a stored in single precision; north = 0, east = 90.
SynthesizedTrace SynthesizeHorizontal(std::span<const float> ns, std::span<const float> ew,
                                      float scaleFactor, int azimuth);

// The file: the EW file's 17 header lines, but line 14 (scale factor) from the
// NS file, whose factor converted the counts, and line 15 holding the peak;
// then the counts eight to a line. Nothing is written unless both headers
// read and the whole file is complete: it goes to a temporary file beside
// `outPath` that then replaces it. The error says which file failed.
struct SynthesisSummary {
    int sampleCount = 0;
    int peakGal = 0;  // line 15
};
Result<SynthesisSummary> WriteSynthesizedRecord(const SeismicRecord& record, int azimuth,
                                                const std::string& outPath);

}  // namespace tremblo
