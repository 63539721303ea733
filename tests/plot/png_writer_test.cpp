#include "plot/png_writer.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tremblo {
namespace {

struct Chunk {
    std::string type;
    std::vector<std::uint8_t> data;
};

std::uint32_t ReadBig32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits the file into chunks, checking the signature and every CRC.
std::vector<Chunk> ParseChunks(const std::vector<std::uint8_t>& file) {
    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<Chunk> chunks;
    EXPECT_GE(file.size(), 8u);
    if (file.size() < 8 || !std::equal(std::begin(kSignature), std::end(kSignature), file.begin())) {
        ADD_FAILURE() << "no PNG signature";
        return chunks;
    }
    std::size_t pos = 8;
    while (pos + 12 <= file.size()) {
        const std::uint32_t length = ReadBig32(&file[pos]);
        if (pos + 12 + length > file.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            break;
        }
        Chunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(&file[pos + 4]), 4);
        chunk.data.assign(file.begin() + static_cast<long>(pos + 8), file.begin() + static_cast<long>(pos + 8 + length));
        const uLong crc = crc32(0, &file[pos + 4], 4 + length);
        EXPECT_EQ(crc, ReadBig32(&file[pos + 8 + length])) << chunk.type;
        chunks.push_back(std::move(chunk));
        pos += 12 + length;
    }
    EXPECT_EQ(pos, file.size());
    return chunks;
}

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& compressed, std::size_t expected) {
    std::vector<std::uint8_t> out(expected + 16);
    uLongf size = out.size();
    EXPECT_EQ(uncompress(out.data(), &size, compressed.data(), compressed.size()), Z_OK);
    out.resize(size);
    return out;
}

// A picture with gradients, noise-like values and flat parts, so the data
// are neither trivial nor tiny.
RgbImage TestPicture(int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    std::uint32_t state = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            state = state * 1103515245u + 12345u;
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y * 3);
            p[2] = (x / 16 + y / 16) % 2 ? static_cast<std::uint8_t>(state >> 24) : 255;
        }
    }
    return image;
}

class PngFile : public ::testing::Test {
protected:
    // A folder of its own: test processes run side by side.
    testing::TempFolder temp;
    std::string folder = temp.path().string();
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
    }
};

TEST_F(PngFile, LayoutOfAWrittenPicture) {
    const RgbImage image = TestPicture(300, 300);
    const std::string path = folder + "/graph.png";
    ASSERT_TRUE(WritePngFile(path, image).ok);

    const std::vector<Chunk> chunks = ParseChunks(ReadFile(path));
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.empty());
    const auto& ihdr = chunks.front().data;
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(ReadBig32(&ihdr[0]), 300u);
    EXPECT_EQ(ReadBig32(&ihdr[4]), 300u);
    EXPECT_EQ(ihdr[8], 8);   // bit depth
    EXPECT_EQ(ihdr[9], 2);   // truecolour
    EXPECT_EQ(ihdr[10], 0);  // deflate
    EXPECT_EQ(ihdr[11], 0);  // adaptive filtering method
    EXPECT_EQ(ihdr[12], 0);  // not interlaced

    // Only IDAT between IHDR and IEND, all of 65535 bytes but the last.
    std::vector<std::uint8_t> stream;
    for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
        ASSERT_EQ(chunks[i].type, "IDAT");
        if (i + 2 < chunks.size()) {
            EXPECT_EQ(chunks[i].data.size(), 65535u) << i;
        }
        EXPECT_LE(chunks[i].data.size(), 65535u);
        stream.insert(stream.end(), chunks[i].data.begin(), chunks[i].data.end());
    }
    EXPECT_GT(chunks.size(), 3u) << "the noisy picture needs more than one IDAT chunk";
    // zlib header: deflate, and the level field of levels 7 to 9.
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[0] & 0x0F, 8);
    EXPECT_EQ(stream[1] >> 6, 3);

    // 300 rows of 1 + 900 bytes, each filtered with Sub; undoing it gives the picture back.
    const std::vector<std::uint8_t> raw = Inflate(stream, 300 * 901);
    ASSERT_EQ(raw.size(), 300u * 901u);
    for (int y = 0; y < 300; ++y) {
        const std::uint8_t* row = &raw[static_cast<std::size_t>(y) * 901];
        ASSERT_EQ(row[0], 1) << "row " << y;
        std::vector<std::uint8_t> pixels(900);
        for (int i = 0; i < 900; ++i) {
            const std::uint8_t left = i >= 3 ? pixels[i - 3] : 0;
            pixels[i] = static_cast<std::uint8_t>(row[1 + i] + left);
        }
        ASSERT_TRUE(std::equal(pixels.begin(), pixels.end(), image.pixel(0, y))) << "row " << y;
    }
}

TEST_F(PngFile, ReplacesAnExistingFileAndLeavesNothingElse) {
    const std::string path = folder + "/graph.png";
    { std::ofstream(path) << "old content"; }
    ASSERT_TRUE(WritePngFile(path, TestPicture(3, 2)).ok);
    const auto chunks = ParseChunks(ReadFile(path));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(ReadBig32(&chunks[0].data[0]), 3u);
    EXPECT_EQ(FilesInFolder(), 1u);
    // The file gets the usual permissions, not the private ones of a temporary file.
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IRGRP, 0u);
}

TEST_F(PngFile, AWriteThatFailsHalfwayLeavesTheOldFileUntouched) {
    const std::string path = folder + "/graph.png";
    { std::ofstream(path) << "old content"; }
    // Files of this process may not grow past 4 KiB for the duration: the
    // noisy picture needs far more, so the write fails after its first bytes.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const PngWriteResult result = WritePngFile(path, TestPicture(300, 300));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("を作成できません"), std::string::npos);
    const std::vector<std::uint8_t> target = ReadFile(path);
    EXPECT_TRUE(std::string(target.begin(), target.end()) == "old content")
        << "the target now holds " << target.size() << " bytes";
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left over
}

TEST_F(PngFile, FailuresAreReportedAndLeaveNoFileBehind) {
    PngWriteResult result = WritePngFile(folder + "/missing/graph.png", TestPicture(4, 4));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("を作成できません"), std::string::npos);
    EXPECT_NE(result.message.find("missing/graph.png"), std::string::npos);

    // The target is a folder: the picture is encoded, the rename fails, and
    // the temporary file is removed.
    std::filesystem::create_directories(folder + "/taken.png");
    result = WritePngFile(folder + "/taken.png", TestPicture(4, 4));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(FilesInFolder(), 1u);

    // An empty picture cannot be a PNG file.
    result = WritePngFile(folder + "/empty.png", RgbImage{});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(std::filesystem::exists(folder + "/empty.png"));
}

}  // namespace
}  // namespace tremblo
