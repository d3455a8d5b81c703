// Editing the parameters: the handlers of the editing controls.
#include "app/hlav.h"

#include <QWidget>

// Enter walks the curve like Tab does.
void TFormHlav::FormKeyPress(QObject*, char& key)
{
    if (key != '\r')
        return;
    key = 0;
    focusNextChild();
}

// The binding of the controls to the image comes with the editor.
void TFormHlav::EditExit(QObject*) {}
void TFormHlav::UpDownClick(QObject*) {}
void TFormHlav::CheckBoxProgHnedMouseUp(QObject*) {}
void TFormHlav::RadioGroupPolaritaClick() {}
void TFormHlav::RadioGroupInput2Click() {}
void TFormHlav::BitBtnAdvMinusClick() {}
void TFormHlav::BitBtnAdvPlusClick() {}
void TFormHlav::SpeedButtonZpetClick() {}
void TFormHlav::SpeedButtonZnovuClick() {}
