// tremblo [--format knet|hiroshima|cdpc] [--components 1|3] [--no-dc] [--event PATH] [FILE]
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <memory>

#include "app/qt_platform.h"
#include "app/language/language.h"
#include "stations/data_folder.h"
#include "app/application.h"

namespace {

// "auto" (or nothing) leaves `format` empty: 自動判別.
bool ParseFormat(const QString& text, std::optional<tremblo::RecordFormat>& format) {
    if (text.isEmpty() || text == "auto") format.reset();
    else if (text == "knet") format = tremblo::RecordFormat::Knet;
    else if (text == "hiroshima") format = tremblo::RecordFormat::Hiroshima;
    else if (text == "cdpc") format = tremblo::RecordFormat::Cdpc;
    else return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("TREMBLO");  // --version: "TREMBLO 4.2"
    QApplication::setApplicationVersion("4.2");
    // The installed menu entry and icon (share/applications, share/icons).
    QGuiApplication::setDesktopFileName("org.example.tremblo");
    QApplication::setWindowIcon(QIcon::fromTheme("org.example.tremblo"));
    // Numbers in labels and files always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    parser.setApplicationDescription("Strong-motion earthquake records: waveforms and response spectra.");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption formatOption(
        "format", "The file menu's format: auto (every format, recognised from the content), knet, hiroshima or cdpc "
                  "(default: auto).", "format", "auto");
    QCommandLineOption componentsOption("components", "Read 1 or 3 components (default 3).", "n", "3");
    QCommandLineOption noDcOption("no-dc", "Keep the DC component of K-NET/KiK-net records.");
    parser.addOption(formatOption);
    parser.addOption(componentsOption);
    parser.addOption(noDcOption);
    QCommandLineOption eventOption("event",
                                   "Open the event window on PATH: an archive as NIED delivers an event, a folder of "
                                   "record files, or a text file listing record files.",
                                   "path");
    parser.addOption(eventOption);
    QCommandLineOption languageOption("lang",
                                      "Language of the windows: ja (Japanese) or en (English); default: the "
                                      "environment variable TREMBLO_LANG, else the one chosen in the Help menu, else ja.",
                                      "ja|en");
    parser.addOption(languageOption);
    parser.addPositionalArgument("FILE", "A record file to open at start-up.", "[FILE]");
    parser.process(app);

    std::optional<tremblo::Language> chosen;
    if (parser.isSet(languageOption)) {
        chosen = tremblo::LanguageFromCode(parser.value(languageOption).toStdString());
        if (!chosen) {
            std::fprintf(stderr, "tremblo: unknown language '%s' (ja or en)\n", qPrintable(parser.value(languageOption)));
            return 2;
        }
    }
    std::string problem;
    const auto language = tremblo::InstallLanguage(
        tremblo::ChooseLanguage(chosen, std::getenv("TREMBLO_LANG"), tremblo::RememberedLanguage(), &problem));
    if (!problem.empty()) std::fprintf(stderr, "tremblo: %s\n", problem.c_str());

    std::optional<tremblo::RecordFormat> format;
    if (!ParseFormat(parser.value(formatOption), format)) {
        std::fprintf(stderr, "tremblo: unknown format '%s' (auto, knet, hiroshima or cdpc)\n",
                     qPrintable(parser.value(formatOption)));
        return 2;
    }
    const QString components = parser.value(componentsOption);
    if (components != "1" && components != "3") {
        std::fprintf(stderr, "tremblo: --components takes 1 or 3\n");
        return 2;
    }

    tremblo::QtPlatform platform;
    const std::unique_ptr<tremblo::Application> application = tremblo::CreateWindowsReportingErrors(
        platform, [&] { return std::make_unique<tremblo::Application>(platform, tremblo::FindDataFolder()); });
    if (!application) return 1;
    tremblo::TForm1& form = application->Form1;
    platform.setParent(&form);
    platform.setWaitHooks([&](const std::string& text) { application->Wait.ShowWithText(QString::fromStdString(text)); },
                          [&] { application->Wait.hide(); });
    if (format) form.ChooseFormat(*format);
    else form.ChooseAutomatic();
    form.CB3Compo->setChecked(components == "3");
    form.CBDC->setChecked(!parser.isSet(noDcOption));
    form.show();
    // Without --format, FILE is read in the format it shows, as a dropped
    // file is: a desktop opens any .ns file with the program.
    if (!parser.positionalArguments().isEmpty()) {
        const std::string file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath().toStdString();
        if (parser.isSet(formatOption)) form.OpenRecordFile(file);
        else form.OpenDroppedPath(file);
    }
    if (parser.isSet(eventOption))
        application->EventList.OpenEvent(QFileInfo(parser.value(eventOption)).absoluteFilePath().toStdString());
    return app.exec();
}
