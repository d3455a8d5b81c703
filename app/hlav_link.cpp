// The link as the window shows it: the tick, the port menu, the live display
// and the transfer commands. The rules are the link machine's; this copies
// what it decided onto the widgets and reacts to what it reported.
#include "app/hlav.h"

#include "app/program_tick.h"
#include "files/monitor_log.h"
#include "files/trace_file.h"
#include "ui/hint_router.h"
#include "ui/deferred_boxes.h"
#include "ui/label.h"
#include "ui/widget_paint.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QProgressBar>
#include <cstdio>

namespace {

struct TMonitorLabel {
    TLabelModel TMonitorDisplay::*Model;
    QLabel* THlavControls::*Label;
};

using M = TMonitorDisplay;
using H = THlavControls;
const TMonitorLabel MonitorLabels[] = {
    {&M::LabelRpm, &H::LabelRpm},
    {&M::LabelMon_Advance, &H::LabelMon_Advance},
    {&M::LabelNapeti, &H::LabelNapeti},
    {&M::LabelMonStartLimiterOut, &H::LabelMonStartLimiterOut},
    {&M::LabelMonHardLimiter, &H::LabelMonHardLimiter},
    {&M::LabelMonLedRazeni, &H::LabelMonLedRazeni},
    {&M::LabelClutchMon, &H::LabelClutchMon},
    {&M::LabelMonRetard, &H::LabelMonRetard},
    {&M::LabelBlocking, &H::LabelBlocking},
    {&M::LabelKillSwitch, &H::LabelKillSwitch},
    {&M::LabelMonInput1In, &H::LabelMonInput1In},
    {&M::LabelMonInput2In, &H::LabelMonInput2In},
    {&M::LabelSnimac, &H::LabelSnimac},
    {&M::LabelPolaritaMer, &H::LabelPolaritaMer},
    {&M::LabelPocetProgramovani, &H::LabelPocetProgramovani},
};

void SetEditBackground(QLineEdit* edit, bool highlighted)
{
    const QColor wanted =
        highlighted ? ToQColor(TColour::Lime) : QGuiApplication::palette().color(QPalette::Base);
    if (edit->palette().color(QPalette::Base) == wanted)
        return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, wanted);
    edit->setPalette(palette);
}

} // namespace

void TFormHlav::Timer1Timer()
{
    if (m_closing)
        return;
    ProgramTick(m_link, [this] { ChartTick(); });
    LogMonitorAnswer();
    ShowLinkDisplay();
    emit Ticked();
    ReactToLinkEvents();
    ReportLogFailures();
}

void TFormHlav::SetMonitorLog(TMonitorLog* log)
{
    m_monitorLog = log;
    m_loggedMonitorGeneration = m_link.Monitor().Generation;
}

void TFormHlav::SetLineTrace(TTraceFile* trace)
{
    m_lineTrace = trace;
    m_link.SetTrace(trace);
}

// A tick takes at most one answer, so a changed generation is one new answer.
void TFormHlav::LogMonitorAnswer()
{
    const unsigned generation = m_link.Monitor().Generation;
    if (!m_monitorLog || generation == m_loggedMonitorGeneration)
        return;
    m_loggedMonitorGeneration = generation;
    m_monitorLog->Add(m_link.Record());
}

// Like the link's events, after the tick. The file is let go before the box
// opens, as the box runs ticks of its own that would report it again.
void TFormHlav::ReportLogFailures()
{
    if (m_monitorLog && m_monitorLog->Failed()) {
        const std::string error = m_monitorLog->Error();
        m_monitorLog = nullptr;
        ReportLogFailure(error);
    }
    if (m_lineTrace && m_lineTrace->Failed()) {
        const std::string error = m_lineTrace->Error();
        SetLineTrace(nullptr);
        ReportLogFailure(error);
    }
}

void TFormHlav::ReportLogFailure(const std::string& error)
{
    std::fprintf(stderr, "kolvane: %s\n", error.c_str());
    m_boxes->Post(QMessageBox::Warning, windowTitle(), QString::fromStdString(error));
}

void TFormHlav::ShowLinkDisplay()
{
    const TLinkDisplay& display = m_link.Display();
    ShowLabel(m_ui.LabelHlaseni, display.LabelHlaseni);
    ShowGauge(m_ui.CGaugeProgram, display.CGaugeProgram);
    m_ui.LabelSpojeni->setVisible(display.LabelSpojeniVisible);
    m_ui.LabelVersion->setVisible(display.LabelVersionVisible);
    if (m_ui.LabelCom->text().toStdString() != m_link.LabelCom())
        ShowPortName(); // the re-open cycle moved on to another port
    ShowMonitorDisplay();
}

// After the tick or the command that queued them, never inside. A box opens
// only once the running slot has returned: opened inside the tick's slot it
// would hold every later tick back until it is closed.
void TFormHlav::ReactToLinkEvents()
{
    for (const TLinkEvent& event : m_link.TakeEvents()) {
        switch (event.Kind) {
        case TLinkEventKind::PortOpenFailed:
            m_boxes->Post(QMessageBox::Warning, windowTitle(), QString::fromStdString(event.Text));
            break;
        case TLinkEventKind::ImageReceived:
            ShowImage();
            // The curve on the chart is the unit's now.
            ChartRedraw |= ChartRecompute;
            break;
        case TLinkEventKind::VersionMismatch:
            // The transfer is idle already; the status goes with the box.
            m_boxes->Post(QMessageBox::Warning, windowTitle(), QString::fromStdString(event.Text),
                          [this] {
                              m_link.EndVersionMessage();
                              ShowLinkDisplay();
                          });
            break;
        }
    }
}

void TFormHlav::ShowMonitorDisplay()
{
    const TMonitorDisplay& monitor = m_link.Monitor();
    // A silent unit's last values stay, greyed and without their colours, so
    // that nobody reads a dead engine's last speed as live. Before the first
    // answer there is no value to grey, only the placeholders.
    const bool stale = m_link.Display().LabelSpojeniVisible && monitor.Generation > 0;
    if (monitor.Generation != m_shownMonitorGeneration || stale != m_shownStale) {
        if (stale != m_shownStale) {
            m_shownStale = stale;
            ChartRedraw |= ChartRepaint; // the speed line changes its colour now
            ChartTick();
        }
        m_shownMonitorGeneration = monitor.Generation;
        for (const TMonitorLabel& label : MonitorLabels) {
            const TLabelModel& model = monitor.*label.Model;
            QLabel* widget = m_ui.*label.Label;
            SetCaption(widget, QString::fromStdString(model.Text));
            SetBackground(widget, stale ? TColour::ButtonFace : model.Background);
            SetGreyed(widget, stale);
        }
        m_ui.CGaugeRpm->setValue(monitor.CGaugeRpm);
        m_ui.CGaugeRpm->setEnabled(!stale);
        SetCaption(m_ui.LabelVersion, QString::fromStdString(monitor.LabelVersion.Text));
        m_ui.LabelEeDataErr->setVisible(monitor.LabelEeDataErrVisible);
        for (int k = 0; k < 8; ++k) {
            QLabel* test = m_ui.*HlavSlots::TestLabels[k];
            SetCaption(test, QString::fromStdString(monitor.LabelTest[k]));
            SetGreyed(test, stale);
        }
    }
    // Looking up 30 palettes on every tick costs more than the rest of an idle tick.
    const TCurveHighlight& highlight = m_link.Highlight();
    const int row = highlight.NoHighlight ? -1 : highlight.HighlightRow;
    if (row == m_shownHighlightRow)
        return;
    m_shownHighlightRow = row;
    for (int r = 0; r < CurvePoints; ++r) {
        SetEditBackground(m_ui.RpmEdits[r], r == row);
        SetEditBackground(m_ui.AdvanceEdits[r], r == row);
    }
}

void TFormHlav::BuildPortMenu()
{
    for (int i = 0; i < PortMenuEntries; ++i) {
        const QString caption =
            i == AutoPortEntry ? QStringLiteral("Com Auto") : QStringLiteral("Com %1").arg(i + 1);
        QAction* item = m_ui.MenuCom->addAction(caption);
        item->setObjectName(QStringLiteral("MenuComItem%1").arg(i + 1));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] { MenuCom1Click(item); });
        m_ui.PortMenuItems[i] = item;
    }
}

void TFormHlav::MenuCom1Click(QObject* sender)
{
    std::uint8_t entry = PortMenuEntries; // no match keeps PortIndex
    for (int i = 0; i < PortMenuEntries; ++i)
        if (m_ui.PortMenuItems[i] == sender)
            entry = static_cast<std::uint8_t>(i);
    m_link.SelectPort(entry);
    ShowPortChoice();
    ReactToLinkEvents();
    m_boxes->ShowWaiting(); // a command's box, not the tick's: open it now
}

void TFormHlav::ShowPortChoice()
{
    for (int i = 0; i < PortMenuEntries; ++i)
        if (m_ui.PortMenuItems[i])
            m_ui.PortMenuItems[i]->setChecked(i == m_link.State().PortIndex);
    ShowPortName();
}

void TFormHlav::ShowPortName()
{
    SetCaption(m_ui.LabelCom, QString::fromStdString(m_link.LabelCom()));
    const std::string device = m_port->DeviceName(m_link.SelectedPortNumber());
    THintRouter::SetHint(m_ui.LabelCom, QString::fromStdString(device.empty() ? "-" : device));
}

void TFormHlav::MenuReadClick()
{
    // What is read no longer comes from the parameter file.
    SetCaption(m_ui.LabelFile2, QString());
    m_link.StartRead();
    ShowLinkDisplay();
}

void TFormHlav::MenuVerifyClick()
{
    TakeControls();
    m_link.StartVerify();
    ShowLinkDisplay();
}

void TFormHlav::MenuProgramClick()
{
    TakeControls();
    m_link.StartProgram(true);
    ShowLinkDisplay();
}

// Programs the image as it stands, without taking the controls first.
void TFormHlav::StartProgramming()
{
    m_link.StartProgram(false);
    ShowLinkDisplay();
}
