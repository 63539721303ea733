#pragma once
// The CSV button of a window: asks for a file, appends the default
// extension to a name without one and writes the text through a temporary
// file, so a failed export leaves no half file. A file that cannot be
// written is reported ("ファイル ... を作成できません").
#include <functional>
#include <string>

#include "common/platform.h"

namespace tremblo {

// `makeText` runs only when the user confirms. False when cancelled or not
// written.
bool SaveTextWithDialog(Platform& platform, const SaveDialogRequest& request,
                        const std::function<std::string()>& makeText);

}  // namespace tremblo
