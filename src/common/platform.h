#pragma once
// Everything the program asks of the desktop: message boxes, file dialogs,
// the wait window, the clipboard and the web browser. Windows and logic get
// one Platform and never talk to the toolkit's dialogs themselves, so tests
// can script every answer and read every message.
#include <optional>
#include <string>
#include <vector>

#include "common/format.h"
#include "common/rgb_image.h"
#include "common/translation.h"

namespace tremblo {

enum class MessageStyle {
    Plain,             // OK button, no icon
    YesNo,             // Yes/No buttons, no icon
    Warning,           // warning icon, OK button
    QuestionYesNo,     // question icon, Yes/No buttons
    QuestionOkCancel,  // question icon, OK/Cancel buttons
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct SaveDialogRequest {
    std::string filter;  // "description|pattern|description|pattern..."
    std::string initialFolder;
    std::string initialName;
    std::string defaultExtension;  // without the period
};

class Platform {
public:
    virtual ~Platform() = default;

    // Texts are UTF-8.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageStyle style) = 0;

    // The file-open dialog; nothing when the user cancels.
    virtual std::optional<std::string> AskOpenFile(const std::string& filter) = 0;

    // The folder dialog; nothing when the user cancels (or the desktop has none).
    virtual std::optional<std::string> AskOpenFolder() { return std::nullopt; }

    // One of `items` chosen by the user (its index); nothing when cancelled.
    virtual std::optional<int> AskChoice(const std::string& text, const std::string& caption,
                                         const std::vector<std::string>& items) {
        (void)text, (void)caption, (void)items;
        return std::nullopt;
    }

    // The file-save dialog with its overwrite question; nothing when cancelled.
    virtual std::optional<std::string> AskSaveFile(const SaveDialogRequest& request) = 0;

    // The wait window: set its text, show it and repaint it at once.
    virtual void ShowWait(const std::string& text) = 0;
    virtual void CloseWait() = 0;

    virtual void CopyImageToClipboard(const RgbImage& image) = 0;
    // Plain text (UTF-8), as a table copied to paste into a spreadsheet.
    virtual void CopyTextToClipboard(const std::string& text) = 0;

    // Opens the page in the desktop's browser; false when that failed.
    virtual bool OpenUrl(const std::string& url) = 0;
};

// Opens a web page; when the desktop cannot, says so in a warning.
inline void OpenPage(Platform& platform, const std::string& url) {
    if (!platform.OpenUrl(url))
        platform.ShowMessage(TrText("common", "インターネットエクスプローラの起動に失敗しました　　　　"),
                             TrText("common", "readme.htm呼び出しエラー"), MessageStyle::Warning);
}

// The words for a file the program could not create or write, and their caption.
inline std::string CannotCreateText(const std::string& path) {
    return StringPrintf(TrText("common", "ファイル %s を作成できません").c_str(), path.c_str());
}
// (in Japanese: TrText("common", ...) says it in the language in use)
inline constexpr const char* kCannotCreateCaption = QT_TRANSLATE_NOOP("common", "ファイルエラー");

// A table or text file that could not be created or written.
inline void ReportCannotCreate(Platform& platform, const std::string& path) {
    platform.ShowMessage(CannotCreateText(path), TrText("common", kCannotCreateCaption), MessageStyle::Warning);
}

}  // namespace tremblo
