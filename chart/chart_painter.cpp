#include "chart/chart_painter.h"

#include "chart/pixel_rules.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPoint>

namespace {

constexpr int LabelPixelSize = 9;

QColor Colour(TRgb rgb)
{
    return QColor(rgb.R, rgb.G, rgb.B);
}

QRect Covered(const TChartPrimitive& item)
{
    const TSpan xs = CoveredSpan(item.X1, item.X2);
    const TSpan ys = CoveredSpan(item.Y1, item.Y2);
    return QRect(xs.First, ys.First, xs.Length(), ys.Length());
}

void PaintRect(QPainter& painter, const TChartPrimitive& item)
{
    const QRect all = Covered(item);
    if (all.isEmpty())
        return;
    painter.fillRect(all, Colour(item.Pen));
    painter.fillRect(all.adjusted(1, 1, -1, -1), Colour(item.Brush));
}

// The outline leaves out the four corner pixels.
void PaintRoundRect(QPainter& painter, const TChartPrimitive& item)
{
    const QRect all = Covered(item);
    if (all.isEmpty())
        return;
    const QColor pen = Colour(item.Pen);
    const QRect inner = all.adjusted(1, 1, -1, -1);
    painter.fillRect(QRect(inner.left(), all.top(), inner.width(), 1), pen);
    painter.fillRect(QRect(inner.left(), all.bottom(), inner.width(), 1), pen);
    painter.fillRect(QRect(all.left(), inner.top(), 1, inner.height()), pen);
    painter.fillRect(QRect(all.right(), inner.top(), 1, inner.height()), pen);
    painter.fillRect(inner, Colour(item.Brush));
}

void PaintLine(QPainter& painter, const TChartPrimitive& item)
{
    const bool vertical = item.X1 == item.X2;
    const bool horizontal = item.Y1 == item.Y2;
    if (vertical && horizontal)
        return; // only the end pixel, which is left out
    // Straight lines follow the rectangle rule; a strip is cheaper than points.
    if (vertical || horizontal) {
        const TSpan xs = vertical ? TSpan{item.X1, item.X1} : CoveredSpan(item.X1, item.X2);
        const TSpan ys = horizontal ? TSpan{item.Y1, item.Y1} : CoveredSpan(item.Y1, item.Y2);
        painter.fillRect(QRect(xs.First, ys.First, xs.Length(), ys.Length()), Colour(item.Pen));
        return;
    }
    QPolygon points;
    for (const TChartPixel& pixel : LinePixels(item.X1, item.Y1, item.X2, item.Y2))
        points << QPoint(pixel.X, pixel.Y);
    painter.setPen(QPen(Colour(item.Pen), 1));
    painter.drawPoints(points);
}

void PaintText(QPainter& painter, const TChartPrimitive& item)
{
    const QString text = QString::fromStdString(item.Text);
    const QFontMetrics metrics(painter.font());
    painter.fillRect(QRect(item.X1, item.Y1, metrics.horizontalAdvance(text), metrics.height()),
                     Colour(item.Brush));
    painter.setPen(Colour(item.Pen));
    painter.drawText(item.X1, item.Y1 + metrics.ascent(), text);
}

} // namespace

void PaintChart(QImage& picture, const std::vector<TChartPrimitive>& primitives, const QFont& font)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    for (const TChartPrimitive& item : primitives) {
        switch (item.Kind) {
        case TPrimitiveKind::Rect:
            PaintRect(painter, item);
            break;
        case TPrimitiveKind::RoundRect:
            PaintRoundRect(painter, item);
            break;
        case TPrimitiveKind::Line:
            PaintLine(painter, item);
            break;
        case TPrimitiveKind::Text:
            PaintText(painter, item);
            break;
        }
    }
}

QFont ChartLabelFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(LabelPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
