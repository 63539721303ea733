#pragma once
// Bytes without end and without a line end, counting what was taken: input
// that never ends, for readers that must stop on their own.
#include <cstddef>
#include <streambuf>

namespace tremblo::testing {

class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(char fill = 'x') {
        for (char& c : chunk_) c = fill;
    }
    std::size_t taken() const { return taken_; }

protected:
    // Ends after 16 MiB, so that a reader that would read on fails the
    // test instead of hanging it.
    int_type underflow() override {
        if (taken_ >= (16u << 20)) return traits_type::eof();
        taken_ += sizeof chunk_;
        setg(chunk_, chunk_, chunk_ + sizeof chunk_);
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    char chunk_[512];
    std::size_t taken_ = 0;
};

}  // namespace tremblo::testing
