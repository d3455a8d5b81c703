// The live display: copies what the link decided onto the window's labels.
#include "app/hlav.h"

#include "ui/label.h"
#include "ui/widget_paint.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>

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
    const QColor wanted = highlighted ? ToQColor(TColour::Lime)
                                      : QGuiApplication::palette().color(QPalette::Base);
    if (edit->palette().color(QPalette::Base) == wanted)
        return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, wanted);
    edit->setPalette(palette);
}

} // namespace

void TFormHlav::ShowMonitorDisplay()
{
    const TMonitorDisplay& monitor = m_link.Monitor;
    if (monitor.Generation != m_shownMonitorGeneration) {
        m_shownMonitorGeneration = monitor.Generation;
        for (const TMonitorLabel& label : MonitorLabels) {
            const TLabelModel& model = monitor.*label.Model;
            QLabel* widget = this->*label.Label;
            SetCaption(widget, QString::fromStdString(model.Text));
            SetBackground(widget, model.Background);
        }
        CGaugeRpm->setValue(monitor.CGaugeRpm);
        SetCaption(LabelVersion, QString::fromStdString(monitor.LabelVersion.Text));
        LabelEeDataErr->setVisible(monitor.LabelEeDataErrVisible);
        for (int k = 0; k < 8; ++k)
            SetCaption(this->*HlavSlots::TestLabels[k], QString::fromStdString(monitor.LabelTest[k]));
    }
    for (int r = 0; r < CurvePoints; ++r) {
        SetEditBackground(RpmEdits[r], m_link.RowHighlighted[r]);
        SetEditBackground(AdvanceEdits[r], m_link.RowHighlighted[r]);
    }
}
