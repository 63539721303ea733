#pragma once

namespace tremblo {

// The text of the usage window (UTF-8).
const char* UsageText();

}  // namespace tremblo
