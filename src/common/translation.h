#pragma once
// The program's texts are written in Japanese, its first language. TrText
// gives a message, caption or hint in the language the user chose; TrPicture
// gives a text drawn into a picture (titles, legends), which stays Japanese
// unless English pictures were asked for, because pictures and tables are data
// that other programs and reports rely on. The application installs the
// translation once at start-up; until then both return the text as written.
//
// Contexts are the subsystem's folder name ("record", "batch", ...). Texts kept
// in constants are marked with QT_TRANSLATE_NOOP so that the translation tools
// find them, and passed to TrText where they are shown.
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tremblo {

using TextTranslation = std::string (*)(const char* context, const char* text);

// Either may be null: that kind of text then stays as written.
void InstallTextTranslation(TextTranslation messages, TextTranslation pictures);

std::string TrText(const char* context, const char* text);
std::string TrPicture(const char* context, const char* text);

}  // namespace tremblo
