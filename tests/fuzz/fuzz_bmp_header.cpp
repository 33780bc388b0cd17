// The BMP header checks on any bytes: whatever they accept, the file holds.
#include <algorithm>

#include "look/bmp_header.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lume;
    const BmpCheck check = CheckBmpHeader(data, std::min(size, BmpHeadBytes), size);
    if (check.verdict == BmpVerdict::Valid) {
        const BmpLayout& l = check.layout;
        const uint64_t rows = l.height < 0 ? -static_cast<int64_t>(l.height) : l.height;
        fuzz::Require(l.width > 0 && rows > 0);
        fuzz::Require(uint64_t(l.width) * rows * 4 <= MaxBitmapPixelBytes);
        fuzz::Require(uint64_t(l.pixelOffset) + l.pixelBytes <= size);
        fuzz::Require(l.headerSize == 12 || l.headerSize == 40);
    }
    fuzz::Require((check.verdict == BmpVerdict::Empty) == (size == 0));
    return 0;
}
