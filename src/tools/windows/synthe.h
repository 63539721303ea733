#pragma once
// The synthesis window: the azimuth, the output file and the button that
// writes the horizontal component of the loaded record in that azimuth.
#include <QWidget>
#include <string>

#include "common/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tremblo {

class RecordSession;

class TSynthe : public QWidget {
    Q_OBJECT
public:
    TSynthe(Platform& platform, const RecordSession& session, QWidget* parent = nullptr);

    // The main window's 合成波形: the dialog's defaults and the first step
    // shown, a fresh output-file choice asked for.
    void Open();

    void FormCreate();
    void Edit1Change();
    void Button3Click();  // output file
    void Button1Click();  // execute
    void Button2Click() { hide(); }
    // After every load: an output file chosen for the record before must be
    // chosen again.
    void RecordChanged();

    // The save dialog's default name and extension, and the chosen output path.
    const std::string& defaultName() const { return defaultName_; }
    const std::string& defaultExtension() const { return defaultExtension_; }
    const std::string& outputPath() const { return outputPath_; }

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;

private:
    // The azimuth in Edit1, or nothing after saying it is not a whole number.
    std::optional<int> Azimuth();
    // Default name and extension from the NS file and the azimuth.
    void SetDialogDefaults(int azimuth);
    void AwaitOutputFile();
    void ForgetOutputFile();

    Platform& platform_;
    const RecordSession& session_;
    std::string defaultName_, defaultExtension_;
    std::string outputPath_;
    bool outputChosen_ = false;      // 実行 writes to outputPath_
    std::optional<int> chosenAzimuth_;  // the azimuth the file was chosen for
};

}  // namespace tremblo
