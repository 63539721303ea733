#pragma once
// Addresses opened by the link labels. The author's pages are placeholders.

#include "common/translation.h"

namespace tremblo::pages {

inline constexpr const char* kKnetDownload = "https://www.kyoshin.bosai.go.jp/kyoshin/data/";
inline constexpr const char* kKiknetSearch = "https://www.kyoshin.bosai.go.jp/kyoshin/search/";
inline constexpr const char* kHiroshimaNetwork = "https://www.city.hiroshima.lg.jp/";
inline constexpr const char* kAuthorPage = "https://tremblo.example.org/";
inline constexpr const char* kAuthorSecondPage = "https://tremblo.example.org/lab/";
// (TrText("common", kAuthorName) in the language in use)
inline constexpr const char* kAuthorName = QT_TRANSLATE_NOOP("common", "TREMBLO 開発者");
inline constexpr const char* kAuthorMail = "tremblo@example.org";

}  // namespace tremblo::pages
