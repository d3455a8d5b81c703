#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the window goes on the screen.

// Centred on the screen, dividing as integers toward zero; negative when the
// window is larger than the screen.
QPoint CentredTopLeft(QSize frame, QRect screen);

// Moves a window whose top left would be at topLeft so that its title bar lies
// on the available area, where the user can reach it to move the window:
// never above or left of the area, and at least a grip's width inside its
// right and bottom edges.
QPoint KeepTitleBarOnScreen(QPoint topLeft, QRect available);

// Whether enough of the title bar of a window at frame lies on one of the
// screens' available areas to take hold of it.
bool TitleBarShown(QRect frame, const QList<QRect>& screens);
