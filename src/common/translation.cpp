#include "common/translation.h"

#include <atomic>

namespace tremblo {
namespace {

std::atomic<TextTranslation> messageTranslation{nullptr};
std::atomic<TextTranslation> pictureTranslation{nullptr};

std::string Through(const std::atomic<TextTranslation>& translation, const char* context, const char* text) {
    const TextTranslation translate = translation.load(std::memory_order_acquire);
    return translate ? translate(context, text) : std::string(text);
}

}  // namespace

void InstallTextTranslation(TextTranslation messages, TextTranslation pictures) {
    messageTranslation.store(messages, std::memory_order_release);
    pictureTranslation.store(pictures, std::memory_order_release);
}

std::string TrText(const char* context, const char* text) { return Through(messageTranslation, context, text); }

std::string TrPicture(const char* context, const char* text) { return Through(pictureTranslation, context, text); }

}  // namespace tremblo
