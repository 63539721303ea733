#pragma once
// The spectrum window: the response spectra of the last calculation in
// three panels, its display controls and its exports. It owns the spectrum
// table (through SpectrumModel) and draws the Sa-Sd window's graph.
#include <QRect>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "common/platform.h"
#include "record/record_session.h"
#include "spectrum/enlarged_navigation.h"
#include "spectrum/spectrum_display.h"
#include "spectrum/spectrum_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tremblo {

class GraphView;
class RadioGroup;
class TLarge;
class TSdSa;
class TSuper;
class TargetChooser;

class TSpect : public QWidget {
    Q_OBJECT
public:
    // The record is read from the main window's session when a calculation runs.
    TSpect(Platform& platform, RecordSession& session, QWidget* parent = nullptr);
    ~TSpect() override;

    // Calculation (計　算) and drawing.
    void BtnCalcClick();
    void RedrawSpectra();
    void BtnSpectrum1Click();  // per component
    void BtnSpectrum2Click();  // per response
    SpectrumDisplaySettings ReadDisplaySettings() const;

    // Control handlers.
    void RGSpectClick();
    void D00Click() { DampingClick(0); }
    void D01Click() { DampingClick(1); }
    void D02Click() { DampingClick(2); }
    void D05Click() { DampingClick(3); }
    void D10Click() { DampingClick(4); }
    void CBLargeClick();
    void RGXScaleClick() { RedrawSpectra(); }
    void RGXUnitClick() { RedrawSpectra(); }
    void RGYScaleClick() { RedrawSpectra(); }
    void RGCompoClick() { RedrawSpectra(); }
    void RGRespClick() { RedrawSpectra(); }
    void CBColorClick() { RedrawSpectra(); }
    void UpDown1Click() { RedrawSpectra(); }
    void Button3Click() { RedrawSpectra(); }
    void CBMethodChange();  // the oscillator of the next calculation (計算方法)
    void CBPseudoClick() { RedrawSpectra(); }
    void Button1Click() { hide(); }
    void Button2Click();  // copy the graph to the clipboard
    void BtnGIFClick();   // PNG
    void BtnCSVClick();   // CSV

    // The enlarged and superposed views (set by the application once the
    // windows exist; tests hand in a scripted navigator).
    TLarge* Large = nullptr;
    TSuper* Super = nullptr;
    EnlargedNavigator* navigator = nullptr;
    EnlargedViewState enlargedState;

    // The Sa-Sd window (set by the application once both windows exist).
    TSdSa* SdSa = nullptr;
    void BtnSdSaClick();
    void DrawSaSd();

    // The main window's side: after a load, the station labels, the menu.
    void UpdateAfterLoad(const RecordFields& record);
    void ShowStation(const StationRow& station);
    void SetDampingMultiplier(DampingMultiplier multiplier);
    void SetLinearPeriodRange(LinearPeriodRange range);

    const SpectrumModel& model() const { return *model_; }
    std::array<bool, DAMPING_COUNT> dampingEnabled{true, true, true, true, true};
    int scaleDamping = 0;
    bool enlargedView = false;
    std::string spectrumSaveDir;  // folder of the last PNG of this or the Sa-Sd window
    // Where a save dialog starts: `remembered`, else the loaded record's folder, else the working folder.
    std::string SaveFolder(const std::string& remembered) const;
    int redrawCount() const { return redrawCount_; }

    // Controls, named as the program calls them.
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr;
    GraphView* MyGraph1 = nullptr;
    QPushButton *BtnCalc = nullptr, *BtnSdSa = nullptr, *Button1 = nullptr, *Button2 = nullptr,
                *Button3 = nullptr, *BtnGIF = nullptr, *BtnCSV = nullptr;
    QProgressBar *ProgressBar1 = nullptr, *ProgressBar2 = nullptr;
    RadioGroup *RGXScale = nullptr, *RGXUnit = nullptr, *RGYScale = nullptr, *RGSpect = nullptr,
               *RGCompo = nullptr, *RGResp = nullptr;
    QCheckBox *D00 = nullptr, *D01 = nullptr, *D02 = nullptr, *D05 = nullptr, *D10 = nullptr,
              *CBColor = nullptr, *CBLarge = nullptr, *CBPseudo = nullptr;
    QComboBox* CBMethod = nullptr;  // 計算方法: Newmark β=1/6 or the exact oscillator
    QSpinBox* UpDown1 = nullptr;  // Edit1 + UpDown1, the line width
    TargetChooser* TargetBox = nullptr;  // target spectra drawn over the graphs, kept for the session

private:
    void BuildHeader();
    void BuildLayoutControls();
    void BuildAxisControls();
    void BuildDampingControls();
    void BuildButtons();
    void BuildMethodControls();
    std::string ExportName(const char* extension) const;
    void DampingClick(int k);
    void DrawLayout(SpectrumLayout layout);
    bool EnlargedViewReady() const;
    void RunEnlargedViewNow();
    // Closes the navigator of a running enlarged view: the view then ends.
    void EndEnlargedView();
    // The part of this window below its graph, on the screen.
    QRect ControlsOnScreen() const;
    void EnableComponentChoice();
    void EnableSpectrumCommands();
    void ShowProgress(const struct SpectrumProgress& progress);

    Platform& platform_;
    RecordSession& session_;
    std::unique_ptr<SpectrumModel> model_;
    int redrawCount_ = 0;
    bool enlargedRunning_ = false;  // the navigator is waiting for a choice

protected:
    void hideEvent(QHideEvent* event) override;
};

}  // namespace tremblo
