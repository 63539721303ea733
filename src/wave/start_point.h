#pragma once
// The start field of the waveform view: what a text typed there means.
#include <optional>
#include <string>

#include "common/translation.h"

namespace tremblo {

// The messages below are in Japanese; TrText("wave", ...) says them in the
// language in use.
enum class StartVerdict { Empty, NotANumber, TooLarge, Accepted };

struct StartCheck {
    StartVerdict verdict;
    int value = 0;
};

inline constexpr const char* kStartTooLarge = QT_TRANSLATE_NOOP("wave", "開始点番号が大きすぎます");
inline constexpr const char* kStartNotANumber = QT_TRANSLATE_NOOP("wave", "開始点番号には整数を入力してください");
inline constexpr const char* kStartErrorCaption = QT_TRANSLATE_NOOP("wave", "開始点番号エラー");

// A whole number filling the text (blanks around it allowed); nothing for
// any other text, the empty one included.
std::optional<int> ParseWholeInteger(const std::string& text);

// The start must leave 500 samples per time-scale step (500 for 5 s ... 3000
// for 250 s) before the record's end: v > sampleCount - 500 x (item + 1) is
// too large. Text that is not a whole number is refused.
StartCheck CheckStartText(const std::string& text, int sampleCount, int timeScaleItem);

inline constexpr const char* kAmplitudeNotANumber = QT_TRANSLATE_NOOP("wave", "振幅軸目盛には数値を入力してください");
inline constexpr const char* kAmplitudeErrorCaption = QT_TRANSLATE_NOOP("wave", "振幅軸目盛エラー");

// A decimal number filling the whole text (blanks around it allowed), as the
// toolkit's conversion accepts it; nothing for any other text.
std::optional<float> ParseWholeDecimal(const std::string& text);

}  // namespace tremblo
