// tremblo [--format auto|knet|hiroshima|cdpc] [--components 1|3] [--no-dc] [--event PATH] [FILE]
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
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

// The command line's options, described once for both parsers below.
struct Options {
    QCommandLineOption format{
        "format", "The file menu's format: auto (every format, recognised from the content), knet, hiroshima or cdpc "
                  "(default: auto).", "format", "auto"};
    QCommandLineOption components{"components", "Read 1 or 3 components (default 3).", "n", "3"};
    QCommandLineOption noDc{"no-dc", "Keep the DC component of K-NET/KiK-net records."};
    QCommandLineOption event{"event",
                             "Open the event window on PATH: an archive as NIED delivers an event, a folder of "
                             "record files, or a text file listing record files.",
                             "path"};
    QCommandLineOption language{"lang",
                                "Language of the windows: ja (Japanese) or en (English); default: the "
                                "environment variable TREMBLO_LANG, else the one chosen in the Help menu, else ja.",
                                "ja|en"};
};

void Describe(QCommandLineParser& parser, const Options& options) {
    QCoreApplication::setApplicationName("TREMBLO");  // --version: "TREMBLO 4.2"
    QCoreApplication::setApplicationVersion("4.2");
    parser.setApplicationDescription("Strong-motion earthquake records: waveforms and response spectra.");
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QCommandLineOption* option :
         {&options.format, &options.components, &options.noDc, &options.event, &options.language})
        parser.addOption(*option);
    parser.addPositionalArgument("FILE", "A record file to open at start-up.", "[FILE]");
}

// --help and --version print their text and end the program before any
// window exists, so that they work without a display.
void AnswerTextOnlyRequests(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--") return;
        if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "--version" || arg == "-v") {
            QCoreApplication core(argc, argv);
            QCommandLineParser parser;
            const Options options;
            Describe(parser, options);
            parser.process(core);  // prints the text and ends the program
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    AnswerTextOnlyRequests(argc, argv);
    QApplication app(argc, argv);
    // The installed menu entry and icon (share/applications, share/icons).
    QGuiApplication::setDesktopFileName("org.example.tremblo");
    QApplication::setWindowIcon(QIcon::fromTheme("org.example.tremblo"));
    // Numbers in labels and files always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");

    QCommandLineParser parser;
    const Options options;
    Describe(parser, options);
    parser.process(app);

    std::optional<tremblo::Language> chosen;
    if (parser.isSet(options.language)) {
        chosen = tremblo::LanguageFromCode(parser.value(options.language).toStdString());
        if (!chosen) {
            std::fprintf(stderr, "tremblo: unknown language '%s' (ja or en)\n", qPrintable(parser.value(options.language)));
            return 2;
        }
    }
    std::string problem;
    const auto language = tremblo::InstallLanguage(
        tremblo::ChooseLanguage(chosen, std::getenv("TREMBLO_LANG"), tremblo::RememberedLanguage(), &problem));
    if (!problem.empty()) std::fprintf(stderr, "tremblo: %s\n", problem.c_str());

    std::optional<tremblo::RecordFormat> format;
    if (!ParseFormat(parser.value(options.format), format)) {
        std::fprintf(stderr, "tremblo: unknown format '%s' (auto, knet, hiroshima or cdpc)\n",
                     qPrintable(parser.value(options.format)));
        return 2;
    }
    const QString components = parser.value(options.components);
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
    form.CBDC->setChecked(!parser.isSet(options.noDc));
    form.show();
    // Without --format, FILE is read in the format it shows, as a dropped
    // file is: a desktop opens any .ns file with the program.
    if (!parser.positionalArguments().isEmpty()) {
        const std::string file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath().toStdString();
        if (parser.isSet(options.format)) form.OpenRecordFile(file);
        else form.OpenDroppedPath(file);
    }
    if (parser.isSet(options.event))
        application->EventList.OpenEvent(QFileInfo(parser.value(options.event)).absoluteFilePath().toStdString());
    return app.exec();
}
