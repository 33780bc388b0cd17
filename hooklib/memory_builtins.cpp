// The two memory routines the compiler may call for copies and clears of
// plain structures. The library links no C runtime, so it brings its own;
// written so that the compiler cannot turn them back into calls to themselves.
#include <cstddef>

extern "C" void* memset(void* destination, int value, size_t count)
{
    auto* bytes = static_cast<volatile unsigned char*>(destination);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(value);
    return destination;
}

extern "C" void* memcpy(void* destination, const void* source, size_t count)
{
    auto* to = static_cast<volatile unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    for (size_t i = 0; i < count; ++i)
        to[i] = from[i];
    return destination;
}
