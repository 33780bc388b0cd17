#include "ui/canvas.h"

namespace lume::ui {

Canvas::~Canvas()
{
    // The DC's own objects go back before ours are deleted.
    if (originalPen_)
        SelectObject(dc_, originalPen_);
    if (originalFont_)
        SelectObject(dc_, originalFont_);
}

bool Canvas::setPen(COLORREF color)
{
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    if (!pen)
        return false;
    HGDIOBJ previous = SelectObject(dc_, pen.get());
    if (!originalPen_)
        originalPen_ = previous;
    pen_ = std::move(pen);  // the pen it replaces is no longer selected
    return true;
}

void Canvas::selectFont(HFONT font)
{
    HGDIOBJ previous = SelectObject(dc_, font);
    if (!originalFont_)
        originalFont_ = previous;
}

void Canvas::line(Point from, Point to)
{
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

} // namespace lume::ui
