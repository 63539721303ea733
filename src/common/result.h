#pragma once
// A value or the reason it could not be produced. Readers return this so that
// a failed read never leaves half-filled state behind.
#include <string>
#include <utility>
#include <variant>

namespace tremblo {

struct ReadError {
    ReadError(int line, std::string message, std::string caption = {})
        : line(line), message(std::move(message)), caption(std::move(caption)) {}

    int line = 0;         // 1-based line of the input where reading failed; 0 = whole file
    std::string message;  // in the program's words (UTF-8), ready for a message box
    std::string caption;  // a caption of its own, or "" for the reader's usual one
};

template <typename T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}        // NOLINT: implicit on purpose
    Result(ReadError error) : state_(std::move(error)) {}  // NOLINT: implicit on purpose

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    const ReadError& error() const { return std::get<ReadError>(state_); }

private:
    std::variant<T, ReadError> state_;
};

}  // namespace tremblo
