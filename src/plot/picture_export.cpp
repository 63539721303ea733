#include "plot/picture_export.h"

#include "plot/png_writer.h"

namespace tremblo {

bool SavePicturePng(const Canvas& canvas, const std::string& path, Platform& platform) {
    const PngWriteResult result = WritePngFile(path, canvas.Picture());
    if (!result.ok) platform.ShowMessage(result.message, kPictureFileErrorCaption, MessageStyle::Warning);
    return result.ok;
}

}  // namespace tremblo
