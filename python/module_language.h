#pragma once
// The language of the module's messages (the ValueError and OSError texts
// and the program's own messages inside them): Japanese, as the programs
// speak by default, or English with TREMBLO_LANG=en when the module is
// imported or with tremblo.set_language("en"). The English is that of
// translations/*.ts, built into the module.
#include <string>

namespace tremblo::python {

// "en" or "ja"; false for any other word.
bool SetModuleLanguage(const std::string& language);
std::string ModuleLanguage();

}  // namespace tremblo::python
