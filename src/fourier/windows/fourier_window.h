#pragma once
// The Fourier window (フーリエスペクトル): the amplitude spectra of the
// record's spectrum window, raw and Konno-Ohmachi smoothed, and a ratio
// beside them (H/V, or surface over borehole once both series of a KiK-net
// station have been shown); its controls and its exports.
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "common/platform.h"
#include "fourier/fourier_drawing.h"
#include "fourier/fourier_spectra.h"
#include "record/record_session.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tremblo {

class GraphView;
class RadioGroup;

class TFourier : public QWidget {
    Q_OBJECT
public:
    // The record is read from the main window's session when a calculation runs.
    TFourier(Platform& platform, RecordSession& session, QWidget* parent = nullptr);
    ~TFourier() override;

    // The spectra of the record now loaded, then the drawing.
    void BtnCalcClick();
    void Redraw();
    FourierDisplaySettings ReadDisplaySettings() const;
    FourierSettings ReadSettings() const;
    void ShowStation(const StationRow& station);
    // A new record was loaded: the spectra shown are forgotten, the exports
    // off, until 計　算 (the KiK-net series kept for the surface/borehole ratio stay).
    void UpdateAfterLoad(const StationRow& station);

    // Control handlers.
    void RGBandwidthClick() { ApplySettings(); }  // smooths again, both series of a KiK-net pair
    void CBTaperClick() { ApplySettings(); }      // transforms again, both series of a KiK-net pair
    void RGRatioClick() { Redraw(); }
    void CBRawClick() { Redraw(); }
    void UpDown1Click() { Redraw(); }
    void Button1Click() { hide(); }
    void Button2Click();  // copy the graph to the clipboard
    void BtnGIFClick();   // PNG
    void BtnCSVClick();   // CSV: the spectra, or the surface/borehole ratio when it is shown

    const FourierSpectra& spectra() const { return spectra_; }
    // The other series of the shown KiK-net record, when it has been shown
    // (and still matches its files), with the settings shown; nullptr
    // otherwise.
    const FourierSpectra* partner() const;
    std::string saveDir;  // folder of the last PNG saved from this window

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    GraphView* MyGraph1 = nullptr;
    RadioGroup *RGBandwidth = nullptr, *RGRatio = nullptr;
    QCheckBox *CBRaw = nullptr, *CBTaper = nullptr;
    QSpinBox* UpDown1 = nullptr;  // line width
    QPushButton *BtnCalc = nullptr, *Button1 = nullptr, *Button2 = nullptr, *BtnGIF = nullptr, *BtnCSV = nullptr;

private:
    // A series' samples and its spectra with the settings shown.
    struct Series {
        std::shared_ptr<const FourierInput> input;
        std::shared_ptr<FourierSpectra> spectra;
    };

    void BuildControls();
    void EnableRatioChoice();
    void EnableExports();
    bool ShowsSurfaceBorehole() const;
    // The shown spectra and the other series' brought to the settings shown.
    void ApplySettings();
    void MatchPartner(const FourierSettings& settings);
    bool ReportMemory(bool done);
    void KeepSeries();

    Platform& platform_;
    RecordSession& session_;
    std::shared_ptr<const FourierInput> input_;  // of the shown spectra
    FourierSpectra spectra_;
    // The last of each KiK-net series (index 1 borehole, 2 surface).
    std::array<Series, 3> series_;
};

}  // namespace tremblo
