#pragma once
// An input stream reading a file descriptor it owns (closed with the
// stream), for files opened with the system's open() rather than by name.
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace tremblo {

// Reads through a buffer of its own; `leading` holds bytes already taken
// from the descriptor, given out first. A failing read throws
// std::ios_base::failure as libstdc++'s file buffer does, so that readers
// see the failure, not a short file.
class DescriptorBuffer : public std::streambuf {
public:
    DescriptorBuffer(int fd, std::string leading);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

protected:
    int_type underflow() override;

private:
    int fd_;
    std::string leading_;
    bool leadingGiven_ = false;
    std::vector<char> buffer_;
};

class DescriptorStream : public std::istream {
public:
    DescriptorStream(int fd, std::string leading = {});

private:
    DescriptorBuffer buffer_;
};

}  // namespace tremblo
