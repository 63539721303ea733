// tremblo-batch [options] FILE...: the analysis of the windows without a
// window (see --help).
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <iostream>
#include <unistd.h>

#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "app/batch/stop_signals.h"
#include "app/language/language.h"

int main(int argc, char** argv) {
    tremblo::HandleStopSignals();
    // The picture's texts need a GUI application, never a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt's own notes (no XDG_RUNTIME_DIR, say) are no business of a batch user.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // Numbers in files always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");

    // The language is installed as soon as the options are read: a target
    // table or a file list read with the command line is reported in it.
    std::unique_ptr<tremblo::InstalledLanguage> installed;
    const auto installLanguage = [&installed](const tremblo::BatchOptions& options) {
        std::string problem;
        const tremblo::Language language = tremblo::ChooseLanguage(
            tremblo::LanguageFromCode(options.language), std::getenv("TREMBLO_LANG"), std::nullopt, &problem);
        if (!problem.empty()) std::cerr << "tremblo-batch: " << problem << '\n';
        installed = tremblo::InstallLanguage(language, options.englishPictures);
    };
    const tremblo::ParsedCommandLine parsed =
        tremblo::ParseBatchCommandLine(argc, argv, std::cout, std::cerr, std::cin, installLanguage);
    if (!parsed.options) return parsed.exitStatus;
    return tremblo::RunBatch(*parsed.options, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
