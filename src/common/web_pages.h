#pragma once
// Addresses opened by the link labels. The author's pages are placeholders.

namespace tremblo::pages {

inline constexpr const char* kKnetDownload = "https://www.kyoshin.bosai.go.jp/kyoshin/data/";
inline constexpr const char* kKiknetSearch = "https://www.kyoshin.bosai.go.jp/kyoshin/search/";
inline constexpr const char* kHiroshimaNetwork = "https://www.city.hiroshima.lg.jp/";
inline constexpr const char* kAuthorPage = "https://tremblo.example.org/";
inline constexpr const char* kAuthorSecondPage = "https://tremblo.example.org/lab/";
inline constexpr const char* kAuthorName = "TREMBLO 開発者";
inline constexpr const char* kAuthorMail = "tremblo@example.org";

}  // namespace tremblo::pages
