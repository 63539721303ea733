#pragma once
// The main window: the waveform plot on the left, the control panel on the
// right, the record information below the plot.
#include <QMainWindow>
#include <functional>
#include <optional>
#include <memory>

#include "app/language/language.h"
#include "common/platform.h"
#include "plot/windows/widget_place.h"
#include "record/record_session.h"
#include "stations/station_directory.h"
#include "spectrum/damping_ratios.h"
#include "wave/waveform_preparation.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;

namespace tremblo {

class ClickableLabel;
class RadioGroup;
class RecordInfoPanel;
class THRSMList;
class TSiteList;
class TSpect;
class TSynthe;
class WavePlotView;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // dataFolder: where SITENAME.CSV and SHOBONAME.CSV are read from.
    TForm1(Platform& platform, const std::string& dataFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // Record loading.
    void BtnFileClick();
    void N10Click() { BtnFileClick(); }
    LoadStatus OpenRecordFile(const std::string& path);  // as the file command after its dialog
    // A record whose files are read through `source` (the members of an
    // archive in memory, say) by the path `loadPath`, in `format` (the format
    // menu stays as the user chose it), otherwise as the file command opens
    // a record.
    // Tools that read the record's files again from disk (合成波形, the
    // station-name copy) stay off for it.
    LoadStatus OpenRecordFromSource(const std::string& loadPath, RecordFormat format, RecordFileSource* source);
    // Set by the application: the file menu's イベントを開く... and イベントのフォルダを開く...
    std::function<void()> openEvent, openEventFolder;
    void KNETClick() { ChooseFormat(RecordFormat::Knet); }
    void HiroshimaClick() { ChooseFormat(RecordFormat::Hiroshima); }
    void BOSAIClick() { ChooseFormat(RecordFormat::Cdpc); }
    // One of the described formats; an agency format chooses 自動判別, the
    // menu's only way to read one.
    void ChooseFormat(RecordFormat format);
    void ChooseAutomatic();
    // The menu's choice; nothing for 自動判別.
    std::optional<RecordFormat> chosenFormat() const;
    void N8Click();  // （記号→地点名）ファイル作成
    // 書き出し → PEER AT2: asks for a name (NAME.AT2) and writes
    // NAME_LABEL.AT2 for every component beside it.
    void ExportAt2Click();
    void ExportSacClick();
    // 書き出し → miniSEED: NAME.mseed and its StationXML NAME.xml, as the
    // batch's --export mseed writes them.
    void ExportMseedClick();

    // Waveform view.
    void BtnWaveClick();
    void RGWaveClick() { BtnWaveClick(); }
    void RGTimeClick() { BtnWaveClick(); }
    void RGCompoClick() { BtnWaveClick(); }
    void CBTitleClick() { BtnWaveClick(); }
    void CBMaxClick() { BtnWaveClick(); }
    void CBDataCountClick() { BtnWaveClick(); }
    void CBMaxPntClick() { BtnWaveClick(); }
    void CBAmpClick();
    void CBAutoStartClick();
    void TrackBar1Change();
    void EdStartChange();
    void CBWaveClick();
    void CBDCClick();

    // Waveform exports.
    void BtnCsvClick();
    void BtnGifClick();
    void BtnCopyClick();

    // The spectrum window's side: the button and the menu 表示単位.
    TSpect* Spect = nullptr;  // set by the application once the window exists
    void BtnSpectClick();
    // フーリエスペクトル: set by the application, run by BtnFourier.
    std::function<void()> showFourier;
    // 強震動指標: set by the application, run by the menu item Measures1.
    std::function<void()> showMeasures;
    // After every load, once the windows above have followed it.
    std::function<void()> recordChanged;
    void N11Click() { ChooseDampingMultiplier(DampingMultiplier::Times1); }
    void N2Click() { ChooseDampingMultiplier(DampingMultiplier::Times5); }
    void N3Click() { ChooseDampingMultiplier(DampingMultiplier::Times10); }
    void N5Click() { ChooseLinearPeriodRange(LinearPeriodRange::Seconds2); }
    void N6Click() { ChooseLinearPeriodRange(LinearPeriodRange::Seconds5); }
    void N7Click() { ChooseLinearPeriodRange(LinearPeriodRange::Seconds10); }
    void ChooseDampingMultiplier(DampingMultiplier multiplier);
    void ChooseLinearPeriodRange(LinearPeriodRange range);

    // The station lists (set by the application once the windows exist).
    TSiteList* SiteList = nullptr;
    THRSMList* HRSMList = nullptr;
    void Button2Click();  // 観測点リスト
    const StationDirectory& directory() const { return *directory_; }

    // The synthesis window's button 合成波形.
    TSynthe* Synthe = nullptr;  // set by the application once the window exists
    void Button3Click();

    // Shell.
    void Button1Click();  // exit question
    void Exit1Click() { Button1Click(); }
    void Label21Click();
    void Label26Click();
    void Label32Click();
    // Set by the application: show the usage and version windows.
    std::function<void()> showHowTo, showAbout;
    // Set by the application: asked before the main window closes (and the
    // program ends); false keeps it open, with every other window.
    std::function<bool()> mayQuit;
    // A path dropped on the window: a record file opens with the format its
    // content shows (the file-format menu follows); a folder gets a message.
    LoadStatus OpenDroppedPath(const std::string& path);

    RecordSession& session() { return *session_; }
    const RecordSession& session() const { return *session_; }
    RecordInfoPanel* infoPanel() const { return info_; }
    bool quietRedraw() const { return quietRedraw_; }
    int redrawCount() const { return redrawCount_; }
    const WaveformView& lastView() const { return lastView_; }

    // Controls, named as the program calls them.
    QPushButton* BtnFourier = nullptr;
    QPushButton *BtnFile = nullptr, *BtnWave = nullptr, *BtnSpect = nullptr, *BtnCsv = nullptr,
                *BtnGif = nullptr, *BtnCopy = nullptr, *Button1 = nullptr, *Button2 = nullptr,
                *Button3 = nullptr;
    QCheckBox *CB3Compo = nullptr, *CBWave = nullptr, *CBAutoStart = nullptr, *CBAmp = nullptr,
              *CB1ch = nullptr, *CBTitle = nullptr, *CBDataCount = nullptr, *CBMax = nullptr,
              *CBMaxPnt = nullptr, *CBDC = nullptr;
    RadioGroup *RGWave = nullptr, *RGCompo = nullptr, *RGTime = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    QLineEdit *EdStart = nullptr, *EdAmp0 = nullptr, *EdAmp1 = nullptr, *EdAmp2 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QAction* ExportAt2 = nullptr;
    QAction* Measures1 = nullptr;  // 解析 - 強震動指標
    QAction* ExportSac = nullptr;
    QAction* ExportMseed = nullptr;
    QAction *Automatic = nullptr, *KNET = nullptr, *Hiroshima = nullptr, *BOSAI = nullptr, *N8 = nullptr;
    QAction *N11 = nullptr, *N2 = nullptr, *N3 = nullptr, *N5 = nullptr, *N6 = nullptr, *N7 = nullptr;
    ClickableLabel *Label21 = nullptr, *Label26 = nullptr, *Label32 = nullptr;
    WavePlotView* MyWave1 = nullptr;

protected:
    // Centred on the screen when first shown.
    void showEvent(QShowEvent* event) override;
    // A record file dropped on the window opens as the file button opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildSpectrumMenu();
    void BuildLanguageMenu(QMenu* help);
    void ChooseLanguageForNextStart(Language language);
    void BuildPanel(QWidget* panel);
    void BuildWaveControls(QWidget* panel);
    void BuildLinks(QWidget* panel);
    void UpdateAfterLoad();
    LoadSettings CurrentLoadSettings() const;
    void FinishLoad(LoadStatus status);
    void Redraw();
    bool ReadWaveSettings(WaveformSettings& settings);

    Platform& platform_;
    std::unique_ptr<StationDirectory> directory_;
    std::unique_ptr<RecordSession> session_;
    RecordInfoPanel* info_ = nullptr;
    bool placed_ = false;
    bool quietRedraw_ = false;
    bool recordFromSource_ = false;  // the record shown was read through a file source
    int redrawCount_ = 0;
    std::unique_ptr<DerivationWorkspace> workspace_;
    WaveformView lastView_;
};

}  // namespace tremblo
