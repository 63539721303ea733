#include "app/application.h"

namespace tremblo {

Application::Application(Platform& platform, const std::string& dataFolder)
    : Form1(platform, dataFolder),
      Spect(platform, Form1.session()),
      HowTo(),
      AboutBox(platform),
      Wait(),
      SdSa(platform, Spect) {
    Form1.Spect = &Spect;
    Spect.SdSa = &SdSa;
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
