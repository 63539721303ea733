#pragma once
// The platform of the batch front end: no window, no one to answer. Every
// message is kept (the worker reports them with its record's file), every
// dialog is cancelled, questions are answered No or Cancel, and the wait
// window, clipboard and browser do nothing.
#include <string>
#include <vector>

#include "common/platform.h"

namespace tremblo {

class ConsolePlatform : public Platform {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageStyle style) override;
    std::optional<std::string> AskOpenFile(const std::string&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFile(const SaveDialogRequest&) override { return std::nullopt; }
    void ShowWait(const std::string&) override {}
    void CloseWait() override {}
    void CopyImageToClipboard(const RgbImage&) override {}
    void CopyTextToClipboard(const std::string&) override {}
    bool OpenUrl(const std::string&) override { return false; }

    // The messages shown since the last call, each on one line, oldest first.
    std::vector<std::string> TakeMessages();

private:
    std::vector<std::string> messages_;
};

// A message box's text on one line: its lines trimmed of blanks (wide
// blanks too) and joined by single blanks; the caption leads, followed by ": ".
std::string MessageLine(const std::string& caption, const std::string& text);

}  // namespace tremblo
