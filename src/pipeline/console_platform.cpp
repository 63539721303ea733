#include "pipeline/console_platform.h"

#include <string_view>

namespace tremblo {

namespace {

constexpr std::string_view kWideBlank = "\xE3\x80\x80";  // U+3000

std::string_view Trim(std::string_view s) {
    for (bool changed = true; changed;) {
        changed = false;
        while (!s.empty() && (s.front() == ' ' || s.front() == '\r' || s.front() == '\t')) {
            s.remove_prefix(1);
            changed = true;
        }
        while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\t')) {
            s.remove_suffix(1);
            changed = true;
        }
        if (s.starts_with(kWideBlank)) {
            s.remove_prefix(kWideBlank.size());
            changed = true;
        }
        if (s.ends_with(kWideBlank)) {
            s.remove_suffix(kWideBlank.size());
            changed = true;
        }
    }
    return s;
}

}  // namespace

std::string MessageLine(const std::string& caption, const std::string& text) {
    std::string line(Trim(caption));
    if (!line.empty()) line += ": ";
    std::string_view rest = text;
    bool first = true;
    while (true) {
        const std::size_t end = rest.find('\n');
        const std::string_view piece = Trim(rest.substr(0, end));
        if (!piece.empty()) {
            if (!first) line += ' ';
            line += piece;
            first = false;
        }
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return line;
}

MessageAnswer ConsolePlatform::ShowMessage(const std::string& text, const std::string& caption,
                                           MessageStyle style) {
    messages_.push_back(MessageLine(caption, text));
    switch (style) {
        case MessageStyle::YesNo:
        case MessageStyle::QuestionYesNo:
            return MessageAnswer::No;
        case MessageStyle::QuestionOkCancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

std::vector<std::string> ConsolePlatform::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(messages_);
    return taken;
}

}  // namespace tremblo
