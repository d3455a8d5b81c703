#include "app/window_place.h"

#include <algorithm>

namespace {
// Enough of the title bar to take hold of.
constexpr int GripPixels = 100;
} // namespace

QPoint CentredTopLeft(QSize frame, QRect screen)
{
    return {(screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2};
}

QPoint KeepTitleBarOnScreen(QPoint topLeft, QRect available)
{
    const int left =
        std::max(available.left(), std::min(topLeft.x(), available.right() - GripPixels));
    const int top =
        std::max(available.top(), std::min(topLeft.y(), available.bottom() - GripPixels));
    return {left, top};
}
