#pragma once
// The event window's test fixture: a delivery as NIED hands one out (K-NET
// and KiK-net archives in a tar, a plot and a picture beside the records),
// the main program's windows, and the batch over the same delivery.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "app/windows/event_table_model.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "support/knet_fixtures.h"

namespace tremblo {

using testing::ArchiveInside;
using testing::MemberList;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TarBytes;
using testing::TempFolder;

inline const std::string kSample = "samples/knet/AIC0012411051012";

// The sample's component file as recorded at another station: its code and
// place, and counts scaled down by `weaker`.
inline std::string StationFile(const std::string& component, const std::string& code, double lat, double lon, int weaker) {
    std::istringstream in(ReadWholeFile(SamplePath(kSample + "." + component)));
    std::string out, line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (n == 6) line = "Station Code      " + code;
        if (n == 7) line = "Station Lat.      " + std::to_string(lat);
        if (n == 8) line = "Station Long.     " + std::to_string(lon);
        if (n == 14) line = "Scale Factor      3920(gal)/" + std::to_string(6182761 * weaker);
        out += line + "\n";
    }
    return testing::WithStatedPeak(out);
}

inline void AddStation(MemberList& members, const std::string& code, double lat, double lon, int weaker,
                const std::vector<std::string>& extensions) {
    for (const std::string& ext : extensions)
        members.emplace_back(code + "2411051012." + ext, StationFile(ext.substr(0, 2), code, lat, lon, weaker));
}

// The program's settings in a folder of the test's own, from before the
// window reads them (the columns shown, the map's colours).
class OwnSettings {
public:
    OwnSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path().c_str()); }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
};

class EventWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        MemberList knet, kik;
        AddStation(knet, "AIC001", 35.165, 136.965, 1, {"NS", "EW", "UD"});
        knet.emplace_back("AIC0012411051012.NS.ps.gz", testing::GzipBytes("plot"));
        AddStation(knet, "AIC002", 35.12, 136.91, 3, {"NS", "EW", "UD"});
        AddStation(knet, "AIC003", 35.17, 136.94, 8, {"NS", "EW"});  // its UD is missing
        AddStation(kik, "AICH01", 35.13, 137.07, 2, {"NS1", "EW1", "UD1", "NS2", "EW2", "UD2"});
        delivery = folder.Write("20241105101200.tar",
                                TarBytes({ArchiveInside("20241105101200.knt.tar.gz", knet),
                                          ArchiveInside("20241105101200.kik.tar.gz", kik),
                                          {"img/", ""},
                                          {"img/20241105101200.png", "picture"}},
                                         false));
    }

    // The batch over the same delivery: its summary and map files.
    void RunBatch(const std::string& summary, const std::string& map, bool measures = false,
                  const std::string& mapColumn = "jma_class") {
        BatchOptions options;
        options.files = {delivery};
        options.summaryFile = summary;
        options.mapFile = map;
        options.measures = measures;
        options.mapColumn = mapColumn;
        options.dataFolder = SamplePath("data/DATA");
        std::ostringstream out, err;
        tremblo::RunBatch(options, out, err, false);
    }

    void ReadDelivery() {
        ASSERT_TRUE(app.EventList.OpenEvent(delivery));
        WaitUntilRead();
    }

    void WaitUntilRead() {
        QElapsedTimer clock;
        clock.start();
        while (app.EventList.reading() && clock.elapsed() < 120000) QTest::qWait(20);
        ASSERT_FALSE(app.EventList.reading());
    }

    const EventTable& table() { return app.EventList.model()->table(); }

    std::optional<std::size_t> RowOfCode(const std::string& code, Network network) {
        for (std::size_t i = 0; i < table().rows().size(); ++i)
            if (table().rows()[i].stationCode == code && table().rows()[i].network == network) return i;
        return std::nullopt;
    }

    OwnSettings settings;
    TempFolder folder;
    std::string delivery;
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
};

}  // namespace tremblo
