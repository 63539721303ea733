#pragma once
// Texts of the messages shown while loading records (UTF-8).
#include <string>

namespace tremblo::messages {

inline constexpr const char* kWaitLoading = "地震波形データを読み込んでいます・・・・";

inline constexpr const char* kFileNameError =
    "ファイル名が正しくありません !\n多分，フォルダー名に余分なピリオドが付いていると思われます　　　　　";
inline constexpr const char* kFileNameErrorCaption = "ファイル名エラー";

inline constexpr const char* kKnetStationUnknown =
    "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式がK-NET/KiK-netと異なっている恐れがあります　　　\n";
inline constexpr const char* kHiroshimaStationUnknown =
    "この観測点コードは登録されおりません　　　　　\n\nデータファイルの形式が広島市消防局と異なっている恐れがあります　　　\n";
inline constexpr const char* kStationCodeErrorCaption = "観測点コードエラー";

inline constexpr const char* kOriginTimeMissing =
    "このデータファイルには発震日時が記載されていません。　\n\n記録日時を発震日時に設定します。";
inline constexpr const char* kOriginTimeMissingCaption = "発震日時記載なし";

inline constexpr const char* kMissingPair = "対になる３成分データファイルが揃っていません";
inline constexpr const char* kFileErrorCaption = "ファイルエラー";

inline constexpr const char* kDataFileErrorCaption = "データファイルエラー";

// A component file that cannot be opened (%s: its path).
inline constexpr const char* kCannotOpenFormat =
    "\n３成分のデータを読み込めません\n\nデータファイル %s がありません   ";
// A file whose content cannot be used (%s: path, then the reason).
inline constexpr const char* kBadContentFormat = "データファイル %s を読み込めません\n\n%s";
inline constexpr const char* kNoSamplesFormat = "データファイル %s にはデータがありません";

}  // namespace tremblo::messages
