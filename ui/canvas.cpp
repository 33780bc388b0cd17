#include "ui/canvas.h"

namespace lume::ui {

Canvas::~Canvas()
{
    if (originalFont_)
        SelectObject(dc_, originalFont_);
}

void Canvas::selectFont(HFONT font)
{
    HGDIOBJ previous = SelectObject(dc_, font);
    if (!originalFont_)
        originalFont_ = previous;
}

} // namespace lume::ui
