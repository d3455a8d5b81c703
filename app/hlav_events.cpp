// Which event runs which handler, and the tab order.
#include "app/hlav.h"

#include "ui/radio_group.h"
#include "ui/up_down.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

namespace {
using THandler = void (TFormHlav::*)();
// Edits whose leaving runs EditExit; the others only take key presses.
const char* const ExitProperty = "runsEditExit";

// Focus that goes to a message box, another window or a menu comes back to
// the same edit: the edit is not left, and a box opened after a read must not
// record the read as a change.
bool LeavesForAnotherControl(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}
} // namespace

void TFormHlav::ConnectHandlers()
{
    const auto bindItem = [this](QAction* item, THandler handler) {
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    bindItem(m_ui.MenuNew, &TFormHlav::MenuNewClick);
    bindItem(m_ui.MenuOpen, &TFormHlav::MenuOpenClick);
    bindItem(m_ui.MenuSave, &TFormHlav::MenuSaveClick);
    bindItem(m_ui.MenuPrint, &TFormHlav::SpeedButtonPrintClick);
    bindItem(m_ui.MenuExit, &TFormHlav::MenuExitClick);
    bindItem(m_ui.MenuRead, &TFormHlav::MenuReadClick);
    bindItem(m_ui.MenuVerify, &TFormHlav::MenuVerifyClick);
    bindItem(m_ui.MenuProgram, &TFormHlav::MenuProgramClick);
    bindItem(m_ui.MenuAdvanceMinus, &TFormHlav::BitBtnAdvMinusClick);
    bindItem(m_ui.MenuAdvancePlus, &TFormHlav::BitBtnAdvPlusClick);
    bindItem(m_ui.MenuZpet, &TFormHlav::SpeedButtonZpetClick);
    bindItem(m_ui.MenuZnovu, &TFormHlav::SpeedButtonZnovuClick);
    bindItem(m_ui.MenuEnglish, &TFormHlav::MenuEnglishClick);
    bindItem(m_ui.MenuGerman, &TFormHlav::MenuGermanClick);
    bindItem(m_ui.MenuFrench, &TFormHlav::MenuFrenchClick);
    bindItem(m_ui.MenuCzech, &TFormHlav::MenuCzechClick);
    bindItem(m_ui.MenuContens, &TFormHlav::MenuContensClick);
    bindItem(m_ui.MenuAbout, &TFormHlav::MenuAboutClick);
    // A tool-bar button runs its menu item, so both always do the same.
    const std::pair<QAbstractButton*, QAction*> buttons[] = {
        {m_ui.SpeedButton6, m_ui.MenuNew},         {m_ui.SpeedButton5, m_ui.MenuOpen},
        {m_ui.SpeedButton7, m_ui.MenuSave},        {m_ui.SpeedButtonPrint, m_ui.MenuPrint},
        {m_ui.SpeedButtonZpet, m_ui.MenuZpet},     {m_ui.SpeedButtonZnovu, m_ui.MenuZnovu},
        {m_ui.ButtonRead, m_ui.MenuRead},          {m_ui.ButtonVerify, m_ui.MenuVerify},
        {m_ui.ButtonProgram, m_ui.MenuProgram},    {m_ui.BitBtnAdvMinus, m_ui.MenuAdvanceMinus},
        {m_ui.BitBtnAdvPlus, m_ui.MenuAdvancePlus}};
    for (const auto& [button, item] : buttons)
        connect(button, &QAbstractButton::clicked, item, &QAction::trigger);
    ConnectEditor();
}

void TFormHlav::ConnectEditor()
{
    connect(m_ui.RadioGroupPolarita, &TRadioGroup::Clicked, this,
            [this] { RadioGroupPolaritaClick(); });
    connect(m_ui.RadioGroupInput2, &TRadioGroup::Clicked, this,
            [this] { RadioGroupInput2Click(); });

    std::vector<std::pair<QLineEdit*, TUpDown*>> exitPairs{
        {m_ui.EditPocetBodu, m_ui.UpDownPocetBodu},  {m_ui.EditBaseAdv, m_ui.UpDownBaseAdv},
        {m_ui.EditOmez1, m_ui.UpDownOmez1},          {m_ui.EditOmez2, m_ui.UpDownOmez2},
        {m_ui.EditRetard, m_ui.UpDownRetard},        {m_ui.EditRpmPulsu, m_ui.UpDownRpmPulsu},
        {m_ui.EditRpmKorekce, m_ui.UpDownRpmKorekce}};
    for (int i = 0; i < CurvePoints; ++i) {
        exitPairs.emplace_back(m_ui.*HlavSlots::RpmEdits[i], m_ui.*HlavSlots::RpmSpinners[i]);
        exitPairs.emplace_back(m_ui.*HlavSlots::AdvanceEdits[i],
                               m_ui.*HlavSlots::AdvanceSpinners[i]);
    }
    for (const auto& [edit, spinner] : exitPairs) {
        edit->setProperty(ExitProperty, true);
        edit->installEventFilter(this);
        connect(spinner, &TUpDown::Clicked, this,
                [this, spinner = spinner] { UpDownClick(spinner); });
    }
    for (QLineEdit* edit : {m_ui.EditClutch1, m_ui.EditClutch2, m_ui.EditLedRazeni})
        edit->installEventFilter(this);
    // After the box has toggled, by the mouse or the space bar.
    for (QCheckBox* box :
         {m_ui.CheckBoxZakazCteni, m_ui.CheckBoxProgHned, m_ui.CheckBoxRevOutLedRazeni})
        connect(box, &QCheckBox::clicked, this, [this, box] { CheckBoxProgHnedMouseUp(box); });
    m_ui.GrafAdv->installEventFilter(this);
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_ui.GrafAdv) {
        if (type == QEvent::Paint) {
            // Drawn straight from the tick's picture: handing the label a
            // pixmap of it would copy the picture at every redraw.
            QPainter(m_ui.GrafAdv).drawImage(0, 0, m_chartPicture);
            return true;
        }
        GrafAdvEvent(event);
    } else if (type == QEvent::ShortcutOverride &&
               IsMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        // The menu's keys (Ctrl+Z is Undo) win over the edit box's own.
        event->ignore();
        return true;
    } else if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            char pressed = '\r';
            FormKeyPress(watched, pressed);
            return pressed == 0;
        }
    } else if (type == QEvent::FocusOut && !m_link.State().Printing &&
               watched->property(ExitProperty).toBool() &&
               LeavesForAnotherControl(*static_cast<QFocusEvent*>(event))) {
        EditExit(watched);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormHlav::IsMenuShortcut(const QKeyEvent& event) const
{
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction*> items = m_ui.MainMenu1->findChildren<QAction*>();
    return std::any_of(items.begin(), items.end(), [&pressed](const QAction* item) {
        return !item->shortcut().isEmpty() && item->shortcut() == pressed;
    });
}

void TFormHlav::keyPressEvent(QKeyEvent* event)
{
    char pressed = '\r';
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        FormKeyPress(this, pressed);
    else
        QMainWindow::keyPressEvent(event);
}

void TFormHlav::GrafAdvEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (event->type() == QEvent::MouseButtonPress)
            GrafAdvMouseDown(mouse->button(), at.x(), at.y());
        else if (event->type() == QEvent::MouseMove)
            GrafAdvMouseMove(at.x(), at.y());
        else
            GrafAdvMouseUp(mouse->button(), at.x(), at.y());
        break;
    }
    case QEvent::Leave:
        GrafAdvMouseLeave();
        break;
    default:
        break;
    }
}

// Only a press on the window's free area counts, not one a control let through.
void TFormHlav::mousePressEvent(QMouseEvent* event)
{
    QWidget* client = centralWidget();
    const QPoint at = client->mapFrom(this, event->position().toPoint());
    if (client->rect().contains(at) && !client->childAt(at))
        CheckBoxProgHnedMouseUp(this);
    QMainWindow::mousePressEvent(event);
}
