// SAC files: every header field read in both byte orders and the
// alphanumeric form, the quantity by IDEP, and damaged files refused.
#include "record/sac_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "input/memory_stream.h"
#include "record/agency_reading.h"
#include "record/format_detection.h"
#include "support/sac_fixtures.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::SacBytes;
using testing::SacFixture;
using testing::SacForm;

constexpr SacForm kForms[] = {SacForm::Little, SacForm::Big, SacForm::Alphanumeric};

const char* FormName(SacForm form) {
    return form == SacForm::Little ? "little-endian" : form == SacForm::Big ? "big-endian" : "alphanumeric";
}

Result<AgencyFile> Read(const SacFixture& f, SacForm form, AgencyReadOptions options = {}) {
    const std::string bytes = SacBytes(f, form);
    std::istringstream in(bytes);
    return ReadSacFile(in, options);
}

// A component of the 2011 Tohoku event at a made-up station: every field
// read set to a value of its own.
SacFixture FullFixture() {
    SacFixture f;
    f.delta = 0.01f;
    f.b = 1.5f;
    f.o = -30.25f;
    f.stla = 38.25f;
    f.stlo = 141.0f;
    f.stel = 25.5f;
    f.evla = 38.103f;
    f.evlo = 142.861f;
    f.evdp = 24.0f;
    f.mag = 9.0f;
    f.cmpaz = 90.0f;
    f.cmpinc = 90.0f;
    f.nzyear = 2011;
    f.nzjday = 70;  // 11 March
    f.nzhour = 5;
    f.nzmin = 46;
    f.nzsec = 50;
    f.nzmsec = 250;
    f.kstnm = "MYGX01";
    f.kevnm = "TOHOKU2011";
    f.kcmpnm = "HNE";
    f.knetwk = "XX";
    f.values = {1.0e7f, -2.5e7f, 0.0f, 3.0e6f, 12345.0f, -1.0f};
    return f;
}

TEST(SacReader, EveryHeaderFieldInEachForm) {
    for (const SacForm form : kForms) {
        SCOPED_TRACE(FormName(form));
        const Result<AgencyFile> file = Read(FullFixture(), form);
        ASSERT_TRUE(file) << file.error().message;
        EXPECT_EQ(file.value().format, RecordFormat::Sac);
        ASSERT_EQ(file.value().channels.size(), 1u);
        const AgencyChannel& c = file.value().channels.front();
        const ChannelHeader& h = c.header;
        EXPECT_DOUBLE_EQ(c.dt, static_cast<double>(0.01f));
        EXPECT_EQ(c.statedCount, 6);
        EXPECT_EQ(h.stationCode, "MYGX01");
        EXPECT_EQ(h.network, "XX");
        EXPECT_EQ(h.eventName, "TOHOKU2011");
        EXPECT_EQ(h.componentName, "HNE");
        EXPECT_DOUBLE_EQ(*h.stationLat, 38.25);
        EXPECT_DOUBLE_EQ(*h.stationLon, 141.0);
        EXPECT_DOUBLE_EQ(*h.stationElevationM, 25.5);
        EXPECT_NEAR(*h.epicenterLat, 38.103, 1e-5);
        EXPECT_NEAR(*h.epicenterLon, 142.861, 1e-5);
        EXPECT_DOUBLE_EQ(*h.depthKm, 24.0);
        EXPECT_DOUBLE_EQ(*h.magnitude, 9.0);
        EXPECT_FALSE(h.vertical);
        EXPECT_DOUBLE_EQ(*h.azimuthDeg, 90.0);
        // Reference 2011-03-11 05:46:50.250; B 1.5 s later, O 30.25 s earlier.
        EXPECT_EQ(*h.firstSampleTime, (StatedTime{2011, 3, 11, 5, 46, 51.75}));
        EXPECT_EQ(*h.originTime, (StatedTime{2011, 3, 11, 5, 46, 20.0}));
        // nm/s^2 to gal: 1e7 nm/s^2 is 1 gal.
        const std::vector<float> gal = {1.0f, -2.5f, 0.0f, 0.3f, 0.0012345f, -1.0e-7f};
        ASSERT_EQ(c.gal.size(), gal.size());
        for (std::size_t i = 0; i < gal.size(); ++i) EXPECT_FLOAT_EQ(c.gal[i], gal[i]) << i;
    }
}

TEST(SacReader, UndefinedValuesStayEmpty) {
    SacFixture f;
    f.values = {1.0f, 2.0f};
    for (const SacForm form : kForms) {
        SCOPED_TRACE(FormName(form));
        const Result<AgencyFile> file = Read(f, form);
        ASSERT_TRUE(file) << file.error().message;
        const ChannelHeader& h = file.value().channels.front().header;
        EXPECT_EQ(h.stationCode, "");
        EXPECT_EQ(h.network, "");
        EXPECT_EQ(h.eventName, "");
        EXPECT_EQ(h.componentName, "");
        EXPECT_FALSE(h.stationLat || h.stationLon || h.stationElevationM);
        EXPECT_FALSE(h.epicenterLat || h.epicenterLon || h.depthKm || h.magnitude);
        EXPECT_FALSE(h.firstSampleTime || h.originTime || h.azimuthDeg);
        EXPECT_FALSE(h.vertical);
    }
}

TEST(SacReader, OrientationFromIncidenceAzimuthOrChannelCode) {
    struct Case {
        float cmpaz, cmpinc;
        const char* kcmpnm;
        bool vertical;
        std::optional<double> azimuth;
    } cases[] = {
        {testing::kSacUndef, 0.0f, "HNZ", true, std::nullopt},
        {0.0f, 180.0f, "X", true, std::nullopt},
        {370.0f, 90.0f, "HN1", false, 10.0},
        {-90.0f, 90.0f, "HN2", false, 270.0},
        {testing::kSacUndef, testing::kSacUndef, "HNE", false, 90.0},
        {testing::kSacUndef, testing::kSacUndef, "BHN", false, 0.0},
        {testing::kSacUndef, testing::kSacUndef, "BHZ", true, std::nullopt},
        {testing::kSacUndef, testing::kSacUndef, "HN1", false, std::nullopt},
        {testing::kSacUndef, 45.0f, "HNZ", false, std::nullopt},  // a tilted sensor
    };
    for (const Case& k : cases) {
        SacFixture f;
        f.cmpaz = k.cmpaz;
        f.cmpinc = k.cmpinc;
        f.kcmpnm = k.kcmpnm;
        f.values = {1.0f};
        const Result<AgencyFile> file = Read(f, SacForm::Little);
        ASSERT_TRUE(file) << file.error().message;
        const ChannelHeader& h = file.value().channels.front().header;
        EXPECT_EQ(h.vertical, k.vertical) << k.kcmpnm << " " << k.cmpinc;
        EXPECT_EQ(h.azimuthDeg, k.azimuth) << k.kcmpnm << " " << k.cmpaz;
    }
}

TEST(SacReader, QuantityByIdep) {
    struct Case {
        std::int32_t idep;
        std::optional<double> unitsChoice;
        std::optional<double> galOf1000;  // nothing: refused
        const char* messageHas;
        const char* kuser0 = "-12345";
    } cases[] = {
        {8, std::nullopt, 1.0e-4, ""},            // IACC, nm/s^2
        {8, 100.0, 1.0e-4, ""},                   // a choice does not override IACC
        {8, std::nullopt, 1000.0, "", "cm/s2"},   // IACC in gal, as this program writes
        {8, std::nullopt, 1000.0, "", "gal"},
        {8, std::nullopt, 1.0e5, "", "m/s2"},
        {8, std::nullopt, 1.0e-4, "", "nm/s2"},
        {8, std::nullopt, 1.0e-4, "", "cm/s"},    // not a unit of acceleration: SAC's own
        {7, std::nullopt, std::nullopt, "IDEP"},  // IVEL
        {6, std::nullopt, std::nullopt, "IDEP"},  // IDISP
        {50, std::nullopt, std::nullopt, "IDEP = 50"},  // IVOLTS
        {5, std::nullopt, std::nullopt, "--units"},     // IUNKN
        {testing::kSacUndefInt, std::nullopt, std::nullopt, "--units"},
        {5, 100.0, 1.0e5, ""},  // m/s^2 chosen
        {testing::kSacUndefInt, 1.0, 1000.0, ""},         // gal chosen
        {testing::kSacUndefInt, 1.0e-7, 1.0e-4, ""},      // nm/s^2 chosen
    };
    for (const SacForm form : kForms)
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(FormName(form)) + " IDEP " + std::to_string(k.idep));
            SacFixture f;
            f.idep = k.idep;
            f.kuser0 = k.kuser0;
            f.values = {1000.0f};
            AgencyReadOptions options;
            options.galPerUnstatedUnit = k.unitsChoice;
            const Result<AgencyFile> file = Read(f, form, options);
            ASSERT_EQ(static_cast<bool>(file), k.galOf1000.has_value());
            if (file) {
                EXPECT_FLOAT_EQ(file.value().channels.front().gal[0], static_cast<float>(*k.galOf1000));
            } else {
                EXPECT_NE(file.error().message.find(k.messageHas), std::string::npos) << file.error().message;
            }
            // Grouping reads headers only: it needs no unit.
            options.headerOnly = true;
            if (k.idep == 5 || k.idep == testing::kSacUndefInt) {
                EXPECT_TRUE(Read(f, form, options));
            }
        }
}

TEST(SacReader, DamagedFilesAreRefused) {
    struct Case {
        const char* what;
        void (*edit)(SacFixture&);
    } cases[] = {
        {"more samples stated than held", [](SacFixture& f) { f.npts = 7; }},
        {"a huge count", [](SacFixture& f) { f.npts = 2'000'000'000; }},
        {"no samples", [](SacFixture& f) { f.npts = 0; }},
        {"zero interval", [](SacFixture& f) { f.delta = 0.0f; }},
        {"negative interval", [](SacFixture& f) { f.delta = -0.01f; }},
        {"undefined interval", [](SacFixture& f) { f.delta = testing::kSacUndef; }},
        {"uneven", [](SacFixture& f) { f.leven = 0; }},
        {"a spectrum", [](SacFixture& f) { f.iftype = 2; }},
        {"NaN sample", [](SacFixture& f) { f.values[2] = std::numeric_limits<float>::quiet_NaN(); }},
        {"infinite sample", [](SacFixture& f) { f.values[4] = -std::numeric_limits<float>::infinity(); }},
        {"implausible sample", [](SacFixture& f) { f.values[1] = 3.0e13f; }},  // 3e6 gal
    };
    for (const SacForm form : kForms)
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(FormName(form)) + ": " + k.what);
            SacFixture f;
            f.values = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f};
            k.edit(f);
            const Result<AgencyFile> file = Read(f, form);
            ASSERT_FALSE(file);
            EXPECT_FALSE(file.error().message.empty());
        }
}

TEST(SacReader, CutFilesAreRefusedAtEveryLength) {
    SacFixture f;
    f.values = {1.0f, 2.0f, 3.0f};
    for (const SacForm form : {SacForm::Little, SacForm::Big}) {
        const std::string whole = SacBytes(f, form);
        for (std::size_t length = 0; length < whole.size(); length += 3) {
            std::istringstream in(whole.substr(0, length));
            EXPECT_FALSE(ReadSacFile(in)) << FormName(form) << " cut at " << length;
        }
    }
}

TEST(SacReader, NoVersionSixIsNoSac) {
    SacFixture f;
    f.values = {1.0f};
    f.nvhdr = 7;
    for (const SacForm form : kForms) {
        const std::string bytes = SacBytes(f, form);
        EXPECT_FALSE(LooksLikeSacBinary(bytes)) << FormName(form);
        std::istringstream in(bytes);
        EXPECT_FALSE(ReadSacFile(in)) << FormName(form);
    }
}

TEST(SacReader, FormatRecognisedFromContent) {
    SacFixture f = FullFixture();
    for (const SacForm form : kForms) {
        std::istringstream in(SacBytes(f, form));
        EXPECT_EQ(DetectRecordFormat(in), RecordFormat::Sac) << FormName(form);
        // Files in folders and archives are told by their first bytes.
        EXPECT_EQ(DetectAgencyFormatOfBytes(SacBytes(f, form)), RecordFormat::Sac) << FormName(form);
    }
    // Text files are still told by their lines after the first bytes were
    // looked at: a long one and one shorter than a SAC header.
    std::istringstream knet(testing::ReadWholeFile(testing::SamplePath("samples/knet/AIC0012411051012.NS")));
    EXPECT_EQ(DetectRecordFormat(knet), RecordFormat::Knet);
    std::string stationLine(5, '\n');
    stationLine += "Station Code      AIC001\n";
    std::istringstream shortKnet(stationLine);
    EXPECT_EQ(DetectRecordFormat(shortKnet), RecordFormat::Knet);
    EXPECT_EQ(FormatOptionName(RecordFormat::Sac), std::string("sac"));
}

TEST(SacTime, ReferencePlusOffset) {
    struct Case {
        SacReferenceTime reference;
        double offset;
        std::optional<StatedTime> expected;
    } cases[] = {
        {{2024, 366, 23, 59, 59, 500}, 0.75, StatedTime{2025, 1, 1, 0, 0, 0.25}},  // leap year's last day
        {{2023, 1, 0, 0, 0, 0}, -1.0, StatedTime{2022, 12, 31, 23, 59, 59.0}},
        {{2023, 60, 12, 0, 0, 0}, 3600.0 * 24 * 2, StatedTime{2023, 3, 3, 12, 0, 0.0}},  // 60 = 1 March
        {{2023, 366, 0, 0, 0, 0}, 0.0, std::nullopt},  // no 366th day
        {{2023, 10, 24, 0, 0, 0}, 0.0, std::nullopt},
        {{2023, 10, 0, 0, 0, 1000}, 0.0, std::nullopt},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(SacTimeAfter(k.reference, k.offset), k.expected) << k.reference.year << " " << k.reference.julianDay;
        if (k.expected) {
            const SacReferenceTime back = SacReferenceOf(*k.expected);
            EXPECT_EQ(SacTimeAfter(back, 0.0), k.expected);
        }
    }
}

}  // namespace
}  // namespace tremblo
