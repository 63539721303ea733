#pragma once
// Messages the fixed-column record readers (COSMOS, CSMIP, SMC, GeoNet)
// share, in Japanese; TrText("record", ...) gives them in the language in
// use. Printf markers are noted beside each.
#include "common/translation.h"

namespace tremblo::fixed_messages {

// %s: the format's name ("COSMOS").
inline constexpr const char* kNotThisFormat = QT_TRANSLATE_NOOP("record", "%s 形式のファイルではありません");
// %s: the format's name, %s: what the line should have held.
inline constexpr const char* kLineNotAsExpected =
    QT_TRANSLATE_NOOP("record", "%s 形式の行ではありません（%sがあるはずの行です）");
inline constexpr const char* kNoAcceleration =
    QT_TRANSLATE_NOOP("record", "加速度のデータがありません（速度・変位だけのファイルは読み込めません）");
// %s: the interval as the file writes it.
inline constexpr const char* kBadInterval = QT_TRANSLATE_NOOP("record", "サンプリング間隔「%s」が正しくありません");
inline constexpr const char* kNoInterval = QT_TRANSLATE_NOOP("record", "サンプリング間隔が書かれていません");
// %d: the units code.
inline constexpr const char* kUnknownUnitsCode = QT_TRANSLATE_NOOP("record", "単位コード %d は加速度の単位ではありません");
// %s: the units as written.
inline constexpr const char* kUnknownUnits = QT_TRANSLATE_NOOP("record", "加速度の単位「%s」が分かりません");
// %s: the count as written.
inline constexpr const char* kBadCount = QT_TRANSLATE_NOOP("record", "データの個数「%s」が正しくありません");

// Nouns for the parts of a file, used in "ファイルが途中で終わっています（%sがありません）"
// and the data messages.
inline constexpr const char* kTextHeader = QT_TRANSLATE_NOOP("record", "テキストヘッダー");
inline constexpr const char* kIntegerHeader = QT_TRANSLATE_NOOP("record", "整数ヘッダー");
inline constexpr const char* kRealHeader = QT_TRANSLATE_NOOP("record", "実数ヘッダー");
inline constexpr const char* kCommentLines = QT_TRANSLATE_NOOP("record", "コメント行");
inline constexpr const char* kDataStartLine = QT_TRANSLATE_NOOP("record", "データの開始行");
inline constexpr const char* kEndOfData = QT_TRANSLATE_NOOP("record", "データの終わりを示す行");
inline constexpr const char* kAcceleration = QT_TRANSLATE_NOOP("record", "加速度");
inline constexpr const char* kVelocity = QT_TRANSLATE_NOOP("record", "速度");
inline constexpr const char* kDisplacement = QT_TRANSLATE_NOOP("record", "変位");

}  // namespace tremblo::fixed_messages
