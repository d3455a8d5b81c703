#include "ui/widget_paint.h"

#include "ui/label.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>

QColor ToQColor(TColour colour)
{
    switch (colour) {
    case TColour::Red: return QColor(255, 0, 0);
    case TColour::Yellow: return QColor(255, 255, 0);
    case TColour::Aqua: return QColor(0, 255, 255);
    case TColour::Fuchsia: return QColor(255, 0, 255);
    case TColour::Lime: return QColor(0, 255, 0);
    case TColour::White: return QColor(255, 255, 255);
    case TColour::ButtonFace: break;
    }
    return QApplication::palette().color(QPalette::Button);
}

void SetBackground(QWidget* widget, TColour colour)
{
    const QColor wanted = ToQColor(colour);
    const QPalette::ColorRole role = widget->backgroundRole();
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == wanted &&
        widget->palette().color(role) == wanted)
        return; // repainting every tick for nothing would cost more than the tick
    // A label fills with the Window colour, a check box with its Button one.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, wanted);
    palette.setColor(role, wanted);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void ClearBackground(QWidget* widget)
{
    if (!widget->autoFillBackground())
        return;
    widget->setAutoFillBackground(false);
    widget->setPalette(QPalette()); // the colours of whatever it sits on again
}

void ShowLabel(QLabel* label, const TLabelModel& model)
{
    const QString text = QString::fromStdString(model.Text);
    if (label->text() != text)
        SetCaption(label, text);
    SetBackground(label, model.Background);
    label->setVisible(model.Visible);
}

void ShowGauge(QProgressBar* gauge, const TGaugeModel& model)
{
    gauge->setValue(model.Progress);
    gauge->setVisible(model.Visible);
}

void SetGreyed(QWidget* widget, bool greyed)
{
    const QColor wanted = QApplication::palette().color(
        greyed ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
    if (widget->palette().color(QPalette::WindowText) == wanted)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}
