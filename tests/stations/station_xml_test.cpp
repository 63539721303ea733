// StationXML read from hand-written documents: values, epochs, prefixes,
// folders, and the documents refused with the file named.
#include "stations/station_xml.h"

#include <gtest/gtest.h>

#include "support/mseed_fixtures.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::StationXmlDocument;
using testing::ThreeXmlChannels;
using testing::XmlChannelFixture;

TEST(StationXml, ChannelValuesAreRead) {
    std::vector<XmlChannelFixture> channels = ThreeXmlChannels();
    channels[0].alternateCode = "AIC001";
    channels[1].azimuth = "91.25";
    channels[1].sensitivity = "4.1943E5";
    channels[1].inputUnits = "CM/S**2";
    const Result<StationInventory> read = ParseStationXml(StationXmlDocument(channels), "a.xml");
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read.value().size(), 3u);
    const InventoryChannel* e = read.value().Find("XX.STA01..HNE", testing::kFixtureStartMicros);
    ASSERT_NE(e, nullptr);
    EXPECT_DOUBLE_EQ(*e->azimuthDeg, 91.25);
    EXPECT_DOUBLE_EQ(*e->dipDeg, 0.0);
    EXPECT_DOUBLE_EQ(*e->sensitivity, 419430.0);
    EXPECT_EQ(e->inputUnits, "CM/S**2");
    EXPECT_DOUBLE_EQ(*e->latitude, 35.5);
    EXPECT_DOUBLE_EQ(*e->sampleRate, 100.0);
    EXPECT_EQ(e->stationAlternateCode, "AIC001");
    EXPECT_EQ(e->siteName, "Test site");
    EXPECT_EQ(e->file, "a.xml");
}

TEST(StationXml, TheEpochHoldingTheTimeIsChosen) {
    std::vector<XmlChannelFixture> channels = ThreeXmlChannels();
    channels.resize(1);  // HNN
    channels[0].endDate = "2020-01-01T00:00:00";
    channels[0].sensitivity = "1";
    XmlChannelFixture later = channels[0];
    later.startDate = "2020-01-01T00:00:00";
    later.endDate = "";
    later.sensitivity = "2";
    channels.push_back(later);
    const Result<StationInventory> read = ParseStationXml(StationXmlDocument(channels), "a.xml");
    ASSERT_TRUE(read) << read.error().message;
    const struct {
        const char* time;
        double sensitivity;  // 0: none
    } cases[] = {{"2018-06-01T00:00:00", 0}, {"2019-06-01T00:00:00", 1}, {"2021-06-01T00:00:00", 2}};
    for (const auto& c : cases) {
        const InventoryChannel* found = read.value().Find("XX.STA01..HNN", *ParseXmlDateTime(c.time));
        if (c.sensitivity == 0) EXPECT_EQ(found, nullptr) << c.time;
        else ASSERT_NE(found, nullptr) << c.time;
        if (found) {
            EXPECT_EQ(*found->sensitivity, c.sensitivity) << c.time;
        }
    }
    EXPECT_TRUE(read.value().Lists("XX.STA01..HNN"));
    EXPECT_FALSE(read.value().Lists("XX.STA01..HNZ"));
}

TEST(StationXml, PrefixedElementsAreRead) {
    const std::string xml =
        "<?xml version=\"1.0\"?><s:FDSNStationXML xmlns:s=\"http://www.fdsn.org/xml/station/1\" schemaVersion=\"1.1\">"
        "<s:Source>x</s:Source><s:Network code=\"IU\"><s:Station code=\"ANMO\"><s:Latitude>34.9</s:Latitude>"
        "<s:Longitude>-106.4</s:Longitude><s:Elevation>1850</s:Elevation>"
        "<s:Channel code=\"HNZ\" locationCode=\"00\"><s:Dip>-90</s:Dip><s:Response><s:InstrumentSensitivity>"
        "<s:Value>3.0E5</s:Value><s:InputUnits><s:Name>m/s**2</s:Name></s:InputUnits></s:InstrumentSensitivity>"
        "</s:Response></s:Channel></s:Station></s:Network></s:FDSNStationXML>";
    const Result<StationInventory> read = ParseStationXml(xml, "p.xml");
    ASSERT_TRUE(read) << read.error().message;
    const InventoryChannel* z = read.value().Find("IU.ANMO.00.HNZ", 0);
    ASSERT_NE(z, nullptr);
    EXPECT_DOUBLE_EQ(*z->latitude, 34.9);  // the station's position
    EXPECT_DOUBLE_EQ(*z->sensitivity, 3.0e5);
    EXPECT_EQ(z->inputUnits, "m/s**2");
}

TEST(StationXml, BadDocumentsAreRefusedNamingTheFile) {
    std::vector<XmlChannelFixture> badNumber = ThreeXmlChannels();
    badNumber[1].sensitivity = "4.1e5x";
    std::vector<XmlChannelFixture> badDate = ThreeXmlChannels();
    badDate[2].startDate = "2019-13-01T00:00:00";
    std::string cut = StationXmlDocument(ThreeXmlChannels());
    cut.resize(cut.size() / 2);
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> said;
    } cases[] = {
        {"malformed", cut, {"bad.xml", "XML"}},
        {"empty", "", {"bad.xml"}},
        {"not StationXML", "<?xml version=\"1.0\"?><quakeml><event/></quakeml>", {"bad.xml", "FDSNStationXML", "quakeml"}},
        {"bad number", StationXmlDocument(badNumber), {"bad.xml", "XX.STA01..HNE", "4.1e5x"}},
        {"bad date", StationXmlDocument(badDate), {"bad.xml", "XX.STA01..HNZ", "2019-13-01"}},
        {"station without code", "<FDSNStationXML><Network code=\"XX\"><Station/></Network></FDSNStationXML>", {"bad.xml", "XX"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<StationInventory> read = ParseStationXml(c.text, "bad.xml");
        ASSERT_FALSE(read);
        for (const std::string& words : c.said) EXPECT_NE(read.error().message.find(words), std::string::npos) << read.error().message;
    }
}

TEST(StationXml, FoldersGiveEveryXmlFileAndFailWithout) {
    testing::TempFolder folder;
    folder.Write("inv/a.xml", StationXmlDocument(ThreeXmlChannels("STA01")));
    folder.Write("inv/b.XML", StationXmlDocument(ThreeXmlChannels("STA02")));
    folder.Write("inv/notes.txt", "not read");
    const Result<StationInventory> read = ReadStationXmlPaths({folder / "inv"});
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read.value().size(), 6u);
    EXPECT_EQ(read.value().files().size(), 2u);
    folder.Write("empty/readme.txt", "x");
    const Result<StationInventory> none = ReadStationXmlPaths({folder / "empty"});
    ASSERT_FALSE(none);
    EXPECT_NE(none.error().message.find("empty"), std::string::npos);
    const Result<StationInventory> missing = ReadStationXmlPaths({folder / "nothing.xml"});
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("nothing.xml"), std::string::npos);
}

TEST(XmlDateTime, ReadsTheFormsStationXmlUses) {
    const struct {
        const char* text;
        std::optional<std::int64_t> micros;
    } cases[] = {
        {"1970-01-01T00:00:00", 0},
        {"1970-01-01", 0},
        {"2020-09-13T12:26:40Z", testing::kFixtureStartMicros},
        {"2020-09-13T12:26:40.25", testing::kFixtureStartMicros + 250'000},
        {"2020-09-13T12:26:40.000001Z", testing::kFixtureStartMicros + 1},
        {"1969-12-31T23:59:59", -1'000'000},
        {"2020-02-30T00:00:00", std::nullopt},
        {"2020-01-01T24:00:00", std::nullopt},
        {"2020-01-01 00:00:00", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseXmlDateTime(c.text), c.micros) << c.text;
    EXPECT_EQ(XmlDateTimeText(testing::kFixtureStartMicros + 5), "2020-09-13T12:26:40.000005Z");
    EXPECT_EQ(XmlDateTimeText(-1), "1969-12-31T23:59:59.999999Z");
}

}  // namespace
}  // namespace tremblo
