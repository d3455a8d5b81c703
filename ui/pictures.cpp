#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QtMath>

#include <algorithm>

namespace {
// The sixteen-colour palette the glyphs keep to.
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);
const QColor Olive(128, 128, 0);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

// A transparent pixmap of the given logical size; a painter on it draws in
// logical pixels.
QPixmap Blank(int width, int height, qreal pixelRatio = 1.0)
{
    QPixmap pixmap(qCeil(width * pixelRatio), qCeil(height * pixelRatio));
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawNew(QPainter& p)
{
    p.setPen(Black);
    p.setBrush(White);
    p.drawPolygon(
        QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
}

void DrawOpen(QPainter& p)
{
    p.setPen(Black);
    p.setBrush(Olive);
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(12, 4), QPoint(12, 13), QPoint(1, 13)}));
    p.setBrush(Yellow);
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(12, 13), QPoint(1, 13)}));
}

void DrawSave(QPainter& p)
{
    p.setPen(Black);
    p.setBrush(Navy);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(White);
    p.drawRect(3, 1, 9, 6);
    p.setBrush(Silver);
    p.drawRect(4, 9, 7, 5);
    p.fillRect(8, 10, 2, 3, Navy);
}

void DrawPrint(QPainter& p)
{
    p.setPen(Black);
    p.setBrush(White);
    p.drawRect(4, 1, 8, 6);
    p.setBrush(Silver);
    p.drawRect(1, 6, 14, 6);
    p.setBrush(White);
    p.drawRect(4, 10, 8, 5);
    p.fillRect(12, 8, 2, 1, Red);
}

void DrawArrow(QPainter& p)
{
    QPainterPath path;
    path.moveTo(13, 12);
    path.cubicTo(13, 4, 6, 3, 4, 7);
    QPen pen(Navy, 2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(7, 9), QPoint(1, 10)}));
}

void DrawGlyph(QPainter& p, TToolGlyph glyph)
{
    switch (glyph) {
    case TToolGlyph::New: DrawNew(p); break;
    case TToolGlyph::Open: DrawOpen(p); break;
    case TToolGlyph::Save: DrawSave(p); break;
    case TToolGlyph::Print: DrawPrint(p); break;
    case TToolGlyph::Undo: DrawArrow(p); break;
    case TToolGlyph::Redo:
        p.translate(GlyphSize, 0);
        p.scale(-1, 1);
        DrawArrow(p);
        break;
    }
}

// The engraved look of a disabled button: the glyph's dark lines in grey over
// a white copy shifted one (logical) pixel down and right; light fills vanish.
QPixmap Engraved(const QPixmap& normal)
{
    constexpr int DarkLine = 160;
    const qreal ratio = normal.devicePixelRatio();
    const int shift = std::max(1, qRound(ratio));
    const QImage shape = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage engraved(shape.size(), QImage::Format_ARGB32);
    engraved.fill(Qt::transparent);
    for (const auto& [offset, colour] : {std::pair{shift, White}, std::pair{0, Grey}})
        for (int y = 0; y + offset < shape.height(); ++y)
            for (int x = 0; x + offset < shape.width(); ++x)
                if (qAlpha(shape.pixel(x, y)) > 127 && qGray(shape.pixel(x, y)) < DarkLine)
                    engraved.setPixel(x + offset, y + offset, colour.rgb());
    QPixmap result = QPixmap::fromImage(engraved);
    result.setDevicePixelRatio(ratio);
    return result;
}
} // namespace

QPixmap ToolGlyph(TToolGlyph glyph, bool disabled, qreal pixelRatio)
{
    QPixmap normal = Blank(GlyphSize, GlyphSize, pixelRatio);
    {
        QPainter p(&normal);
        DrawGlyph(p, glyph);
    }
    return disabled ? Engraved(normal) : normal;
}

QIcon ToolIcon(TToolGlyph glyph)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(ToolGlyph(glyph, false, ratio), QIcon::Normal);
        icon.addPixmap(ToolGlyph(glyph, true, ratio), QIcon::Disabled);
    }
    return icon;
}

QPixmap WindowIconPixmap()
{
    QPixmap pixmap = Blank(IconSize, IconSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Black, 1));
    p.setBrush(Navy);
    p.drawEllipse(1, 1, 29, 29);
    // A spark: the thing the unit times.
    p.setBrush(Yellow);
    p.setPen(QPen(Red, 1));
    p.drawPolygon(QPolygon({QPoint(18, 3), QPoint(8, 18), QPoint(15, 18), QPoint(12, 29),
                            QPoint(24, 12), QPoint(17, 12), QPoint(21, 3)}));
    return pixmap;
}

QPixmap LogoPixmap(qreal pixelRatio)
{
    QPixmap pixmap = Blank(LogoWidth, LogoHeight, pixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // An advance curve rising and levelling off under the name.
    QPainterPath curve;
    curve.moveTo(60, 96);
    curve.cubicTo(150, 96, 200, 60, 300, 52);
    curve.lineTo(520, 50);
    p.setPen(QPen(Red, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);

    QFont font;
    font.setPixelSize(72);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    const QRect box(70, 0, 470, 90);
    p.setPen(Silver);
    p.drawText(box.translated(3, 3), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kolvane"));
    p.setPen(Navy);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kolvane"));

    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawPolygon(QPolygon({QPoint(520, 20), QPoint(498, 56), QPoint(512, 56), QPoint(504, 86),
                            QPoint(534, 44), QPoint(519, 44), QPoint(530, 20)}));
    p.setPen(QPen(Maroon, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygon({QPoint(520, 20), QPoint(498, 56), QPoint(512, 56), QPoint(504, 86),
                            QPoint(534, 44), QPoint(519, 44), QPoint(530, 20)}));
    return pixmap;
}
