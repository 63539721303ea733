#include "app/language/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tremblo {

std::unique_ptr<QTranslator> InstallQtJapaneseTranslations() {
    auto translator = std::make_unique<QTranslator>();
    // qtbase_ja holds the widgets' texts; qt_ja would add the other modules.
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace tremblo
