#pragma once
// The main window: the waveform plot on the left, the control panel on the
// right, the record information below the plot.
#include <QMainWindow>
#include <memory>

#include "common/platform.h"
#include "record/record_session.h"
#include "record/station_directory.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

namespace tremblo {

class RecordInfoPanel;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // dataFolder: where SITENAME.CSV and SHOBONAME.CSV are read from.
    TForm1(Platform& platform, const std::string& dataFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // The file command and its menu twin.
    void BtnFileClick();
    void N10Click() { BtnFileClick(); }
    // Loads `path` as the file command would after the dialog.
    LoadStatus OpenRecordFile(const std::string& path);

    // File-format menu.
    void KNETClick() { ChooseFormat(RecordFormat::Knet); }
    void HiroshimaClick() { ChooseFormat(RecordFormat::Hiroshima); }
    void BOSAIClick() { ChooseFormat(RecordFormat::Cdpc); }
    void ChooseFormat(RecordFormat format);
    RecordFormat chosenFormat() const;

    // （記号→地点名）ファイル作成
    void N8Click();

    const RecordSession& session() const { return *session_; }
    RecordInfoPanel* infoPanel() const { return info_; }

    // Controls, named as the program calls them.
    QPushButton* BtnFile = nullptr;
    QPushButton* BtnWave = nullptr;
    QPushButton* BtnSpect = nullptr;
    QCheckBox* CB3Compo = nullptr;
    QCheckBox* CBDC = nullptr;
    QAction* KNET = nullptr;
    QAction* Hiroshima = nullptr;
    QAction* BOSAI = nullptr;
    QAction* N8 = nullptr;
    QLabel* MyWave1 = nullptr;

private:
    void BuildMenu();
    void BuildPanel();
    void ShowStartUpHints();
    void UpdateAfterLoad();
    LoadSettings CurrentLoadSettings() const;
    void FinishLoad(LoadStatus status);

    Platform& platform_;
    std::unique_ptr<StationDirectory> directory_;
    std::unique_ptr<RecordSession> session_;
    RecordInfoPanel* info_ = nullptr;
};

}  // namespace tremblo
