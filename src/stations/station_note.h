#pragma once
// The station directory's fifth column, as shown: NIED's stations carry
// "標高 3m" there, whose word is a caption (in the language of the windows)
// and whose figure is data. Anything else is shown as it stands.
#include <string>

namespace tremblo {

std::string ShownStationNote(const std::string& utf8Note);

}  // namespace tremblo
