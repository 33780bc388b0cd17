// A list of at most N values held in place: what the runtime-free code uses
// where the program would use a vector, so that no call allocates.
#pragma once
#include <cstddef>
#include <initializer_list>

namespace lume {

template <class T, size_t N>
class FixedList {
public:
    constexpr FixedList() = default;
    constexpr FixedList(std::initializer_list<T> values) noexcept
    {
        for (const T& value : values)
            push_back(value);
    }

    // Beyond N values, further ones are dropped: callers size N for the most they add.
    constexpr void push_back(const T& value) noexcept
    {
        if (count_ < N)
            items_[count_++] = value;
    }
    constexpr size_t size() const noexcept { return count_; }
    constexpr bool empty() const noexcept { return count_ == 0; }
    constexpr const T& operator[](size_t i) const noexcept { return items_[i]; }
    constexpr const T& back() const noexcept { return items_[count_ - 1]; }
    constexpr const T* begin() const noexcept { return items_; }
    constexpr const T* end() const noexcept { return items_ + count_; }

    // Equal to any list of the same values in the same order.
    template <class List>
    constexpr bool operator==(const List& other) const noexcept
    {
        if (other.size() != count_)
            return false;
        size_t i = 0;
        for (const auto& value : other)
            if (!(items_[i++] == value))
                return false;
        return true;
    }

private:
    T items_[N]{};
    size_t count_ = 0;
};

} // namespace lume
