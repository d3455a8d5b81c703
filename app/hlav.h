#pragma once

#include "app/hlav_controls.h"
#include "chart/advance_chart.h"
#include "chart/chart_mouse.h"
#include "files/atomic_file.h"
#include "link/link_machine.h"
#include "params/editor.h"
#include "params/history.h"
#include "params/param_image.h"
#include "texts/caption_table.h"
#include "texts/message_table.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinterInfo;
class QTimer;
class TDeferredBoxes;
class TFormAbout;
class THintRouter;
class TPrintJob;
class TMonitorLog;
class TTraceFile;
class TUpDown;

// The main window. It owns the state of the run and wires events to the
// core; the rules live in params/, link/, files/ and texts/. Its controls
// are a member, built by the layout code and named as the window names them.
// Handlers gather input, call the core and show the result; they are split
// over files by concern (hlav_link, hlav_edit, hlav_files, hlav_chart,
// hlav_texts, hlav_help).
class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Closes the window as the user would, but without boxes that nobody
    // would see: the session ends or the program was told to stop.
    void CloseForSignal();
    // The About window that Help > About shows; it lives as long as this one.
    void SetAboutWindow(TFormAbout* about);
    // Open log files that the window writes to while it lives; the caller
    // keeps them. A write that fails is reported once, then the file is left.
    void SetMonitorLog(TMonitorLog* log);
    void SetLineTrace(TTraceFile* trace);

    // Read-only views of the core, for whoever drives the window from outside.
    const TParamImage& Image() const { return m_image; }
    const TLinkMachine& Link() const { return m_link; }

signals:
    // A tick has run and its results are on the widgets.
    void Ticked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Life cycle (hlav.cpp).
    void FormCreate();
    void FormClose();
    void CentreWindow();

    // Settings between runs (hlav_settings.cpp).
    void LoadSettings(std::uint8_t& portIndex, std::uint8_t& autoPortIndex);
    void PlaceWindow(const QRect& saved);
    // What could not be written, one line each.
    std::vector<std::string> SaveSettings();
    void ReadTestMarker();
    // The image's normalisation plus the settings range checks.
    void NormaliseImage();
    void MenuExitClick();

    // Events to handlers (hlav_events.cpp).
    void ConnectHandlers();
    void ConnectEditor();
    void GrafAdvEvent(QEvent* event);
    bool IsMenuShortcut(const QKeyEvent& event) const;

    // The link (hlav_link.cpp).
    void Timer1Timer();
    void BuildPortMenu();
    void MenuCom1Click(QObject* sender);
    void ShowPortChoice();
    void ShowPortName();
    void ShowLinkDisplay();
    void ShowMonitorDisplay();
    void ReactToLinkEvents();
    void LogMonitorAnswer();
    void ReportLogFailures();
    void ReportLogFailure(const std::string& error);
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void StartProgramming();

    // Editing (hlav_edit.cpp).
    void BuildControlArrays();
    TEditorValues ReadEditorValues();
    void WriteBackControls();
    void TakeControls();
    void ShowImage();
    void RefreshDependents();
    void ApplyChange();
    void HistoryInit();
    void HistoryPush();
    void HistoryRestore();
    void UpdateHistoryButtons();
    void AfterHistoryStep();
    void StepAdvance(int step);
    void FormKeyPress(QObject* sender, char& key);
    void EditExit(QObject* sender);
    void UpDownClick(QObject* sender);
    void CheckBoxProgHnedMouseUp(QObject* sender);
    void RadioGroupPolaritaClick();
    void RadioGroupInput2Click();
    void BitBtnAdvMinusClick();
    void BitBtnAdvPlusClick();
    void SpeedButtonZpetClick();
    void SpeedButtonZnovuClick();

    // Files (hlav_files.cpp) and printing (hlav_print.cpp).
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void OpenParamFile(const QString& path);
    void ShowFileError(const std::string& text);
    void SpeedButtonPrintClick();
    void RenderSheet(const std::string& stamp, const std::function<void(QWidget&)>& draw);
    void SendSheet(const QPrinterInfo& printer, const QByteArray& pdf);
    void WatchPrintJob();
    void ReportPrintFailure(const std::string& text);

    // Help (hlav_help.cpp).
    void MenuContensClick();
    void ShowHelpError();
    void MenuAboutClick();

    // The chart (hlav_chart.cpp).
    void GrafAdvMouseDown(Qt::MouseButton button, int x, int y);
    void GrafAdvMouseMove(int x, int y);
    void GrafAdvMouseUp(Qt::MouseButton button, int x, int y);
    void GrafAdvMouseLeave();
    void ChartTick();
    void ApplyChartAction(const TChartAction& action);

    // Texts of the current language (hlav_texts.cpp).
    void ApplyFormTexts();
    void FillMessageTable();
    void FillCaptionTable();
    void ApplyTexts(const std::vector<TControlText>& texts);
    void SetLanguage(std::uint8_t language);
    void MenuEnglishClick();
    void MenuGermanClick();
    void MenuFrenchClick();
    void MenuCzechClick();
    // The control of that name, the window itself included; null when none.
    QObject* FindControl(const std::string& name);

    THlavControls m_ui;
    std::array<TUpDown*, ScalarSpinnerCount> m_scalarSpinners{};
    TParamImage m_image;
    TMessageTable m_messages;
    std::unique_ptr<ILinkPort> m_port;
    TLinkMachine m_link;
    THistory m_history;
    unsigned m_shownMonitorGeneration = 0;
    bool m_shownStale = false; // the live values shown are a silent unit's last
    int m_shownHighlightRow = -2; // -1: none; -2: not shown yet
    TMonitorLog* m_monitorLog = nullptr;
    unsigned m_loggedMonitorGeneration = 0;
    TTraceFile* m_lineTrace = nullptr;
    TAdvanceChart m_chart;
    // The chart's picture: only the tick draws into it, GrafAdv shows it.
    QImage m_chartPicture;
    // Redraw bits of the advance chart: 1 repaint, 2 recompute and repaint.
    int ChartRedraw = ChartRecompute;
    THintRouter* m_hints = nullptr;
    TDeferredBoxes* m_boxes = nullptr;
    // The path of the last parameter file opened or saved.
    std::string LastParamFile;
    // The settings file and the image copy as the start-up found them: what
    // was not read whole is not written over at the close.
    TSmallFile m_settingsOnDisk;
    TSmallFile m_copyOnDisk;
    bool m_closingForSignal = false;
    bool m_closing = false;
    TFormAbout* m_about = nullptr;
    // Above 0 while the program itself may move the focus (rows hidden, a
    // new image shown): an edit that loses it then has not been left.
    int m_programMovesFocus = 0;
    struct TProgramFocus {
        explicit TProgramFocus(int& depth) : Depth(depth) { ++Depth; }
        ~TProgramFocus() { --Depth; }
        TProgramFocus(const TProgramFocus&) = delete;
        TProgramFocus& operator=(const TProgramFocus&) = delete;
        int& Depth;
    };
    // The sheet last handed to the print system, asked after by its own
    // timer until it is printed or has failed.
    std::unique_ptr<TPrintJob> m_printJob;
    QTimer* m_printWatch = nullptr;
    int m_printChecksLeft = 0;
    std::string m_printStamp;
    // Controls found by name, as the text tables and the editor's look name them.
    QHash<QString, QObject*> m_controlsByName;
};

// The program's arguments without the program's own name.
std::vector<std::string> ProgramArguments();

// The folder of the settings file, the image copy and the test marker.
QString SettingsFolder();
QString SettingsFilePath();
QString ImageCopyPath();
