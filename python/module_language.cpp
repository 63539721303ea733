#include "module_language.h"

#include <map>
#include <string_view>
#include <utility>

#include "common/translation.h"

namespace tremblo::python {

namespace {

struct EnglishText {
    const char* context;
    const char* japanese;
    const char* english;
};

const EnglishText kEnglishTexts[] = {
#include "english_texts.inc"
};

using TextKey = std::pair<std::string_view, std::string_view>;

const std::map<TextKey, const char*>& EnglishTable() {
    static const std::map<TextKey, const char*> table = [] {
        std::map<TextKey, const char*> t;
        for (const EnglishText& e : kEnglishTexts) t.emplace(TextKey{e.context, e.japanese}, e.english);
        return t;
    }();
    return table;
}

std::string English(const char* context, const char* text) {
    const auto& table = EnglishTable();
    const auto found = table.find(TextKey{context, text});
    return found == table.end() ? std::string(text) : std::string(found->second);
}

std::string current = "ja";

}  // namespace

bool SetModuleLanguage(const std::string& language) {
    if (language != "en" && language != "ja") return false;
    InstallTextTranslation(language == "en" ? &English : nullptr, nullptr);
    current = language;
    return true;
}

std::string ModuleLanguage() { return current; }

}  // namespace tremblo::python
