#pragma once
// How a plot component's picture leaves the program as a PNG file: capture
// the whole picture (Width x Height) and write it. A file that cannot be
// written is reported through the platform ("ファイル ... を作成できません", warning
// style) and gives false; nothing is left under the target name then.
#include <string>

#include "common/platform.h"
#include "plot/canvas.h"

namespace tremblo {

inline constexpr const char* kPictureFileErrorCaption = "ファイルエラー";

bool SavePicturePng(const Canvas& canvas, const std::string& path, Platform& platform);

}  // namespace tremblo
