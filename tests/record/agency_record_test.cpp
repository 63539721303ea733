// An agency record's header values: which files belong together, what the
// record takes from them, the export names and the information labels.
#include "record/agency_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace tremblo {
namespace {

ChannelHeader Stated(std::string station, std::optional<StatedTime> origin, std::string eventId = {}) {
    ChannelHeader h;
    h.stationCode = std::move(station);
    h.originTime = origin;
    h.eventId = std::move(eventId);
    return h;
}

const StatedTime kOrigin{1989, 10, 18, 0, 4, 15.2};

TEST(AgencyRecord, FilesOfOneStationAndEventShareAKey) {
    const ChannelHeader a = Stated("GIL", kOrigin);
    ChannelHeader otherComponent = a;
    otherComponent.componentName = "UP";
    otherComponent.azimuthDeg = 90.0;
    ChannelHeader otherStation = a;
    otherStation.stationCode = "G02";
    ChannelHeader otherEvent = a;
    otherEvent.originTime->minute = 5;
    ChannelHeader otherStage = a;
    otherStage.processingStage = 1;
    ChannelHeader otherNetwork = a;
    otherNetwork.network = "NP";
    const std::string key = ComponentGroupKey(RecordFormat::Cosmos, a);
    EXPECT_FALSE(key.empty());
    EXPECT_EQ(ComponentGroupKey(RecordFormat::Cosmos, otherComponent), key);
    for (const ChannelHeader& other : {otherStation, otherEvent, otherStage, otherNetwork})
        EXPECT_NE(ComponentGroupKey(RecordFormat::Cosmos, other), key);
    EXPECT_NE(ComponentGroupKey(RecordFormat::Smc, a), key);
    // Without an origin time the event identifier, then the event's name
    // with the first sample's date tell the event.
    EXPECT_NE(ComponentGroupKey(RecordFormat::Esm, Stated("AQK", std::nullopt, "IT-2009-0009")),
              ComponentGroupKey(RecordFormat::Esm, Stated("AQK", std::nullopt, "IT-2009-0010")));
    ChannelHeader named;
    named.stationName = "Gilroy Array #1";
    named.eventName = "Loma Prieta";
    EXPECT_FALSE(ComponentGroupKey(RecordFormat::Peer, named).empty());
    EXPECT_TRUE(ComponentGroupKey(RecordFormat::Peer, ChannelHeader{}).empty());
}

TEST(AgencyRecord, NameStemDropsTheComponent) {
    const struct {
        const char* name;
        const char* stem;
    } cases[] = {
        {"RSN763_LOMAP_GIL067.AT2", "RSN763_LOMAP_GIL"}, {"RSN763_LOMAP_GIL337.AT2", "RSN763_LOMAP_GIL"},
        {"RSN763_LOMAP_GIL-UP.AT2", "RSN763_LOMAP_GIL"}, {"folder/GIL090.AT2", "GIL"},
        {"station_N.txt", "station"},                     {"station-z.v2", "station"},
        {"ABC.HNE.asc", "ABC"},                           {"123", "123"},
        {"NC.C031.HNZ.smc", "NC.C031"},                   {"NC.C032.HN1.smc", "NC.C032"},
        {"x.y.AT2", "x.y"},                               {"SMC00008.smc", "SMC00008"},
        {"SMC00016.smc", "SMC00016"},                     {"GIL999.AT2", "GIL999"},
        {"A_400.AT2", "A_400"},                           {"station_NS.txt", "station"},
    };
    for (const auto& c : cases) EXPECT_EQ(ComponentNameStem(c.name), c.stem) << c.name;
}

TEST(AgencyRecord, MergedHeaderTakesMissingValuesFromLaterComponents) {
    ChannelHeader first = Stated("GIL", std::nullopt);
    first.stationLat = 37.0;
    ChannelHeader second = Stated("", kOrigin);
    second.stationLat = 99.0;
    second.stationLon = -121.5;
    second.magnitude = 6.9;
    second.magnitudeType = "Mw";
    const ChannelHeader merged = MergedHeader(std::vector<ChannelHeader>{first, second});
    EXPECT_EQ(merged.stationCode, "GIL");
    EXPECT_EQ(merged.stationLat, 37.0);  // the first's own value stands
    EXPECT_EQ(merged.stationLon, -121.5);
    EXPECT_EQ(merged.originTime, kOrigin);
    EXPECT_EQ(merged.magnitudeType, "Mw");
    EXPECT_FALSE(merged.depthKm.has_value());
}

TEST(AgencyRecord, EventNameNeedsAStationOrATime) {
    ChannelHeader firstSample = Stated("AQK", std::nullopt);
    firstSample.firstSampleTime = StatedTime{2009, 4, 6, 1, 32, 40.0};
    ChannelHeader nameOnly;
    nameOnly.stationName = "Gilroy Array #1";
    const struct {
        ChannelHeader header;
        const char* name;
    } cases[] = {
        {Stated("GIL", kOrigin), "GIL-198910180004"},
        {firstSample, "AQK-200904060132"},
        {Stated("", kOrigin), "record-198910180004"},
        {nameOnly, "FILE"},
        {Stated("a/b:c", kOrigin), "a_b_c-198910180004"},
        {Stated("a/b:c", std::nullopt), "FILE"},
        {ChannelHeader{}, "FILE"},
    };
    for (const auto& c : cases) EXPECT_EQ(StatedEventName(c.header, "FILE"), c.name);
}

TEST(AgencyRecord, FieldsAndLabelsShowWhatIsStatedAndNothingElse) {
    RecordFields r;
    ChannelHeader h = Stated("GIL", kOrigin);
    h.network = "CE";
    h.stationName = "Gilroy Array #1";
    h.stationLat = 36.973;
    h.stationLon = -121.572;
    h.magnitude = 6.93;
    h.magnitudeType = "Mw";
    ApplyStatedHeader(h, r);
    r.sampleCount = 8000;
    r.dt = 0.005f;
    r.samplingFrequency = 200;
    RecordLabels labels;
    SetStatedLabels(r, labels);
    EXPECT_EQ(r.stationCode.view(), "GIL");
    EXPECT_EQ(r.originDate.view(), "1989/10/18");
    EXPECT_EQ(r.originTime.view(), "00:04:15");
    EXPECT_EQ(labels.label6, "1989/10/18 00:04:15.200");
    EXPECT_EQ(labels.label7, NoDataLabel());  // no epicentre stated
    EXPECT_EQ(labels.label9, NoDataLabel());
    EXPECT_EQ(labels.label10, "6.9 Mw");
    EXPECT_EQ(labels.label13, "CE.GIL");
    EXPECT_EQ(labels.label23, "Gilroy Array #1");
    EXPECT_EQ(labels.label24, "36.9730, -121.5720");
    EXPECT_EQ(labels.label28, "40.00 s");
    EXPECT_EQ(labels.label30, "200 1/s");
}

TEST(AgencyRecord, ComponentSetsAreNamedByANumberAfterTheFile) {
    const struct {
        const char* path;
        std::optional<int> set;  // 0-based; nothing: no set named
        const char* file;
    } cases[] = {
        {"a.csv#2", 1, "a.csv"}, {"dir/a.csv#12", 11, "dir/a.csv"}, {"a.csv#1", std::nullopt, ""},
        {"a.csv#02", std::nullopt, ""}, {"a.csv#", std::nullopt, ""}, {"a#b.csv", std::nullopt, ""},
        {"#2", std::nullopt, ""}, {"a.csv#1234567", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const std::optional<ComponentSetPath> split = SplitComponentSetPath(c.path);
        ASSERT_EQ(split.has_value(), c.set.has_value()) << c.path;
        if (!split) continue;
        EXPECT_EQ(split->set, *c.set) << c.path;
        EXPECT_EQ(split->file, c.file) << c.path;
        EXPECT_EQ(JoinComponentSetPath(split->file, split->set), c.path);
    }
    EXPECT_EQ(JoinComponentSetPath("a.csv", 0), "a.csv");
}

}  // namespace
}  // namespace tremblo
