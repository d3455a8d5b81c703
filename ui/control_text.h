#pragma once

#include "texts/caption_table.h"

class QObject;

// Gives one text to one control of the window: a caption to a window title,
// menu, menu item, label, button or group; a hint; or a radio group's items,
// one a line. False when the control cannot take that kind of text.
bool ApplyControlText(QObject* target, TTextKind kind, const std::string& text);
