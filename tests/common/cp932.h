// UTF-8 text as cp932 bytes, through iconv, for comparing the system's texts.
#pragma once
#include <iconv.h>

#include <string>

namespace lume::test {

inline std::string ToCp932(const std::string& utf8)
{
    iconv_t convert = iconv_open("CP932", "UTF-8");
    std::string in = utf8, out(utf8.size() * 2 + 16, '\0');
    char* source = in.data();
    char* target = out.data();
    size_t left = in.size(), room = out.size();
    size_t done = iconv(convert, &source, &left, &target, &room);
    iconv_close(convert);
    if (done == static_cast<size_t>(-1))
        return "(not convertible)";
    out.resize(out.size() - room);
    return out;
}

} // namespace lume::test
