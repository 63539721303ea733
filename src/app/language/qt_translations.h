#pragma once
// Qt's own texts (file dialogs, message-box buttons, context menus) in
// Japanese, like the rest of the program, from the translations Debian
// ships with Qt (package qt6-translations-l10n).
#include <QTranslator>
#include <memory>

namespace tremblo {

// Installs Qt's Japanese translations in the application and returns them
// (they stay in effect while the returned object lives); nothing when the
// translation files are not installed, and Qt then speaks English.
std::unique_ptr<QTranslator> InstallQtJapaneseTranslations();

}  // namespace tremblo
