#pragma once
// The desktop behind the Platform seam: Qt message boxes, file dialogs, the
// wait window, the clipboard and the browser.
#include <QObject>
#include <functional>

#include "common/platform.h"

class QWidget;

namespace tremblo {

class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // The wait window is created by the application shell; these hooks show
    // and close it.
    void setWaitHooks(std::function<void(const std::string&)> show, std::function<void()> close) {
        showWait_ = std::move(show);
        closeWait_ = std::move(close);
    }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageStyle style) override;
    std::optional<std::string> AskOpenFile(const std::string& filter) override;
    std::optional<std::string> AskOpenFolder() override;
    std::optional<int> AskChoice(const std::string& text, const std::string& caption,
                                 const std::vector<std::string>& items) override;
    std::optional<std::string> AskSaveFile(const SaveDialogRequest& request) override;
    void ShowWait(const std::string& text) override;
    void CloseWait() override;
    void CopyImageToClipboard(const RgbImage& image) override;
    void CopyTextToClipboard(const std::string& text) override;
    bool OpenUrl(const std::string& url) override;

    // The window a dialog belongs to: the active window of the program,
    // else the one given.
    QWidget* Owner() const;

private:
    QWidget* parent_;
    std::function<void(const std::string&)> showWait_;
    std::function<void()> closeWait_;
};

// "desc|pattern|desc|pattern" as a Qt name-filter list.
QString ToQtFilter(const std::string& filter);

}  // namespace tremblo
