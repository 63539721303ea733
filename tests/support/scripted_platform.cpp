#include "support/scripted_platform.h"

namespace tremblo::testing {

MessageAnswer ScriptedPlatform::ShowMessage(const std::string& text, const std::string& caption,
                                            MessageStyle style) {
    messages.push_back({text, caption, style});
    if (!messageAnswers.empty()) {
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return (style == MessageStyle::YesNo || style == MessageStyle::QuestionYesNo)
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

std::optional<std::string> ScriptedPlatform::AskOpenFile(const std::string& filter) {
    openFilters.push_back(filter);
    if (openAnswers.empty()) return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<int> ScriptedPlatform::AskChoice(const std::string& text, const std::string& caption,
                                               const std::vector<std::string>& items) {
    events.push_back("choice:" + text);
    (void)caption;
    choiceItems.push_back(items);
    if (choiceAnswers.empty()) return std::nullopt;
    const std::optional<int> answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPlatform::AskSaveFile(const SaveDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::ShowWait(const std::string& text) { events.push_back("wait:" + text); }
void ScriptedPlatform::CloseWait() { events.push_back("close-wait"); }

void ScriptedPlatform::CopyImageToClipboard(const RgbImage& image) {
    events.push_back("clipboard");
    clipboard.push_back(image);
}

void ScriptedPlatform::CopyTextToClipboard(const std::string& text) {
    events.push_back("clipboard-text");
    clipboardTexts.push_back(text);
}

bool ScriptedPlatform::OpenUrl(const std::string& url) {
    events.push_back("url:" + url);
    return urlOpens;
}

std::string SamplePath(const std::string& relative) {
    return std::string(TREMBLO_SOURCE_DIR) + "/" + relative;
}

}  // namespace tremblo::testing
