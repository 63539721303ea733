#pragma once
// Small edits of a fixture's text for the damaged variants of the reader
// tests: lines are numbered from 1, as the readers' messages number them.
#include <sstream>
#include <string>
#include <vector>

namespace tremblo::testing {

inline std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

inline std::string WithLine(const std::string& text, int lineNumber, const std::string& line) {
    std::vector<std::string> lines = TextLines(text);
    lines.at(static_cast<std::size_t>(lineNumber - 1)) = line;
    return JoinLines(lines);
}

inline std::string FirstLines(const std::string& text, int count) {
    std::vector<std::string> lines = TextLines(text);
    lines.resize(static_cast<std::size_t>(count));
    return JoinLines(lines);
}

inline std::string LineOf(const std::string& text, int lineNumber) {
    return TextLines(text).at(static_cast<std::size_t>(lineNumber - 1));
}

}  // namespace tremblo::testing
