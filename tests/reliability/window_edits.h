#pragma once

#include "app/hlav.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <random>

// Edits made the way a user makes them, for the long runs of this folder.

// Types a new advance, a few degrees off, into a curve point in use and
// confirms it with Enter.
inline void EditAdvance(TFormHlav& form, std::mt19937& random)
{
    const int points = std::max(1, static_cast<int>(form.Image()[ImageByte::PointCount]));
    const int point = std::uniform_int_distribution<int>(0, points - 1)(random);
    const int step = std::uniform_int_distribution<int>(-5, 5)(random);
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("EditAdvance%1").arg(point + 1));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(std::max(0, form.Image().Advance(point) + step)));
    QTest::keyClick(edit, Qt::Key_Return);
}

// Ticks as the window's timer would run them, without waiting for it.
inline void RunTicks(TFormHlav& form, int ticks)
{
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}
