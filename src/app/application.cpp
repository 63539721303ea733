#include "app/application.h"

#include <exception>
#include <initializer_list>

#include <QCoreApplication>
#include <QPushButton>

#include "plot/windows/graph_view.h"
#include "plot/windows/window_placement.h"

namespace tremblo {

Application::Application(Platform& platform, const std::string& dataFolder)
    : Form1(platform, dataFolder),
      Spect(platform, Form1.session()),
      HowTo(),
      AboutBox(platform),
      Wait(),
      Large(platform, Spect),
      NextStep(),
      Super(platform, Spect),
      SiteList(platform, Form1.directory()),
      Synthe(platform, Form1.session()),
      HRSMList(Form1.directory()),
      SdSa(platform, Spect),
      EventList(platform, Form1.directory()),
      Fourier(platform, Form1.session()),
      Measures(platform, Form1.session()) {
    Form1.SiteList = &SiteList;
    Form1.HRSMList = &HRSMList;
    Form1.Spect = &Spect;
    Form1.Synthe = &Synthe;
    Spect.Large = &Large;
    Spect.Super = &Super;
    Spect.navigator = &NextStep;
    Spect.SdSa = &SdSa;
    // Closing the main window ends the program, whatever else is open.
    for (QWidget* window : std::initializer_list<QWidget*>{&Spect, &HowTo, &AboutBox, &Wait, &Large, &NextStep,
                                                           &Super, &SiteList, &Synthe, &HRSMList, &SdSa, &EventList, &Fourier, &Measures})
        window->setAttribute(Qt::WA_QuitOnClose, false);
    NextStep.copyEnlarged = [this] { Large.MyGraph1->graph().Copy(); };
    NextStep.copySuperposed = [this] { Super.MyGraph1->graph().Copy(); };
    Form1.showHowTo = [this] { Tutorial1Click(); };
    Form1.showFourier = [this] { ShowFourier(); };
    Form1.showMeasures = [this] { ShowMeasures(); };
    Form1.recordChanged = [this] {
        Fourier.UpdateAfterLoad(Form1.session().record().currentStation);
        Measures.UpdateAfterLoad();
    };
    Form1.showAbout = [this] { About1Click(); };
    // Unsaved station-list edits are asked about before anything closes.
    Form1.mayQuit = [this] { return SiteList.MayCloseForQuit(); };
    Form1.openEvent = [this] { EventList.OpenEventFileClick(); };
    Form1.openEventFolder = [this] { EventList.OpenEventFolderClick(); };
    // A row of the event opens its record as the file button would, and
    // brings the main window forward.
    EventList.openRecord = [this](const std::string& loadPath, RecordFormat format, RecordFileSource* source) {
        const LoadStatus status = Form1.OpenRecordFromSource(loadPath, format, source);
        if (status == LoadStatus::Loaded) {
            Form1.raise();
            Form1.activateWindow();
            KeepTitleBarOnScreen(Form1);
        }
        return status;
    };
}

std::unique_ptr<Application> CreateWindowsReportingErrors(
    Platform& platform, const std::function<std::unique_ptr<Application>()>& create) {
    try {
        return create();
    } catch (const std::exception& e) {
        const QString text = QCoreApplication::translate("tremblo::Application", "プログラムを起動できません\n%1");
        platform.ShowMessage(text.arg(QString::fromUtf8(e.what())).toStdString(),
                             QCoreApplication::translate("tremblo::Application", "起動エラー").toStdString(),
                             MessageStyle::Warning);
    }
    return nullptr;
}

void Application::ShowFourier() {
    PlaceBeside(Fourier, Form1, Form1.BtnFourier);
    Fourier.BtnCalcClick();
    Fourier.ShowStation(Form1.session().record().currentStation);
    Fourier.show();
    Fourier.raise();
}

void Application::ShowMeasures() {
    ShowBeside(Measures, Form1);
    Measures.BtnCalcClick();
    Measures.raise();
}

void Application::Tutorial1Click() {
    ShowBeside(HowTo, Form1);
    HowTo.activateWindow();
}

void Application::About1Click() {
    ShowBeside(AboutBox, Form1);
    AboutBox.activateWindow();
}

}  // namespace tremblo
