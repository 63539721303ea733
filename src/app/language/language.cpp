#include "app/language/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <atomic>

#include "app/language/qt_translations.h"
#include "common/translation.h"

namespace tremblo {
namespace {

constexpr const char* kLanguageKey = "language";
std::atomic<Language> currentLanguage{Language::Japanese};

std::string TranslatedText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

std::unique_ptr<QTranslator> Loaded(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

std::optional<Language> LanguageFromCode(const std::string& code) {
    const QString lower = QString::fromStdString(code).trimmed().toLower();
    if (lower == "ja") return Language::Japanese;
    if (lower == "en") return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ja"; }

Language ChooseLanguage(const std::optional<Language>& option, const char* environment,
                        const std::optional<Language>& remembered, std::string* problem) {
    if (option) return *option;
    if (environment && *environment) {
        if (const auto fromEnvironment = LanguageFromCode(environment)) return *fromEnvironment;
        if (problem) *problem = std::string("TREMBLO_LANG=") + environment + " names no language (en or ja): ignored";
    }
    return remembered.value_or(Language::Japanese);
}

std::optional<Language> RememberedLanguage() {
    const QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    return LanguageFromCode(settings.value(kLanguageKey).toString().toStdString());
}

void RememberLanguage(Language language) {
    QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    settings.setValue(kLanguageKey, QString::fromLatin1(LanguageCode(language)));
}

InstalledLanguage::InstalledLanguage(Language language, bool englishPictures) {
    currentLanguage = language;
    if (language == Language::English) {
        if (auto own = Loaded(QStringLiteral("tremblo_en"), QStringLiteral(":/i18n"))) translators_.push_back(std::move(own));
        InstallTextTranslation(&TranslatedText, englishPictures ? &TranslatedText : nullptr);
    } else {
        if (auto qt = InstallQtJapaneseTranslations()) translators_.push_back(std::move(qt));
        InstallTextTranslation(nullptr, nullptr);
    }
}

InstalledLanguage::~InstalledLanguage() {
    currentLanguage = Language::Japanese;
    InstallTextTranslation(nullptr, nullptr);
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
}

Language CurrentLanguage() { return currentLanguage; }

std::unique_ptr<InstalledLanguage> InstallLanguage(Language language, bool englishPictures) {
    return std::make_unique<InstalledLanguage>(language, englishPictures);
}

}  // namespace tremblo
