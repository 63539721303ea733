#include "record/fixed_columns.h"

#include "record/agency_channel.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/format.h"
#include "common/translation.h"
#include "record/record_lines.h"
#include "record/seismic_record.h"

namespace tremblo {

namespace {

constexpr const char* kBadValue = QT_TRANSLATE_NOOP("record", "%sのデータの値「%s」が数値になっていません");
constexpr const char* kTooFewValues =
    QT_TRANSLATE_NOOP("record", "%sのデータは %d 個と書かれていますが、%d 個しかありません");
constexpr const char* kTooManyValues =
    QT_TRANSLATE_NOOP("record", "%sのデータは %d 個と書かれていますが、それより多くあります");
constexpr const char* kNullValue = QT_TRANSLATE_NOOP("record", "%sのデータに欠測値「%s」があります");
constexpr const char* kLineCut =
    QT_TRANSLATE_NOOP("record", "行が値の途中で終わっています（ファイルが途中で切れています）");
constexpr const char* kBadHeaderValue = QT_TRANSLATE_NOOP("record", "%sの値「%s」が数値になっていません");

// Any value this large is a null marker, never a sample.
constexpr double NULL_MAGNITUDE = 1e30;
// Longest real field the conversion takes.
constexpr std::size_t MAX_REAL_CHARS = 64;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view FieldText(std::string_view line, std::size_t column, std::size_t width) {
    if (column >= line.size()) return {};
    return line.substr(column, width);
}

// Converts Fortran's exponent forms ("1.5D+02", "1.5+102") to the one
// from_chars reads; false when the text cannot be a real number at all.
bool NormaliseReal(std::string_view text, char* buffer, std::size_t& length) {
    if (text.size() >= MAX_REAL_CHARS - 2) return false;
    length = 0;
    bool exponent = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == 'D' || c == 'd' || c == 'E' || c == 'e') {
            if (exponent) return false;
            exponent = true;
            c = 'e';
        } else if ((c == '+' || c == '-') && i > 0 && !exponent) {
            if (!IsDigit(text[i - 1]) && text[i - 1] != '.') return false;
            exponent = true;
            buffer[length++] = 'e';
        } else if (!IsDigit(c) && c != '.' && c != '+' && c != '-') {
            return false;
        }
        buffer[length++] = c;
    }
    return true;
}

std::string Shown(std::string_view field) { return std::string(Trim(field)); }

// Whether fields 2 to `fields` of a line hold any number: a line of text
// ends the values ("End-of-data"), a line of numbers with a bad first field
// is garbage.
bool HoldsValues(std::string_view line, const FieldLayout& layout, int fields) {
    const auto width = static_cast<std::size_t>(layout.width);
    for (int k = 1; k < fields; ++k) {
        double value = 0.0;
        if (ReadRealField(line, width * static_cast<std::size_t>(k), width, value) == FieldKind::Value) return true;
    }
    return false;
}

}  // namespace

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

FieldKind ReadIntegerField(std::string_view line, std::size_t column, std::size_t width, long long& value) {
    const std::string_view text = Trim(FieldText(line, column, width));
    if (text.empty()) return FieldKind::Blank;
    std::size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 18) return FieldKind::Bad;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return FieldKind::Bad;
        magnitude = magnitude * 10 + (text[i] - '0');
    }
    value = text[0] == '-' ? -magnitude : magnitude;
    return FieldKind::Value;
}

FieldKind ReadRealText(std::string_view text, double& value) {
    text = Trim(text);
    if (text.empty()) return FieldKind::Blank;
    if (text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return FieldKind::Bad;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    char buffer[MAX_REAL_CHARS];
    bool plain = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c) || c == '.' || c == 'e' || c == 'E') continue;
        if ((c == '-' || c == '+') && (i == 0 || text[i - 1] == 'e' || text[i - 1] == 'E')) continue;
        plain = false;
        break;
    }
    if (!plain) {
        std::size_t length = 0;
        if (!NormaliseReal(text, buffer, length)) return FieldKind::Bad;
        first = buffer;
        last = buffer + length;
    }
    if (first < last && *first == '+') return FieldKind::Bad;  // "++1"
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last) return FieldKind::Bad;
    if (error == std::errc::result_out_of_range) {
        value = HUGE_VAL;  // beyond double: a null for the callers
        return FieldKind::Value;
    }
    return error == std::errc() ? FieldKind::Value : FieldKind::Bad;
}

FieldKind ReadRealField(std::string_view line, std::size_t column, std::size_t width, double& value) {
    return ReadRealText(FieldText(line, column, width), value);
}

std::optional<FieldLayout> ParseFortranFormat(std::string_view format) {
    std::string text;
    for (const char c : format)
        if (c != ' ') text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    while (!text.empty() && text.front() == '(' && text.back() == ')') text = text.substr(1, text.size() - 2);
    std::size_t i = 0;
    auto number = [&](int fallback) {
        if (i >= text.size() || !IsDigit(text[i])) return fallback;
        int n = 0;
        while (i < text.size() && IsDigit(text[i]) && n < 100000) n = n * 10 + (text[i++] - '0');
        return n;
    };
    const int repeat = number(1);
    int skip = 0;
    bool group = false;
    if (i < text.size() && text[i] == '(') {  // "6(1X,F12.6)"
        group = true;
        ++i;
        const std::size_t mark = i;
        const int blanks = number(-1);
        if (blanks > 0 && i < text.size() && text[i] == 'X' && i + 1 < text.size() && text[i + 1] == ',') {
            skip = blanks;
            i += 2;
        } else {
            i = mark;
        }
    }
    if (i >= text.size()) return std::nullopt;
    const char descriptor = text[i++];
    if (descriptor != 'I' && descriptor != 'F' && descriptor != 'E' && descriptor != 'D' && descriptor != 'G')
        return std::nullopt;
    const int width = number(0);
    if (i < text.size() && text[i] == '.') {
        ++i;
        number(0);
    }
    if (group) {
        if (i >= text.size() || text[i] != ')') return std::nullopt;
        ++i;
    }
    if (i != text.size() || width <= 0 || repeat <= 0 || width + skip > 200 || repeat > 100) return std::nullopt;
    return FieldLayout{repeat, width + skip, descriptor == 'I'};
}

long long LinesForValues(long long count, const FieldLayout& layout) {
    if (count <= 0 || layout.perLine <= 0) return 0;
    return (count + layout.perLine - 1) / layout.perLine;
}

std::optional<ReadError> ReadValueBlock(FixedLineSource& source, const ValueBlock& block) {
    const FieldLayout& layout = block.layout;
    const std::string what = TrText("record", block.what);
    if (block.count > MAX_RECORD_SAMPLES) return ReadError{source.lineNumber(), TooManySamplesMessage()};
    if (block.out) {
        block.out->clear();
        block.out->reserve(static_cast<std::size_t>(std::min(block.count, 1 << 16)));
    }
    const std::size_t width = static_cast<std::size_t>(layout.width);
    int done = 0;
    while (done < block.count) {
        if (!source.Next()) {
            if (std::optional<ReadError> stop = source.failure()) return stop;
            return ReadError{source.lineNumber() + 1,
                             StringPrintf(TrText("record", kTooFewValues).c_str(), what.c_str(), block.count, done)};
        }
        const int onLine = std::min(layout.perLine, block.count - done);
        const std::string_view line = source.line();
        if (!block.out) {  // passed over: only the end of the block is checked
            done += onLine;
            if (done < block.count) continue;
            int present = 0;
            while (present < onLine && !Trim(FieldText(line, width * static_cast<std::size_t>(present), width)).empty())
                ++present;
            if (present < onLine)
                return ReadError{source.lineNumber(), StringPrintf(TrText("record", kTooFewValues).c_str(), what.c_str(),
                                                                   block.count, done - onLine + present)};
            if (line.size() < width * static_cast<std::size_t>(onLine))
                return ReadError{source.lineNumber(), TrText("record", kLineCut)};
        }
        for (int k = 0; block.out && k < onLine; ++k) {
            double value = 0.0;
            const std::size_t column = width * static_cast<std::size_t>(k);
            const FieldKind kind = ReadRealField(line, column, width, value);
            if (kind != FieldKind::Value) {
                if (kind == FieldKind::Blank || (k == 0 && !HoldsValues(line, layout, onLine)))
                    return ReadError{source.lineNumber(), StringPrintf(TrText("record", kTooFewValues).c_str(),
                                                                       what.c_str(), block.count, done)};
                return ReadError{source.lineNumber(),
                                 StringPrintf(TrText("record", kBadValue).c_str(), what.c_str(),
                                              Shown(FieldText(line, column, width)).c_str())};
            }
            if (line.size() < column + width)  // numbers fill their fields to the right: a shorter one was cut
                return ReadError{source.lineNumber(), TrText("record", kLineCut)};
            if (std::fabs(value) >= NULL_MAGNITUDE || (block.nullMarker && value == *block.nullMarker))
                return ReadError{source.lineNumber(),
                                 StringPrintf(TrText("record", kNullValue).c_str(), what.c_str(),
                                              Shown(FieldText(line, column, width)).c_str())};
            if (std::fabs(value * block.scale) > MAX_PLAUSIBLE_GAL)
                return ReadError{source.lineNumber(),
                                 ImplausibleSampleMessage(Trim(FieldText(line, column, width)), value * block.scale)};
            block.out->push_back(static_cast<float>(value * block.scale));
            ++done;
        }
        if (onLine < layout.perLine && !Trim(FieldText(line, width * static_cast<std::size_t>(onLine), std::string_view::npos)).empty())
            return ReadError{source.lineNumber(),
                             StringPrintf(TrText("record", kTooManyValues).c_str(), what.c_str(), block.count)};
    }
    return std::nullopt;
}

std::optional<double> HeaderNumbers::At(int index, std::optional<double> null) const {
    if (index < 1 || index > static_cast<int>(values.size()) || !stated[index - 1]) return std::nullopt;
    const double value = values[index - 1];
    if (null && value == *null) return std::nullopt;
    if (std::fabs(value) >= NULL_MAGNITUDE) return std::nullopt;
    return value;
}

std::optional<int> HeaderNumbers::IntAt(int index, std::optional<double> null) const {
    const std::optional<double> value = At(index, null);
    if (!value || !(*value >= -2147483647.0 && *value <= 2147483647.0)) return std::nullopt;
    return static_cast<int>(*value);
}

Result<HeaderNumbers> ReadHeaderNumbers(FixedLineSource& source, const FieldLayout& layout, int count,
                                        const char* what) {
    HeaderNumbers numbers;
    numbers.values.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0);
    numbers.stated.assign(numbers.values.size(), false);
    const std::size_t width = static_cast<std::size_t>(layout.width);
    int done = 0;
    while (done < count) {
        if (std::optional<ReadError> error = source.Require(what)) return *error;
        if (numbers.firstLine == 0) numbers.firstLine = source.lineNumber();
        const std::string_view line = source.line();
        const int onLine = std::min(layout.perLine, count - done);
        for (int k = 0; k < onLine; ++k, ++done) {
            const std::size_t column = width * static_cast<std::size_t>(k);
            FieldKind kind;
            double value = 0.0;
            if (layout.integers) {
                long long integer = 0;
                kind = ReadIntegerField(line, column, width, integer);
                value = static_cast<double>(integer);
            } else {
                kind = ReadRealField(line, column, width, value);
            }
            if (kind == FieldKind::Bad)
                return ReadError{source.lineNumber(),
                                 StringPrintf(TrText("record", kBadHeaderValue).c_str(), TrText("record", what).c_str(),
                                              Shown(FieldText(line, column, width)).c_str())};
            numbers.values[static_cast<std::size_t>(done)] = value;
            numbers.stated[static_cast<std::size_t>(done)] = kind == FieldKind::Value;
        }
    }
    return numbers;
}

}  // namespace tremblo
