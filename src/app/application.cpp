#include "app/application.h"

#include "plot/windows/graph_view.h"

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
      SdSa(platform, Spect) {
    Form1.Spect = &Spect;
    Spect.Large = &Large;
    Spect.Super = &Super;
    Spect.navigator = &NextStep;
    Spect.SdSa = &SdSa;
    NextStep.copyEnlarged = [this] { Large.MyGraph1->graph().Copy(); };
    NextStep.copySuperposed = [this] { Super.MyGraph1->graph().Copy(); };
    Form1.showHowTo = [this] { Tutorial1Click(); };
    Form1.showAbout = [this] { About1Click(); };
}

void Application::Tutorial1Click() {
    HowTo.show();
    HowTo.raise();
    HowTo.activateWindow();
}

void Application::About1Click() {
    AboutBox.show();
    AboutBox.raise();
    AboutBox.activateWindow();
}

}  // namespace tremblo
