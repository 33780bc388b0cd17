// Taking typed values from a fuzzer's bytes, zero once they run out.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace lume::fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <class T>
    T take()
    {
        T value{};
        size_t n = size_ < sizeof value ? size_ : sizeof value;
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    // A text of up to `limit` bytes, its length taken first.
    std::string text(size_t limit = 64)
    {
        size_t length = take<uint8_t>() % (limit + 1);
        length = length < size_ ? length : size_;
        std::string value(reinterpret_cast<const char*>(data_), length);
        data_ += length;
        size_ -= length;
        return value;
    }
    bool empty() const { return size_ == 0; }

private:
    const uint8_t* data_;
    size_t size_;
};

// A finding: the fuzzer reports the input that got here.
inline void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace lume::fuzz
