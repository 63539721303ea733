#pragma once
// What the window benchmarks share: the application on the offscreen
// platform (or a real display), with a synthetic record in the main window,
// and the time from a click to the painted window, first click and then
// the best and median of nine more.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "app/application.h"
#include "bench_platform.h"
#include "synthetic_record.h"

namespace tremblo {

struct ClickTimes {
    double first = 0, best = 0, median = 0;
};

class BenchApplication {
public:
    BenchApplication(int& argc, char** argv) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);  // or a real display: QT_QPA_PLATFORM=xcb
        qt_ = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        app_ = std::make_unique<Application>(platform_, TREMBLO_SOURCE_DIR "/data/DATA");
        platform_.setParent(&app_->Form1);
        platform_.setWaitHooks([this](const std::string& text) { app_->Wait.ShowWithText(QString::fromStdString(text)); },
                               [this] { app_->Wait.hide(); });
        FillSyntheticRecord(record());
    }

    Application& app() { return *app_; }
    SeismicRecord& record() { return app_->Form1.session().record(); }

    // The main window shown with the record as loaded, then `click` timed
    // until `window` is painted.
    ClickTimes Time(const std::function<void()>& click, QWidget& window) {
        record().recordLoaded = true;
        app_->Form1.show();
        QApplication::processEvents();
        const auto once = [&] {
            const auto begin = std::chrono::steady_clock::now();
            click();
            window.repaint();
            QApplication::processEvents();
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        };
        ClickTimes times;
        times.first = once();
        std::vector<double> runs;
        for (int i = 0; i < 9; ++i) runs.push_back(once());
        std::sort(runs.begin(), runs.end());
        times.best = runs.front();
        times.median = runs[runs.size() / 2];
        return times;
    }

private:
    BenchPlatform platform_;
    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<Application> app_;
};

}  // namespace tremblo
