// Reading a texture file: headers checked by the program, pixels decoded by GDI.
#pragma once
#include <optional>
#include <string>

#include "look/surfaces.h"

namespace lume {

// A zero-byte file gives an empty bitmap. Raises UserError with
// "ﾌｧｲﾙ <path> は開けません", "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です" or
// "ｽﾄﾘｰﾑからの読み込みｴﾗｰ".
SurfaceBitmap ReadBitmapFile(const std::string& path);
// The same without raising: nothing, and the message in `error`.
std::optional<SurfaceBitmap> TryReadBitmapFile(const std::string& path, std::string& error);

} // namespace lume
