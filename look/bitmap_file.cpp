#include "look/bitmap_file.h"

#include <vector>

#include "core/user_error.h"
#include "look/bmp_header.h"
#include "resources/texts.h"
#include "ui/wide_text.h"

namespace lume {

namespace {

std::string CannotOpen(const std::string& path)
{
    std::string message = texts::CannotOpenFileFormat;
    message.replace(message.find("%s"), 2, path);
    return message;
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
    std::string error;
    std::optional<SurfaceBitmap> bitmap = TryReadBitmapFile(path, error);
    if (!bitmap)
        throw UserError(error);
    return std::move(*bitmap);
}

std::optional<SurfaceBitmap> TryReadBitmapFile(const std::string& path, std::string& error)
{
    auto failed = [&error](std::string message) {
        error = std::move(message);
        return std::nullopt;
    };
    // The path is cp932 text, as the options file holds it, on every system.
    HANDLE opened = CreateFileW(ui::Widened(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return failed(CannotOpen(path));
    ui::KernelHandle file(opened);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size))
        return failed(CannotOpen(path));
    const uint64_t fileSize = static_cast<uint64_t>(size.QuadPart);

    std::vector<uint8_t> head(static_cast<size_t>(std::min<uint64_t>(fileSize, BmpHeadBytes)));
    if (!head.empty() && !ReadAt(file.get(), 0, head.data(), static_cast<DWORD>(head.size())))
        return failed(texts::StreamReadError);
    const BmpCheck check = CheckBmpHeader(head.data(), head.size(), fileSize);
    switch (check.verdict) {
    case BmpVerdict::Empty:
        return SurfaceBitmap{};
    case BmpVerdict::Invalid:
        return failed(texts::InvalidBitmap);
    case BmpVerdict::CutShort:
        return failed(texts::StreamReadError);
    case BmpVerdict::Valid:
        break;
    }

    // Headers and palette as they are in the file, then the declared pixels.
    const BmpLayout& layout = check.layout;
    std::vector<uint8_t> pixels(static_cast<size_t>(layout.pixelBytes));
    if (!ReadAt(file.get(), layout.pixelOffset, pixels.data(), static_cast<DWORD>(pixels.size())))
        return failed(texts::StreamReadError);

    const int32_t rows = layout.height < 0 ? -layout.height : layout.height;
    SurfaceBitmap bitmap = NewSurfaceBitmap(layout.width, rows);
    ui::MemoryDc memory(bitmap.bitmap.get());
    if (!memory.get())
        return failed(texts::InvalidBitmap);
    int copied = StretchDIBits(memory.get(), 0, 0, layout.width, rows, 0, 0, layout.width, rows, pixels.data(),
                               reinterpret_cast<const BITMAPINFO*>(head.data() + 14), DIB_RGB_COLORS, SRCCOPY);
    if (copied == 0)
        return failed(texts::InvalidBitmap);
    return bitmap;
}

} // namespace lume
