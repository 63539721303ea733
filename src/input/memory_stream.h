#pragma once
// An input stream over bytes held elsewhere, without copying them.
#include <istream>
#include <streambuf>
#include <string_view>

namespace tremblo {

class MemoryStream : public std::istream {
public:
    explicit MemoryStream(std::string_view bytes) : std::istream(nullptr), buffer_(bytes) { rdbuf(&buffer_); }

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::string_view bytes) {
            char* begin = const_cast<char*>(bytes.data());  // only read: get area
            setg(begin, begin, begin + bytes.size());
        }
    };
    Buffer buffer_;
};

}  // namespace tremblo
