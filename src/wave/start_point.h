#pragma once
// The start field of the waveform view: what a text typed there means.
#include <string>

namespace tremblo {

enum class StartVerdict { Empty, NotANumber, TooLarge, Accepted };

struct StartCheck {
    StartVerdict verdict;
    int value = 0;
};

inline constexpr const char* kStartTooLarge = "開始点番号が大きすぎます";
inline constexpr const char* kStartNotANumber = "開始点番号には整数を入力してください";
inline constexpr const char* kStartErrorCaption = "開始点番号エラー";

// The start must leave 500 samples per time-scale step (500 for 5 s ... 3000
// for 250 s) before the record's end: v > sampleCount - 500 x (item + 1) is
// too large. Text that is not a whole number is refused.
StartCheck CheckStartText(const std::string& text, int sampleCount, int timeScaleItem);

}  // namespace tremblo
