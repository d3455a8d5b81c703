#pragma once

#include "app/hlav.h"
#include "app/null_port.h"

#include <QApplication>
#include <map>
#include <string>

// The main window with every command handler counting its calls instead of
// acting, so a test can see which handler an event reaches.
class TCountingForm : public TFormHlav {
public:
    TCountingForm() : TFormHlav(std::make_unique<TNullPort>()) {}

    std::map<std::string, int> Calls;
    int operator[](const std::string& handler) const
    {
        const auto found = Calls.find(handler);
        return found == Calls.end() ? 0 : found->second;
    }

    void BitBtnAdvMinusClick() override { ++Calls["BitBtnAdvMinusClick"]; }
    void BitBtnAdvPlusClick() override { ++Calls["BitBtnAdvPlusClick"]; }
    void SpeedButtonZpetClick() override { ++Calls["SpeedButtonZpetClick"]; }
    void SpeedButtonZnovuClick() override { ++Calls["SpeedButtonZnovuClick"]; }
    void MenuNewClick() override { ++Calls["MenuNewClick"]; }
    void MenuOpenClick() override { ++Calls["MenuOpenClick"]; }
    void MenuSaveClick() override { ++Calls["MenuSaveClick"]; }
    void SpeedButtonPrintClick() override { ++Calls["SpeedButtonPrintClick"]; }
    void MenuReadClick() override { ++Calls["MenuReadClick"]; }
    void MenuVerifyClick() override { ++Calls["MenuVerifyClick"]; }
    void MenuProgramClick() override { ++Calls["MenuProgramClick"]; }
    void MenuContensClick() override { ++Calls["MenuContensClick"]; }
    void MenuAboutClick() override { ++Calls["MenuAboutClick"]; }
    void MenuExitClick() override { ++Calls["MenuExitClick"]; }
    void EditExit(QObject*) override { ++Calls["EditExit"]; }
    void UpDownClick(QObject*) override { ++Calls["UpDownClick"]; }
    void CheckBoxProgHnedMouseUp(QObject*) override { ++Calls["CheckBoxProgHnedMouseUp"]; }
    void RadioGroupPolaritaClick() override { ++Calls["RadioGroupPolaritaClick"]; }
    void RadioGroupInput2Click() override { ++Calls["RadioGroupInput2Click"]; }
    void GrafAdvMouseDown(Qt::MouseButton, int, int) override { ++Calls["GrafAdvMouseDown"]; }
    void GrafAdvMouseUp(Qt::MouseButton, int, int) override { ++Calls["GrafAdvMouseUp"]; }
};

// Shows the window and makes it the active one, so its shortcuts and focus work.
inline void Activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
}
