#include "app/window_place.h"

#include <algorithm>

namespace {
// Enough of the title bar to take hold of.
constexpr int GripPixels = 100;
constexpr int TitleBarPixels = 20;
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

bool TitleBarShown(QRect frame, const QList<QRect>& screens)
{
    const QRect titleBar(frame.left(), frame.top(), frame.width(), TitleBarPixels);
    const int wanted = std::min(GripPixels, frame.width());
    for (const QRect& screen : screens) {
        const QRect shown = titleBar.intersected(screen);
        if (shown.width() >= wanted && shown.height() > 0)
            return true;
    }
    return false;
}
