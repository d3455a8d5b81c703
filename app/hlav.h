#pragma once

#include "app/hlav_controls.h"
#include "link/link_machine.h"
#include "params/param_image.h"
#include "texts/caption_table.h"
#include "texts/message_table.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

class THintRouter;
class QActionGroup;

// The main window. It owns the state of the run and wires events to the
// core; the rules live in params/, link/ and the text tables. Its controls
// are the public members of THlavControls, named as the window names them.
//
// The event handlers are virtual only so that tests can see which handler an
// event reaches; nothing in the program overrides them.
class TFormHlav : public QMainWindow, public THlavControls {
    Q_OBJECT
public:
    explicit TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent = nullptr);
    ~TFormHlav() override;

    TParamImage Image;
    TMessageTable MessageTable;
    TLinkMachine& Link() { return m_link; }
    std::array<QAction*, PortMenuEntries> PortMenuItems{};

    void Timer1Timer();

    // Texts of the current language (LanguageIndex).
    void FillMessageTable();
    void FillCaptionTable();
    // The control of that name, the window itself included; null when none.
    QObject* FindControl(const std::string& name);

    virtual void FormKeyPress(QObject* sender, char& key);
    virtual void EditExit(QObject* sender);
    virtual void UpDownClick(QObject* sender);
    virtual void CheckBoxProgHnedMouseUp(QObject* sender);
    virtual void RadioGroupPolaritaClick();
    virtual void RadioGroupInput2Click();
    virtual void BitBtnAdvMinusClick();
    virtual void BitBtnAdvPlusClick();
    virtual void SpeedButtonZpetClick();
    virtual void SpeedButtonZnovuClick();
    virtual void MenuNewClick();
    virtual void MenuOpenClick();
    virtual void MenuSaveClick();
    virtual void SpeedButtonPrintClick();
    virtual void MenuReadClick();
    virtual void MenuVerifyClick();
    virtual void MenuProgramClick();
    virtual void MenuCom1Click(QObject* sender);
    virtual void MenuEnglishClick();
    virtual void MenuGermanClick();
    virtual void MenuFrenchClick();
    virtual void MenuCzechClick();
    virtual void MenuContensClick();
    virtual void MenuAboutClick();
    virtual void MenuExitClick();
    virtual void GrafAdvMouseDown(Qt::MouseButton button, int x, int y);
    virtual void GrafAdvMouseMove(int x, int y);
    virtual void GrafAdvMouseUp(Qt::MouseButton button, int x, int y);
    virtual void GrafAdvMouseLeave();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Construction, by region (hlav_layout*.cpp, hlav_menu.cpp).
    void BuildControls();
    void BuildToolBar(QWidget* client);
    void BuildCurveEditor(QWidget* client);
    void BuildCurveRows();
    void BuildOptions(QWidget* client);
    void BuildLiveDisplay(QWidget* client);
    void BuildStatusLabels(QWidget* client);
    void BuildHiddenControls(QWidget* client);
    void BuildHiddenGroups(QWidget* client);
    void BuildMenu();
    void BuildFileMenu();
    void BuildToolsMenus();
    void BuildLanguageMenu();
    void BuildDialogs();
    void ApplyFormTexts();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectEditor();
    void GrafAdvEvent(QEvent* event);
    bool IsMenuShortcut(const QKeyEvent& event) const;
    void MarkTooltips();

    void FormCreate();
    void FormClose();
    void BuildControlArrays();
    void BuildPortMenu();
    void ShowPortChoice();
    void ShowPortName();
    void ShowLinkMessage(const std::string& text);
    void ShowMonitorDisplay();
    // What reading a missing settings file leaves: "Com Auto" from COM1.
    void LoadSettings();
    void CentreWindow();
    // The image's normalisation plus the settings range checks.
    void NormaliseImage();
    void ShowLinkDisplay();
    void ApplyTexts(const std::vector<TControlText>& texts);
    void SetLanguage(std::uint8_t language);

    std::unique_ptr<ILinkPort> m_port;
    TLinkMachine m_link;
    unsigned m_shownMonitorGeneration = 0;
    THintRouter* m_hints = nullptr;
    QActionGroup* m_languages = nullptr;
};

// The program's arguments without the program's own name.
std::vector<std::string> ProgramArguments();
