#include "common/descriptor_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ios>

namespace tremblo {

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;
}  // namespace

DescriptorBuffer::DescriptorBuffer(int fd, std::string leading) : fd_(fd), leading_(std::move(leading)) {}

DescriptorBuffer::~DescriptorBuffer() {
    if (fd_ >= 0) ::close(fd_);
}

DescriptorBuffer::int_type DescriptorBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (!leadingGiven_) {
        leadingGiven_ = true;
        if (!leading_.empty()) {
            setg(leading_.data(), leading_.data(), leading_.data() + leading_.size());
            return traits_type::to_int_type(*gptr());
        }
    }
    if (fd_ < 0) return traits_type::eof();
    buffer_.resize(kBufferBytes);
    ssize_t n = 0;
    do {
        n = ::read(fd_, buffer_.data(), buffer_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) throw std::ios_base::failure(std::strerror(errno));
    if (n == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
    return traits_type::to_int_type(*gptr());
}

DescriptorStream::DescriptorStream(int fd, std::string leading)
    : std::istream(nullptr), buffer_(fd, std::move(leading)) {
    rdbuf(&buffer_);
}

}  // namespace tremblo
