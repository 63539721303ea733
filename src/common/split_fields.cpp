#include "common/split_fields.h"

namespace tremblo {

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    if (line.empty()) return fields;
    std::string current;
    bool inField = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        // A carriage return counts as part of the line end only right before
        // the line feed; elsewhere it is an ordinary character.
        const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n');
        if (!inField) {
            if (c == ' ' || c == '\t' || lineEnd) continue;
            if (c == ',') {
                fields.emplace_back();
                continue;
            }
            inField = true;
            current.assign(1, c);
        } else if (c == ',' || lineEnd) {
            fields.push_back(current);
            inField = false;
            if (lineEnd && c == '\r') ++i;  // the line feed belongs to this line end
            if (lineEnd) {
                // Outside a field again; nothing follows a line end in a line.
                continue;
            }
        } else {
            current.push_back(c);
        }
    }
    if (inField)
        fields.push_back(current);
    else
        fields.emplace_back();
    return fields;
}

std::string_view FieldOrEmpty(const std::vector<std::string>& fields, std::size_t i) {
    return i < fields.size() ? std::string_view(fields[i]) : std::string_view();
}

}  // namespace tremblo
