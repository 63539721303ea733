#pragma once
// A Platform whose answers a test scripts in advance and which keeps every
// message, dialog request, wait-window change and clipboard picture.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/platform.h"

namespace tremblo::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageStyle style;
};

class ScriptedPlatform : public Platform {
public:
    // Answers handed out in order; when they run out, messages answer Ok/Yes
    // and dialogs are cancelled.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<int>> choiceAnswers;
    bool urlOpens = true;

    std::vector<ShownMessage> messages;
    std::vector<std::string> openFilters;
    std::vector<std::vector<std::string>> choiceItems;  // the items of each choice asked
    std::vector<SaveDialogRequest> saveRequests;
    std::vector<std::string> events;  // "wait:<text>", "close-wait", "url:<url>", "clipboard"
    std::vector<RgbImage> clipboard;
    std::vector<std::string> clipboardTexts;  // each text copied, in order

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageStyle style) override;
    std::optional<std::string> AskOpenFile(const std::string& filter) override;
    std::optional<std::string> AskSaveFile(const SaveDialogRequest& request) override;
    std::optional<int> AskChoice(const std::string& text, const std::string& caption,
                                 const std::vector<std::string>& items) override;
    void ShowWait(const std::string& text) override;
    void CloseWait() override;
    void CopyImageToClipboard(const RgbImage& image) override;
    void CopyTextToClipboard(const std::string& text) override;
    bool OpenUrl(const std::string& url) override;
};

// Folder of the repository's sample records and station files.
std::string SamplePath(const std::string& relative);

}  // namespace tremblo::testing
