#pragma once
#include <string>

namespace tremblo {

// The text of the usage window, in the user's language (UTF-8).
std::string UsageText();

}  // namespace tremblo
