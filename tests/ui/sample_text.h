#pragma once

#include <QFontMetrics>
#include <QStringList>

// Texts made to a width, for checking that captions fit their controls
// without copying the program's own texts.

// A text as wide as width in font, give or take a letter.
inline QString TextOfWidth(const QFont& font, int width)
{
    QString text;
    while (QFontMetrics(font).horizontalAdvance(text) < width)
        text += QChar(char16_t(u'a' + text.size() % 26));
    return text;
}

// Texts from half of the room up to three times it.
inline QStringList TextsAround(const QFont& font, int room)
{
    QStringList texts;
    for (const double factor : {0.5, 0.95, 1.1, 1.5, 2.0, 3.0})
        texts << TextOfWidth(font, int(factor * room));
    return texts;
}
