#pragma once

#include "params/param_image.h"

#include <array>

class QAction;
class QActionGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;
class TFileDialog;
class TRadioGroup;
class TUpDown;

// Every control of the main window under its own name. The window owns them
// through Qt's parent chain; these are plain pointers for the code that reads
// and writes them.
struct THlavControls {
    // Tool bar.
    QGroupBox* GroupBoxToolBar = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButtonPrint = nullptr;
    QToolButton* SpeedButtonZpet = nullptr;
    QToolButton* SpeedButtonZnovu = nullptr;
    QPushButton* ButtonRead = nullptr;
    QPushButton* ButtonVerify = nullptr;
    QPushButton* ButtonProgram = nullptr;

    QLabel* LabelSpojeni = nullptr;
    QLabel* GrafAdv = nullptr;
    QLabel* ImageLogo = nullptr;

    // Curve editor.
    QGroupBox* GroupBox6 = nullptr;
    QLineEdit *EditRpmAdv1 = nullptr, *EditRpmAdv2 = nullptr, *EditRpmAdv3 = nullptr,
              *EditRpmAdv4 = nullptr, *EditRpmAdv5 = nullptr, *EditRpmAdv6 = nullptr,
              *EditRpmAdv7 = nullptr, *EditRpmAdv8 = nullptr, *EditRpmAdv9 = nullptr,
              *EditRpmAdv10 = nullptr, *EditRpmAdv11 = nullptr, *EditRpmAdv12 = nullptr,
              *EditRpmAdv13 = nullptr, *EditRpmAdv14 = nullptr, *EditRpmAdv15 = nullptr;
    TUpDown *UpDownRpmAdv1 = nullptr, *UpDownRpmAdv2 = nullptr, *UpDownRpmAdv3 = nullptr,
            *UpDownRpmAdv4 = nullptr, *UpDownRpmAdv5 = nullptr, *UpDownRpmAdv6 = nullptr,
            *UpDownRpmAdv7 = nullptr, *UpDownRpmAdv8 = nullptr, *UpDownRpmAdv9 = nullptr,
            *UpDownRpmAdv10 = nullptr, *UpDownRpmAdv11 = nullptr, *UpDownRpmAdv12 = nullptr,
            *UpDownRpmAdv13 = nullptr, *UpDownRpmAdv14 = nullptr, *UpDownRpmAdv15 = nullptr;
    QLineEdit *EditAdvance1 = nullptr, *EditAdvance2 = nullptr, *EditAdvance3 = nullptr,
              *EditAdvance4 = nullptr, *EditAdvance5 = nullptr, *EditAdvance6 = nullptr,
              *EditAdvance7 = nullptr, *EditAdvance8 = nullptr, *EditAdvance9 = nullptr,
              *EditAdvance10 = nullptr, *EditAdvance11 = nullptr, *EditAdvance12 = nullptr,
              *EditAdvance13 = nullptr, *EditAdvance14 = nullptr, *EditAdvance15 = nullptr;
    TUpDown *UpDownAdvance1 = nullptr, *UpDownAdvance2 = nullptr, *UpDownAdvance3 = nullptr,
            *UpDownAdvance4 = nullptr, *UpDownAdvance5 = nullptr, *UpDownAdvance6 = nullptr,
            *UpDownAdvance7 = nullptr, *UpDownAdvance8 = nullptr, *UpDownAdvance9 = nullptr,
            *UpDownAdvance10 = nullptr, *UpDownAdvance11 = nullptr, *UpDownAdvance12 = nullptr,
            *UpDownAdvance13 = nullptr, *UpDownAdvance14 = nullptr, *UpDownAdvance15 = nullptr;
    QLabel *LabelRpm1 = nullptr, *LabelRpm2 = nullptr;
    QLabel *LabelAdvance1 = nullptr, *LabelAdvance2 = nullptr;
    QLabel* LabelPocetBodu = nullptr;
    QLineEdit* EditPocetBodu = nullptr;
    TUpDown* UpDownPocetBodu = nullptr;
    QLabel* LabelBaseAdv = nullptr;
    QLineEdit* EditBaseAdv = nullptr;
    TUpDown* UpDownBaseAdv = nullptr;
    QPushButton* BitBtnAdvMinus = nullptr;
    QPushButton* BitBtnAdvPlus = nullptr;
    QCheckBox* CheckBoxIgnAll = nullptr;

    // The curve's controls in point order, filled by FormCreate.
    std::array<QLineEdit*, CurvePoints> RpmEdits{};
    std::array<QLineEdit*, CurvePoints> AdvanceEdits{};
    std::array<TUpDown*, CurvePoints> RpmSpinners{};
    std::array<TUpDown*, CurvePoints> AdvanceSpinners{};

    TRadioGroup* RadioGroupPolarita = nullptr;

    // Limiter and options.
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* EditOmez2 = nullptr;
    TUpDown* UpDownOmez2 = nullptr;
    QLabel* LabelOmez2 = nullptr;
    QCheckBox* CheckBoxZakazCteni = nullptr;
    QCheckBox* CheckBoxProgHned = nullptr;

    // Live display.
    QLabel* LabelRpm = nullptr;
    QProgressBar* CGaugeRpm = nullptr;
    QLabel* LabelMon_Advance = nullptr;
    QLabel* LabelSnimac = nullptr;
    QLabel* LabelNapeti = nullptr;
    QLabel* LabelKillSwitch = nullptr;
    QLabel* LabelMonHardLimiter = nullptr;
    QLabel* LabelPolaritaMer = nullptr;
    QLabel* LabelCom = nullptr;

    // Transfer and file status.
    QLabel* LabelHlaseni = nullptr;
    QProgressBar* CGaugeProgram = nullptr;
    QLabel *LabelVerze1 = nullptr, *LabelVerze2 = nullptr, *LabelVerze3 = nullptr;
    QLabel* LabelPocetProgramovani = nullptr;
    QLabel *LabelFile1 = nullptr, *LabelFile2 = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelEeDataErr = nullptr;

    QLabel *LabelTest1 = nullptr, *LabelTest2 = nullptr, *LabelTest3 = nullptr,
           *LabelTest4 = nullptr, *LabelTest5 = nullptr, *LabelTest6 = nullptr,
           *LabelTest7 = nullptr, *LabelTest8 = nullptr;

    // Never shown: they hold values of the image and texts of the monitor.
    QLineEdit* EditOmez1 = nullptr;
    TUpDown* UpDownOmez1 = nullptr;
    QLabel* LabelOmez1 = nullptr;
    QLineEdit* EditRetard = nullptr;
    TUpDown* UpDownRetard = nullptr;
    QLabel* LabelRetard = nullptr;
    QLineEdit* EditClutch1 = nullptr;
    TUpDown* UpDownClutch1 = nullptr;
    QLabel* LabelClutch1 = nullptr;
    QLineEdit* EditClutch2 = nullptr;
    TUpDown* UpDownClutch2 = nullptr;
    QLabel* LabelClutch2 = nullptr;
    TRadioGroup* RadioGroupInput1 = nullptr;
    TRadioGroup* RadioGroupInput2 = nullptr;
    QGroupBox* GroupBoxRpm = nullptr;
    QLineEdit* EditRpmPulsu = nullptr;
    TUpDown* UpDownRpmPulsu = nullptr;
    QLabel* LabelRpmPulsu = nullptr;
    QLineEdit* EditRpmKorekce = nullptr;
    TUpDown* UpDownRpmKorekce = nullptr;
    QLabel* LabelRpmKorekce = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* EditLedRazeni = nullptr;
    TUpDown* UpDownLedRazeni = nullptr;
    QLabel* LabelLedRazeni = nullptr;
    QCheckBox* CheckBoxRevOutLedRazeni = nullptr;
    QLabel* LabelMonLedRazeni = nullptr;
    QLabel* LabelMonRetard = nullptr;
    QLabel* LabelClutchMon = nullptr;
    QLabel* LabelBlocking = nullptr;
    QLabel* LabelMonStartLimiterOut = nullptr;
    QGroupBox* GroupBoxMonInput = nullptr;
    QLabel* LabelMonInput1In = nullptr;
    QLabel* LabelMonInput2In = nullptr;

    QStatusBar* StatusBar1 = nullptr;

    // Main menu.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* MenuFile = nullptr;
    QAction *MenuNew = nullptr, *N3 = nullptr, *MenuOpen = nullptr, *N1 = nullptr,
            *MenuSave = nullptr, *N2 = nullptr, *MenuPrint = nullptr, *N4 = nullptr,
            *MenuExit = nullptr;
    QMenu* MenuCom = nullptr;
    // Com 1 .. Com 20 and "Com Auto", added when the window is created.
    std::array<QAction*, 21> PortMenuItems{};
    QMenu* MenuDevice = nullptr;
    QAction *MenuRead = nullptr, *MenuVerify = nullptr, *MenuProgram = nullptr;
    QMenu* MenuTools = nullptr;
    QAction *MenuAdvanceMinus = nullptr, *MenuAdvancePlus = nullptr, *MenuZpet = nullptr,
            *MenuZnovu = nullptr;
    QMenu* MenuLanguage = nullptr;
    QAction *MenuEnglish = nullptr, *MenuGerman = nullptr, *MenuFrench = nullptr,
            *MenuCzech = nullptr;
    QActionGroup* Languages = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction *MenuContens = nullptr, *MenuAbout = nullptr;

    TFileDialog* OpenDialog1 = nullptr;
    TFileDialog* SaveDialog1 = nullptr;
    QTimer* Timer1 = nullptr;
};

// The named curve and test controls in order, so loops can reach them by name.
namespace HlavSlots {
using TEditSlot = QLineEdit* THlavControls::*;
using TSpinnerSlot = TUpDown* THlavControls::*;
using TLabelSlot = QLabel* THlavControls::*;
using H = THlavControls;

inline constexpr std::array<TEditSlot, CurvePoints> RpmEdits{
    &H::EditRpmAdv1,  &H::EditRpmAdv2,  &H::EditRpmAdv3,  &H::EditRpmAdv4,  &H::EditRpmAdv5,
    &H::EditRpmAdv6,  &H::EditRpmAdv7,  &H::EditRpmAdv8,  &H::EditRpmAdv9,  &H::EditRpmAdv10,
    &H::EditRpmAdv11, &H::EditRpmAdv12, &H::EditRpmAdv13, &H::EditRpmAdv14, &H::EditRpmAdv15};
inline constexpr std::array<TEditSlot, CurvePoints> AdvanceEdits{
    &H::EditAdvance1,  &H::EditAdvance2,  &H::EditAdvance3,  &H::EditAdvance4,  &H::EditAdvance5,
    &H::EditAdvance6,  &H::EditAdvance7,  &H::EditAdvance8,  &H::EditAdvance9,  &H::EditAdvance10,
    &H::EditAdvance11, &H::EditAdvance12, &H::EditAdvance13, &H::EditAdvance14, &H::EditAdvance15};
inline constexpr std::array<TSpinnerSlot, CurvePoints> RpmSpinners{
    &H::UpDownRpmAdv1,  &H::UpDownRpmAdv2,  &H::UpDownRpmAdv3,  &H::UpDownRpmAdv4,
    &H::UpDownRpmAdv5,  &H::UpDownRpmAdv6,  &H::UpDownRpmAdv7,  &H::UpDownRpmAdv8,
    &H::UpDownRpmAdv9,  &H::UpDownRpmAdv10, &H::UpDownRpmAdv11, &H::UpDownRpmAdv12,
    &H::UpDownRpmAdv13, &H::UpDownRpmAdv14, &H::UpDownRpmAdv15};
inline constexpr std::array<TSpinnerSlot, CurvePoints> AdvanceSpinners{
    &H::UpDownAdvance1,  &H::UpDownAdvance2,  &H::UpDownAdvance3,  &H::UpDownAdvance4,
    &H::UpDownAdvance5,  &H::UpDownAdvance6,  &H::UpDownAdvance7,  &H::UpDownAdvance8,
    &H::UpDownAdvance9,  &H::UpDownAdvance10, &H::UpDownAdvance11, &H::UpDownAdvance12,
    &H::UpDownAdvance13, &H::UpDownAdvance14, &H::UpDownAdvance15};

inline constexpr std::array<TLabelSlot, 8> TestLabels{
    &H::LabelTest1, &H::LabelTest2, &H::LabelTest3, &H::LabelTest4,
    &H::LabelTest5, &H::LabelTest6, &H::LabelTest7, &H::LabelTest8};
} // namespace HlavSlots
