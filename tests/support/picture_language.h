#pragma once
// The language of the texts drawn into pictures, checked without Qt: a stand-in
// translation marks every text it is asked for, so that a drawing shows which of
// its texts went through the pictures' translation and which did not.
#include <string>
#include <vector>

#include "common/translation.h"
#include "plot/recording_canvas.h"

namespace tremblo::testing {

inline std::string Marked(const char* /*context*/, const char* text) { return std::string("EN{") + text + "}"; }

// Installs Marked for messages, pictures or both while it lives.
class MarkedTranslation {
public:
    MarkedTranslation(bool messages, bool pictures) {
        InstallTextTranslation(messages ? &Marked : nullptr, pictures ? &Marked : nullptr);
    }
    ~MarkedTranslation() { InstallTextTranslation(nullptr, nullptr); }
    MarkedTranslation(const MarkedTranslation&) = delete;
    MarkedTranslation& operator=(const MarkedTranslation&) = delete;
};

// Whether UTF-8 text holds kana, kanji or full- and half-width forms.
inline bool HasJapanese(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0xE0 || b >= 0xF0 || i + 2 >= text.size()) continue;
        const unsigned code = (b & 0x0Fu) << 12 | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                              (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x4E00 && code <= 0x9FFF) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return true;
        i += 2;
    }
    return false;
}

// The text with every EN{...} left out.
inline std::string Unmarked(const std::string& text) {
    std::string rest;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find("EN{", at);
        if (open == std::string::npos) break;
        rest += text.substr(at, open - at);
        const std::size_t close = text.find('}', open);
        at = close == std::string::npos ? text.size() : close + 1;
    }
    if (at < text.size()) rest += text.substr(at);
    return rest;
}

// The texts a drawing wrote, in order.
inline std::vector<std::string> DrawnTexts(const RecordingCanvas& canvas) {
    std::vector<std::string> texts;
    for (const CanvasCall& call : canvas.calls)
        if (call.op == CanvasOp::TextOut || call.op == CanvasOp::DrawText) texts.push_back(call.text);
    return texts;
}

}  // namespace tremblo::testing
