// Handlers of commands that later parts of the program fill in. Each is
// already bound to its controls, menu items and shortcuts.
#include "app/hlav.h"

void TFormHlav::EditExit(QObject*) {}
void TFormHlav::UpDownClick(QObject*) {}
void TFormHlav::CheckBoxProgHnedMouseUp(QObject*) {}
void TFormHlav::RadioGroupPolaritaClick() {}
void TFormHlav::RadioGroupInput2Click() {}
void TFormHlav::BitBtnAdvMinusClick() {}
void TFormHlav::BitBtnAdvPlusClick() {}
void TFormHlav::SpeedButtonZpetClick() {}
void TFormHlav::SpeedButtonZnovuClick() {}
void TFormHlav::MenuNewClick() {}
void TFormHlav::MenuOpenClick() {}
void TFormHlav::MenuSaveClick() {}
void TFormHlav::SpeedButtonPrintClick() {}
void TFormHlav::MenuReadClick() {}
void TFormHlav::MenuVerifyClick() {}
void TFormHlav::MenuProgramClick() {}
void TFormHlav::MenuContensClick() {}
void TFormHlav::MenuAboutClick() {}
void TFormHlav::GrafAdvMouseDown(Qt::MouseButton, int, int) {}
void TFormHlav::GrafAdvMouseMove(int, int) {}
void TFormHlav::GrafAdvMouseUp(Qt::MouseButton, int, int) {}
void TFormHlav::GrafAdvMouseLeave() {}

void TFormHlav::MenuExitClick() { close(); }
