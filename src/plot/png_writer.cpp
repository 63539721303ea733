#include "plot/png_writer.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/atomic_file.h"
#include "common/platform.h"
#include "common/translation.h"

namespace tremblo {

namespace {

constexpr int kCompressionLevel = 7;
constexpr std::size_t kIdatChunkBytes = 65535;

struct EncoderErrors {
    char message[256] = {};
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
    auto* errors = static_cast<EncoderErrors*>(png_get_error_ptr(png));
    std::snprintf(errors->message, sizeof errors->message, "%s", message);
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Kept free of objects with destructors: libpng leaves it by longjmp.
bool Encode(std::FILE* file, const RgbImage& image, png_bytepp rows, EncoderErrors& errors) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, OnPngError, OnPngWarning);
    if (png == nullptr) {
        std::snprintf(errors.message, sizeof errors.message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, kCompressionLevel);
    // libpng emits an IDAT chunk each time its output buffer fills.
    png_set_compression_buffer_size(png, kIdatChunkBytes);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

PngWriteResult Failure(const std::string& path, const std::string& reason) {
    return {false, CannotCreateText(path) + "\n\n" + reason};
}

}  // namespace

PngWriteResult WritePngFile(const std::string& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        return Failure(path, TrText("plot", "画像がありません"));
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        rows[static_cast<std::size_t>(y)] =
            const_cast<png_bytep>(image.pixel(0, y));  // libpng only reads the rows
    }

    const std::optional<TemporaryFile> created = CreateTemporaryBeside(path);
    if (!created) return Failure(path, std::strerror(errno));
    const int fd = created->fd;
    const std::string& temp = created->name;
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(fd);
        unlink(temp.c_str());
        ForgetTemporary(*created);
        return Failure(path, std::strerror(error));
    }

    EncoderErrors errors;
    bool ok = Encode(file, image, rows.data(), errors);
    std::string reason = errors.message;
    if (ok && (std::fflush(file) != 0 || fsync(fileno(file)) != 0)) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        reason = std::strerror(errno);
    }
    if (!ok) unlink(temp.c_str());
    ForgetTemporary(*created);
    if (!ok) return Failure(path, reason);
    return {};
}

}  // namespace tremblo
