#include "painter/bitmap_file.h"

#include <vector>

#include "core/user_error.h"
#include "painter/bmp_header.h"
#include "resources/texts.h"
#include "ui/wide_text.h"

namespace lume {

namespace {

[[noreturn]] void CannotOpen(const std::string& path)
{
    std::string message = texts::CannotOpenFileFormat;
    message.replace(message.find("%s"), 2, path);
    throw UserError(message);
}

bool ReadAt(HANDLE file, uint64_t offset, void* into, DWORD bytes)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ReadFile(file, into, bytes, &read, nullptr) &&
           read == bytes;
}

} // namespace

SurfaceBitmap ReadBitmapFile(const std::string& path)
{
    // The path is cp932 text, as the options file holds it, on every system.
    HANDLE opened = CreateFileW(ui::Widened(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        CannotOpen(path);
    ui::KernelHandle file(opened);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        CannotOpen(path);
    const uint64_t fileSize = static_cast<uint64_t>(size.QuadPart);

    std::vector<uint8_t> head(static_cast<size_t>(std::min<uint64_t>(fileSize, BmpHeadBytes)));
    if (!head.empty() && !ReadAt(file.get(), 0, head.data(), static_cast<DWORD>(head.size())))
        throw UserError(texts::StreamReadError);
    const BmpCheck check = CheckBmpHeader(head.data(), head.size(), fileSize);
    switch (check.verdict) {
    case BmpVerdict::Empty:
        return {};
    case BmpVerdict::Invalid:
        throw UserError(texts::InvalidBitmap);
    case BmpVerdict::CutShort:
        throw UserError(texts::StreamReadError);
    case BmpVerdict::Valid:
        break;
    }

    // Headers and palette as they are in the file, then the declared pixels.
    const BmpLayout& layout = check.layout;
    std::vector<uint8_t> pixels(static_cast<size_t>(layout.pixelBytes));
    if (!ReadAt(file.get(), layout.pixelOffset, pixels.data(), static_cast<DWORD>(pixels.size())))
        throw UserError(texts::StreamReadError);

    const int32_t rows = layout.height < 0 ? -layout.height : layout.height;
    SurfaceBitmap bitmap = NewSurfaceBitmap(layout.width, rows);
    ui::MemoryDc memory(bitmap.bitmap.get());
    if (!memory.get())
        throw UserError(texts::InvalidBitmap);
    int copied = StretchDIBits(memory.get(), 0, 0, layout.width, rows, 0, 0, layout.width, rows, pixels.data(),
                               reinterpret_cast<const BITMAPINFO*>(head.data() + 14), DIB_RGB_COLORS, SRCCOPY);
    if (copied == 0)
        throw UserError(texts::InvalidBitmap);
    return bitmap;
}

} // namespace lume
