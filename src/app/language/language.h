#pragma once
// The language of the program's texts: Japanese, as written, or English from
// the translations built into both programs.
#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tremblo {

enum class Language { Japanese, English };

// "ja" or "en" (any case); nothing for anything else.
std::optional<Language> LanguageFromCode(const std::string& code);
const char* LanguageCode(Language language);

// The language of this run: --lang wins, then the environment variable
// TREMBLO_LANG, then the one chosen in the menu last time, else Japanese,
// whatever the system's locale. A TREMBLO_LANG that names no language is
// reported in *problem and passed over.
Language ChooseLanguage(const std::optional<Language>& option, const char* environment,
                        const std::optional<Language>& remembered, std::string* problem = nullptr);

// The menu's choice, kept in the user's settings (~/.config/tremblo).
std::optional<Language> RememberedLanguage();
void RememberLanguage(Language language);

// The translators in force; they are removed when this is destroyed.
class InstalledLanguage {
public:
    InstalledLanguage(Language language, bool englishPictures);
    ~InstalledLanguage();
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// The language installed last (Japanese before any).
Language CurrentLanguage();

// Installs the language for the whole program: the windows' texts, Qt's own
// dialogs and the core's messages; pictures are in English only when
// englishPictures is set and the language is English.
std::unique_ptr<InstalledLanguage> InstallLanguage(Language language, bool englishPictures = false);

}  // namespace tremblo
