#include "stations/station_note.h"

#include "common/translation.h"

namespace tremblo {

std::string ShownStationNote(const std::string& utf8Note) {
    static const std::string kElevation = "標高";
    if (utf8Note.rfind(kElevation, 0) != 0) return utf8Note;
    return TrText("stations", "標高") + utf8Note.substr(kElevation.size());
}

}  // namespace tremblo
