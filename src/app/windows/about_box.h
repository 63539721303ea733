#pragma once
// The version window.
#include <QDialog>

class QLabel;

namespace tremblo {

class ClickableLabel;
class Platform;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Platform& platform, QWidget* parent = nullptr);

    void ProgramIconClick() { hide(); }
    void Label1Click();
    void Label2Click();

    ClickableLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    ClickableLabel* Label1 = nullptr;
    ClickableLabel* Label2 = nullptr;

private:
    Platform& platform_;
};

}  // namespace tremblo
