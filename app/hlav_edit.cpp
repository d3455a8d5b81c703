// Editing the parameters: the controls and the image, and the handlers of
// the editing controls. The rules are the core's (params/editor.h); this
// moves numbers between the binding table and the widgets.
#include "app/hlav.h"

#include "ui/label.h"
#include "ui/radio_group.h"
#include "ui/up_down.h"
#include "ui/widget_paint.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

void TFormHlav::BuildControlArrays()
{
    for (int i = 0; i < CurvePoints; ++i) {
        m_ui.RpmEdits[i] = m_ui.*HlavSlots::RpmEdits[i];
        m_ui.AdvanceEdits[i] = m_ui.*HlavSlots::AdvanceEdits[i];
        m_ui.RpmSpinners[i] = m_ui.*HlavSlots::RpmSpinners[i];
        m_ui.AdvanceSpinners[i] = m_ui.*HlavSlots::AdvanceSpinners[i];
    }
    for (int i = 0; i < ScalarSpinnerCount; ++i)
        m_scalarSpinners[i] = qobject_cast<TUpDown*>(FindControl(ScalarBindings()[i].Spinner));
}

TEditorValues TFormHlav::ReadEditorValues()
{
    // A spinner takes what was typed into its edit when it is a whole number
    // within its range; anything else leaves it where it was.
    const auto position = [](TUpDown* spinner) {
        spinner->TakeTypedValue();
        return spinner->Position();
    };
    TEditorValues values;
    for (int i = 0; i < ScalarSpinnerCount; ++i)
        values.Scalars[i] = position(m_scalarSpinners[i]);
    for (int i = 0; i < CurvePoints; ++i) {
        values.Speeds[i] = position(m_ui.RpmSpinners[i]);
        values.Advances[i] = position(m_ui.AdvanceSpinners[i]);
    }
    values.ReadLock = m_ui.CheckBoxZakazCteni->isChecked();
    values.ShiftLightReversed = m_ui.CheckBoxRevOutLedRazeni->isChecked();
    return values;
}

void TFormHlav::WriteBackControls()
{
    WriteBackValues(ReadEditorValues(), m_image);
}

// Before a command sends or saves the image: what the controls show, normalised
// and shown back, so the unit or the file gets exactly what is on screen.
void TFormHlav::TakeControls()
{
    WriteBackControls();
    m_image.Normalise();
    ShowImage();
}

void TFormHlav::ShowImage()
{
    const TEditorValues values = ShowValues(m_image);
    for (int i = 0; i < ScalarSpinnerCount; ++i)
        m_scalarSpinners[i]->SetPosition(values.Scalars[i]);
    m_ui.RadioGroupPolarita->SetItemIndex(values.Polarity);
    m_ui.CheckBoxZakazCteni->setChecked(values.ReadLock);
    m_ui.CheckBoxRevOutLedRazeni->setChecked(values.ShiftLightReversed);
    for (int i = 0; i < CurvePoints; ++i) {
        m_ui.RpmSpinners[i]->SetPosition(values.Speeds[i]);
        m_ui.AdvanceSpinners[i]->SetPosition(values.Advances[i]);
    }
    RefreshDependents();
}

void TFormHlav::RefreshDependents()
{
    // Hiding the row or the box that holds the focus moves it, and Qt says
    // so as a Tab: that is the program's move, never the user leaving an edit.
    const TProgramFocus programMoves(m_programMovesFocus);
    const TEditorLook look =
        DependentsLook(m_image, {m_link.State().Printing, m_ui.CheckBoxProgHned->isChecked(),
                                 m_ui.CheckBoxZakazCteni->isChecked()});
    SetBackground(centralWidget(), look.WindowWhite ? TColour::White : TColour::ButtonFace);
    for (const TControlLook& control : look.Controls) {
        auto* widget = qobject_cast<QWidget*>(FindControl(control.Control));
        if (!widget)
            continue;
        if (control.Visible)
            widget->setVisible(*control.Visible);
        if (control.Enabled)
            widget->setEnabled(*control.Enabled);
        if (control.Red && *control.Red)
            SetBackground(widget, TColour::Red);
        else if (control.Red)
            ClearBackground(widget);
    }
    SetCaption(m_ui.LabelVerze1, QString::fromStdString(look.Verze1));
    SetCaption(m_ui.LabelVerze2, QString::fromStdString(look.Verze2));
    SetCaption(m_ui.LabelVerze3, QString::fromStdString(look.Verze3));
}

void TFormHlav::ApplyChange()
{
    m_image.Normalise();
    ShowImage();
    HistoryPush();
    ChartRedraw |= ChartRecompute;
}

void TFormHlav::HistoryInit()
{
    m_history.Init(m_image);
    UpdateHistoryButtons();
}

void TFormHlav::HistoryPush()
{
    const THistoryPush push = m_history.Push(m_image, m_ui.CheckBoxProgHned->isChecked());
    if (push.Recorded)
        UpdateHistoryButtons();
    if (push.StartProgramming)
        StartProgramming();
}

void TFormHlav::HistoryRestore()
{
    // The restored curve is no edit: the last edit's pushes do not apply to it.
    m_image.ResetPushMemory();
    ShowImage();
    ChartRedraw |= ChartRecompute;
}

void TFormHlav::UpdateHistoryButtons()
{
    m_ui.SpeedButtonZpet->setEnabled(m_history.CanUndo());
    m_ui.MenuZpet->setEnabled(m_history.CanUndo());
    m_ui.SpeedButtonZnovu->setEnabled(m_history.CanRedo());
    m_ui.MenuZnovu->setEnabled(m_history.CanRedo());
}

void TFormHlav::EditExit(QObject*)
{
    m_image.ChangedPoint = EditStarted;
    WriteBackControls();
    ApplyChange();
}

void TFormHlav::UpDownClick(QObject* sender)
{
    EditExit(sender);
}

// Enter walks the curve like Tab does; leaving the edit applies it, and the
// write-back here finds no further change unless another control held one.
void TFormHlav::FormKeyPress(QObject*, char& key)
{
    if (key != '\r')
        return;
    key = 0;
    focusNextChild();
    WriteBackControls();
    ApplyChange();
}

void TFormHlav::CheckBoxProgHnedMouseUp(QObject*)
{
    WriteBackControls();
    RefreshDependents();
    ApplyChange();
}

void TFormHlav::RadioGroupPolaritaClick()
{
    m_image[ImageByte::Polarity] = static_cast<std::uint8_t>(m_ui.RadioGroupPolarita->ItemIndex());
    HistoryPush();
    RefreshDependents();
}

void TFormHlav::RadioGroupInput2Click()
{
    m_image[ImageByte::Input2] = static_cast<std::uint8_t>(m_ui.RadioGroupInput2->ItemIndex());
    HistoryPush();
    RefreshDependents();
}

void TFormHlav::StepAdvance(int step)
{
    WriteBackControls();
    m_image.Normalise();
    const TCurveHighlight& highlight = m_link.Highlight();
    StepAdvances(m_image, step, m_ui.CheckBoxIgnAll->isChecked(), highlight.NoHighlight,
                 highlight.HighlightRow);
    ApplyChange();
}

void TFormHlav::BitBtnAdvMinusClick()
{
    StepAdvance(-1);
}
void TFormHlav::BitBtnAdvPlusClick()
{
    StepAdvance(+1);
}

void TFormHlav::SpeedButtonZpetClick()
{
    if (m_history.Undo(m_image))
        AfterHistoryStep();
}

void TFormHlav::SpeedButtonZnovuClick()
{
    if (m_history.Redo(m_image))
        AfterHistoryStep();
}

// Undo and Redo change only the image; a transfer that runs goes on unless
// the option programs the restored image.
void TFormHlav::AfterHistoryStep()
{
    HistoryRestore();
    UpdateHistoryButtons();
    if (m_ui.CheckBoxProgHned->isChecked())
        StartProgramming();
}
