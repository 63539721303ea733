#pragma once
// The program's windows, created once at start-up in a fixed order (the main
// window first) and afterwards only shown and hidden.
#include <functional>
#include <memory>
#include <string>

#include "app/windows/about_box.h"
#include "app/windows/event_list.h"
#include "app/windows/howto_window.h"
#include "app/windows/measures_window.h"
#include "app/windows/wait_window.h"
#include "common/platform.h"
#include "fourier/windows/fourier_window.h"
#include "spectrum/windows/large.h"
#include "spectrum/windows/next_step.h"
#include "spectrum/windows/sd_sa.h"
#include "spectrum/windows/spect.h"
#include "spectrum/windows/super.h"
#include "tools/windows/hrsm_list.h"
#include "tools/windows/site_list.h"
#include "tools/windows/synthe.h"
#include "app/main_window/form1.h"

namespace tremblo {

class Application {
public:
    Application(Platform& platform, const std::string& dataFolder);

    // In the order of creation.
    TForm1 Form1;
    TSpect Spect;
    THowTo HowTo;
    TAboutBox AboutBox;
    TWait Wait;
    TLarge Large;
    TNextStep NextStep;
    TSuper Super;
    TSiteList SiteList;
    TSynthe Synthe;
    THRSMList HRSMList;
    TSdSa SdSa;
    TEventList EventList;  // beyond the twelve: a whole event
    TFourier Fourier;      // and the Fourier spectra
    TMeasures Measures;    // and the intensity measures

    // The main window's フーリエスペクトル: calculate for the record shown, then show.
    void ShowFourier();
    // The menu's 強震動指標: calculate for the record shown, then show.
    void ShowMeasures();

    void Tutorial1Click();
    void About1Click();
};

// Creates the windows with `create`. An error on the way is shown in a
// message and gives nothing: the program then ends with a non-zero status.
std::unique_ptr<Application> CreateWindowsReportingErrors(
    Platform& platform, const std::function<std::unique_ptr<Application>()>& create);

}  // namespace tremblo
