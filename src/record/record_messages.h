#pragma once
// Texts of the messages shown while loading records (UTF-8), in Japanese;
// TrText("record", ...) gives them in the language in use.
#include <string>

#include "common/translation.h"

namespace tremblo::messages {

inline constexpr const char* kWaitLoading = QT_TRANSLATE_NOOP("record", "地震波形データを読み込んでいます・・・・");

inline constexpr const char* kFileNameError =
    QT_TRANSLATE_NOOP("record", "ファイル名が正しくありません !\n多分，フォルダー名に余分なピリオドが付いていると思われます　　　　　");
inline constexpr const char* kFileNameErrorCaption = QT_TRANSLATE_NOOP("record", "ファイル名エラー");

inline constexpr const char* kKnetStationUnknown =
    QT_TRANSLATE_NOOP("record", "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式がK-NET/KiK-netと異なっている恐れがあります　　　\n");
inline constexpr const char* kHiroshimaStationUnknown =
    QT_TRANSLATE_NOOP("record", "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n");
inline constexpr const char* kStationCodeErrorCaption = QT_TRANSLATE_NOOP("record", "観測点コードエラー");

inline constexpr const char* kOriginTimeMissing =
    QT_TRANSLATE_NOOP("record", "このデータファイルには発震日時が記載されていません。　\n\n記録日時を発震日時に設定します。");
inline constexpr const char* kOriginTimeMissingCaption = QT_TRANSLATE_NOOP("record", "発震日時記載なし");

inline constexpr const char* kMissingPair = QT_TRANSLATE_NOOP("record", "対になる３成分データファイルが揃っていません");
inline constexpr const char* kFileErrorCaption = QT_TRANSLATE_NOOP("record", "ファイルエラー");

inline constexpr const char* kDataFileErrorCaption = QT_TRANSLATE_NOOP("record", "データファイルエラー");

// A component file that cannot be opened (%s: its path).
inline constexpr const char* kCannotOpenFormat =
    QT_TRANSLATE_NOOP("record", "\n３成分のデータを読み込めません\n\nデータファイル %s がありません   ");
// A file whose content cannot be used (%s: path, then the reason).
inline constexpr const char* kBadContentFormat = QT_TRANSLATE_NOOP("record", "データファイル %s を読み込めません\n\n%s");
// Components of one record at different sampling intervals (%s: paths, %g: seconds).
inline constexpr const char* kDifferentIntervalsSecondsFormat =
    QT_TRANSLATE_NOOP("record", "%s と %s のサンプリング間隔が異なります（%g 秒と %g 秒）");
inline constexpr const char* kNoSamplesFormat = QT_TRANSLATE_NOOP("record", "データファイル %s にはデータがありません");

}  // namespace tremblo::messages
