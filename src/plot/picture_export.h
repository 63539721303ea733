#pragma once
// How a plot component's picture leaves the program as a PNG file: capture
// the whole picture (Width x Height) and write it. A file that cannot be
// written is reported through the platform ("ファイル ... を作成できません", warning
// style) and gives false; nothing is left under the target name then.
#include <string>

#include "common/platform.h"
#include "plot/canvas.h"

namespace tremblo {

inline constexpr const char* kPictureFileErrorCaption = kCannotCreateCaption;

bool SavePicturePng(const Canvas& canvas, const std::string& path, Platform& platform);

// The PNG button of a window: asks for a file with `request`, appends
// ".png" to a name without extension and writes `picture` (captured at the
// click) there. When the user confirms and `saveFolder` is given, it becomes
// the folder of the chosen path. Cancelling writes nothing and gives false,
// as does a file that cannot be written (reported as above).
bool SavePictureWithDialog(Platform& platform, const RgbImage& picture, const SaveDialogRequest& request,
                           std::string* saveFolder = nullptr);

}  // namespace tremblo
