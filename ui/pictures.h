#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code so they need no files. Those
// taking a device pixel ratio are drawn at it, sharp on a high-density
// screen, and keep their logical size.

enum class TToolGlyph { New, Open, Save, Print, Undo, Redo };

constexpr int GlyphSize = 16;
constexpr int IconSize = 32;
constexpr int LogoWidth = 600;
constexpr int LogoHeight = 107;

// A tool-bar glyph, normal or in the greyed look of a disabled button.
QPixmap ToolGlyph(TToolGlyph glyph, bool disabled, qreal pixelRatio = 1.0);
// Both states at 1x and 2x, for a tool-bar button.
QIcon ToolIcon(TToolGlyph glyph);
QPixmap WindowIconPixmap();
// The program's logo on a transparent background.
QPixmap LogoPixmap(qreal pixelRatio = 1.0);
