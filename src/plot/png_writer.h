#pragma once
// PNG files of plot pictures: 8-bit RGB, not interlaced, filter Sub on every
// row, image data deflated at level 7 in IDAT chunks of 65535 bytes (the last
// one shorter), no ancillary chunk.
//
// The file is written beside the target under a temporary name and renamed
// over the target only when complete, so a failed write never leaves a
// half-written file under the target name.
#include <string>

#include "common/rgb_image.h"

namespace tremblo {

struct PngWriteResult {
    bool ok = true;
    std::string message;  // when !ok: what went wrong, in the program's words (UTF-8)
};

// path is a UTF-8 file name, used as given (no extension added); an existing
// file is replaced.
PngWriteResult WritePngFile(const std::string& path, const RgbImage& image);

}  // namespace tremblo
