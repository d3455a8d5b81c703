#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code so they scale with nothing and
// need no files.

enum class TToolGlyph { New, Open, Save, Print, Undo, Redo };

constexpr int GlyphSize = 16;
constexpr int IconSize = 32;
constexpr int LogoWidth = 600;
constexpr int LogoHeight = 107;

// A tool-bar glyph, normal or in the greyed look of a disabled button.
QPixmap ToolGlyph(TToolGlyph glyph, bool disabled);
// Both states, for a tool-bar button.
QIcon ToolIcon(TToolGlyph glyph);
QPixmap WindowIconPixmap();
// The program's logo on a transparent background.
QPixmap LogoPixmap();
