// Record files that never end or are no files: every reader refuses a line
// over the limit after reading a few kilobytes of it, and the loader refuses
// folders, FIFOs and devices without opening them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "common/line_reader.h"
#include "record/cdpc_reader.h"
#include "input/gzip_file_source.h"
#include "record/hiroshima_reader.h"
#include "record/knet_reader.h"
#include "record/record_session.h"
#include "support/scripted_platform.h"
#include "support/endless_buffer.h"
#include "support/fifo_watchdog.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

std::string Sample(const char* path) {
    return ReadWholeFile(SamplePath(path));
}

// `text` with line `number` (1-based) made RECORD_LINE_LIMIT + 1 characters long.
std::string WithLongLine(const std::string& text, int number) {
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end - start);
    line.resize(RECORD_LINE_LIMIT + 1, ' ');
    return text.substr(0, start) + line + text.substr(end);
}

using testing::EndlessBuffer;

using Reader = std::function<std::optional<ReadError>(std::istream&)>;

std::optional<ReadError> ErrorOf(const auto& result) {
    if (result) return std::nullopt;
    return result.error();
}

TEST(RecordLines, EachReaderRefusesALineOverTheLimit) {
    std::vector<float> samples(SAMPLE_CAPACITY);
    const StationDirectory* directory = new StationDirectory();
    const std::unique_ptr<const StationDirectory> owner(directory);
    const Reader knetHeader = [](std::istream& in) { return ErrorOf(ReadKnetHeader(in)); };
    const Reader knetData = [&](std::istream& in) {
        return ErrorOf(ReadKnetData(in, 1.0f, samples));
    };
    const Reader hiroshimaHeader = [&](std::istream& in) {
        return ErrorOf(ReadHiroshimaHeader(in, *directory));
    };
    const Reader hiroshimaData = [&](std::istream& in) {
        return ErrorOf(ReadHiroshimaData(in, samples));
    };
    const Reader cdpc = [&](std::istream& in) { return ErrorOf(ReadCdpcData(in, samples)); };
    const std::string knet = Sample("samples/knet/AIC0012411051012.NS");
    const std::string hiroshima = Sample("samples/hiroshima/HFD01_241105.ns");
    const std::string cdpcText = Sample("samples/cdpc/CDPC_SYNTH.ns");
    // The header readers read a fixed number of pieces, so only the data
    // readers (which read the file from its start) meet the long line.
    struct Case {
        const char* name;
        const std::string& text;
        Reader read;
        int line;
        std::string why;  // in the message
    };
    const std::string limit = std::to_string(RECORD_LINE_LIMIT);
    // K-NET data lines fail at their first blank field without a count,
    // before the limit (the header is skipped piece by piece).
    const std::vector<Case> cases{
        {"K-NET header line", knet, knetData, 6, "9文字ごとの欄"},
        {"K-NET data line", knet, knetData, 30, "9文字ごとの欄"},
        {"Hiroshima header line", hiroshima, hiroshimaData, 2, limit},
        {"Hiroshima data line", hiroshima, hiroshimaData, 8, limit},
        {"CDPC first line", cdpcText, cdpc, 1, limit},
        {"CDPC data line", cdpcText, cdpc, 4, limit},
    };
    for (const Case& c : cases) {
        std::istringstream whole(c.text);
        EXPECT_FALSE(c.read(whole)) << c.name;  // the sample as it is reads
        std::istringstream in(WithLongLine(c.text, c.line));
        const std::optional<ReadError> error = c.read(in);
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->line, c.line) << c.name;
        EXPECT_NE(error->message.find(c.why), std::string::npos) << error->message;
    }
    // Input without end: every reader stops after a few kilobytes with an error.
    for (const Reader& read : {knetHeader, knetData, hiroshimaHeader, hiroshimaData, cdpc}) {
        EndlessBuffer endless('\0');
        std::istream never(&endless);
        EXPECT_TRUE(read(never));
        EXPECT_LE(endless.taken(), RECORD_LINE_LIMIT + 1024);
    }
}

using testing::FifoWatchdog;

TEST(RecordFileOpening, RefusesWhatIsNotARegularFile) {
    testing::TempFolder temp;
    const std::string fifo = temp / "AIC0012411051012.NS";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string gzFifo = temp / "GZ/AIC0012411051012.NS";
    std::filesystem::create_directories(temp / "GZ");
    ASSERT_EQ(::mkfifo((gzFifo + ".gz").c_str(), 0600), 0);
    const std::string folder = temp / "FOLDER.NS";
    std::filesystem::create_directories(folder);
    const FifoWatchdog watchFifo(fifo), watchGz(gzFifo + ".gz");

    const auto started = std::chrono::steady_clock::now();
    for (const std::string& path : {fifo, folder, std::string("/dev/zero")}) {
        DiskFileSource disk;
        EXPECT_FALSE(disk.Open(path)) << path;
        EXPECT_FALSE(disk.OpenFailure(path).empty()) << path;
    }
    GzipFileSource gzip;
    for (const std::string& path : {gzFifo, fifo}) {
        EXPECT_FALSE(gzip.Open(path)) << path;
        EXPECT_FALSE(gzip.OpenFailure(path).empty()) << path;
    }

    // The loader says why, naming the file.
    StationDirectory* directory = new StationDirectory();
    const std::unique_ptr<StationDirectory> owner(directory);
    for (const std::string& path : {fifo, folder}) {
        for (const bool threeComponents : {false, true}) {
            testing::ScriptedPlatform platform;
            RecordSession session(platform, *directory);
            EXPECT_EQ(
                session.LoadPath(path, LoadSettings{RecordFormat::Knet, threeComponents, false}),
                LoadStatus::Failed);
            ASSERT_FALSE(platform.messages.empty()) << path;
            EXPECT_NE(platform.messages.back().text.find(path), std::string::npos)
                << platform.messages.back().text;
            EXPECT_NE(platform.messages.back().text.find(NotARegularFile(path)), std::string::npos);
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

}  // namespace
}  // namespace tremblo
