// Fills the event window from a delivery as a user meets it and measures, in
// one run: the click that opens the event and shows the window (open_ms),
// the time from that click to the complete table (fill_s), the longest
// stall of the event loop while the table fills (a 5 ms timer that should
// fire on time; every late tick is a stall the user could feel), and the
// memory the program takes above its idle size. Prints
//   event_window records=... failed=... open_ms=... fill_s=... max_stall_ms=... ticks_over_50ms=...
//   rss_idle_mb=... rss_peak_growth_mb=...
// Usage: event_window_bench DELIVERY [DATA_FOLDER]
// (bench/make_delivery.sh builds a delivery of 1,000 records).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/application.h"
#include "bench_platform.h"
#include "app/windows/event_table_model.h"
#include "stations/data_folder.h"

using namespace tremblo;

namespace {

// A line of /proc/self/status in MiB ("VmRSS", "VmHWM").
double StatusMegabytes(const std::string& key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
    return 0.0;
}

// Forgets the peak so far: VmHWM then grows from the current size.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: event_window_bench DELIVERY [DATA_FOLDER]\n");
        return 64;
    }
    BenchPlatform platform;
    Application app(platform, argc > 2 ? argv[2] : FindDataFolder());
    app.Form1.show();
    QApplication::processEvents();

    const double idle = StatusMegabytes("VmRSS");
    ResetPeak();
    QElapsedTimer clock, tick;
    qint64 maxStall = 0;
    int over50 = 0;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 late = tick.restart() - 5;
        maxStall = std::max(maxStall, late);
        if (late > 50) ++over50;
    });
    // The click that opens the event shows the window (its first layout and
    // paint); the filling is measured from then on.
    clock.start();
    app.EventList.OpenEvent(argv[1]);
    QApplication::processEvents();
    const double open = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    tick.start();
    heartbeat.start();
    // As the program idles in its event loop: woken by events only (the heartbeat among them).
    while (app.EventList.reading()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double fill = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    heartbeat.stop();

    const EventTable& table = app.EventList.model()->table();
    std::printf("event_window records=%zu failed=%zu open_ms=%.0f fill_s=%.2f max_stall_ms=%lld ticks_over_50ms=%d\n",
                table.readCount(), table.failedCount(), open, fill, static_cast<long long>(maxStall), over50);
    std::printf("event_window rss_idle_mb=%.1f rss_peak_growth_mb=%.1f\n", idle, StatusMegabytes("VmHWM") - idle);
    return 0;
}
