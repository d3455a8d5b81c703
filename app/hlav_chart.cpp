// The advance chart's mouse; dragging points comes with the chart.
#include "app/hlav.h"

void TFormHlav::GrafAdvMouseDown(Qt::MouseButton, int, int) {}
void TFormHlav::GrafAdvMouseMove(int, int) {}
void TFormHlav::GrafAdvMouseUp(Qt::MouseButton, int, int) {}
void TFormHlav::GrafAdvMouseLeave() {}
