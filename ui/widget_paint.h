#pragma once

#include "texts/display_model.h"

#include <QColor>

class QLabel;
class QProgressBar;
class QWidget;

QColor ToQColor(TColour colour);

// Copies what the core decided onto a widget.
void ShowLabel(QLabel* label, const TLabelModel& model);
void ShowGauge(QProgressBar* gauge, const TGaugeModel& model);
void SetBackground(QWidget* widget, TColour colour);
// No background of its own: the face of whatever the widget sits on.
void ClearBackground(QWidget* widget);
// Text in the faint colour of a disabled control, or in the normal one again.
void SetGreyed(QWidget* widget, bool greyed);
