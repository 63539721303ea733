#pragma once
// Writing a whole file so that a failure leaves nothing half-written under
// its name: the bytes go to a temporary file in the same folder, which then
// replaces the target.
#include <string>
#include <string_view>

namespace tremblo {

bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tremblo
