#include "plot/picture_export.h"

#include "common/path_text.h"
#include "plot/png_writer.h"

namespace tremblo {

namespace {

bool WritePicture(const RgbImage& picture, const std::string& path, Platform& platform) {
    const PngWriteResult result = WritePngFile(path, picture);
    if (!result.ok) platform.ShowMessage(result.message, kPictureFileErrorCaption, MessageStyle::Warning);
    return result.ok;
}

}  // namespace

bool SavePicturePng(const Canvas& canvas, const std::string& path, Platform& platform) {
    return WritePicture(canvas.Picture(), path, platform);
}

bool SavePictureWithDialog(Platform& platform, const RgbImage& picture, const SaveDialogRequest& request,
                           std::string* saveFolder) {
    const auto chosen = platform.AskSaveFile(request);
    if (!chosen) return false;
    if (saveFolder != nullptr) *saveFolder = FolderPart(*chosen);
    return WritePicture(picture, WithDefaultExtension(*chosen, "png"), platform);
}

}  // namespace tremblo
