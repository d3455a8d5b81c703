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
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

namespace {
using THandler = void (TFormHlav::*)();
// Edits whose leaving runs EditExit; the others only take key presses.
const char* const ExitProperty = "runsEditExit";
} // namespace

void TFormHlav::ConnectHandlers()
{
    const auto bindButton = [this](QAbstractButton* button, THandler handler) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    const auto bindItem = [this](QAction* item, THandler handler) {
        connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    bindButton(SpeedButton6, &TFormHlav::MenuNewClick);
    bindButton(SpeedButton5, &TFormHlav::MenuOpenClick);
    bindButton(SpeedButton7, &TFormHlav::MenuSaveClick);
    bindButton(SpeedButtonPrint, &TFormHlav::SpeedButtonPrintClick);
    bindButton(SpeedButtonZpet, &TFormHlav::SpeedButtonZpetClick);
    bindButton(SpeedButtonZnovu, &TFormHlav::SpeedButtonZnovuClick);
    bindButton(ButtonRead, &TFormHlav::MenuReadClick);
    bindButton(ButtonVerify, &TFormHlav::MenuVerifyClick);
    bindButton(ButtonProgram, &TFormHlav::MenuProgramClick);
    bindButton(BitBtnAdvMinus, &TFormHlav::BitBtnAdvMinusClick);
    bindButton(BitBtnAdvPlus, &TFormHlav::BitBtnAdvPlusClick);

    bindItem(MenuNew, &TFormHlav::MenuNewClick);
    bindItem(MenuOpen, &TFormHlav::MenuOpenClick);
    bindItem(MenuSave, &TFormHlav::MenuSaveClick);
    bindItem(MenuPrint, &TFormHlav::SpeedButtonPrintClick);
    bindItem(MenuExit, &TFormHlav::MenuExitClick);
    bindItem(MenuRead, &TFormHlav::MenuReadClick);
    bindItem(MenuVerify, &TFormHlav::MenuVerifyClick);
    bindItem(MenuProgram, &TFormHlav::MenuProgramClick);
    bindItem(MenuAdvanceMinus, &TFormHlav::BitBtnAdvMinusClick);
    bindItem(MenuAdvancePlus, &TFormHlav::BitBtnAdvPlusClick);
    bindItem(MenuZpet, &TFormHlav::SpeedButtonZpetClick);
    bindItem(MenuZnovu, &TFormHlav::SpeedButtonZnovuClick);
    bindItem(MenuEnglish, &TFormHlav::MenuEnglishClick);
    bindItem(MenuGerman, &TFormHlav::MenuGermanClick);
    bindItem(MenuFrench, &TFormHlav::MenuFrenchClick);
    bindItem(MenuCzech, &TFormHlav::MenuCzechClick);
    bindItem(MenuContens, &TFormHlav::MenuContensClick);
    bindItem(MenuAbout, &TFormHlav::MenuAboutClick);
    ConnectEditor();
}

void TFormHlav::ConnectEditor()
{
    connect(RadioGroupPolarita, &TRadioGroup::Clicked, this, [this] { RadioGroupPolaritaClick(); });
    connect(RadioGroupInput2, &TRadioGroup::Clicked, this, [this] { RadioGroupInput2Click(); });

    std::vector<std::pair<QLineEdit*, TUpDown*>> exitPairs{
        {EditPocetBodu, UpDownPocetBodu},  {EditBaseAdv, UpDownBaseAdv},
        {EditOmez1, UpDownOmez1},          {EditOmez2, UpDownOmez2},
        {EditRetard, UpDownRetard},        {EditRpmPulsu, UpDownRpmPulsu},
        {EditRpmKorekce, UpDownRpmKorekce}};
    for (int i = 0; i < CurvePoints; ++i) {
        exitPairs.emplace_back(this->*HlavSlots::RpmEdits[i], this->*HlavSlots::RpmSpinners[i]);
        exitPairs.emplace_back(this->*HlavSlots::AdvanceEdits[i],
                               this->*HlavSlots::AdvanceSpinners[i]);
    }
    for (const auto& [edit, spinner] : exitPairs) {
        edit->setProperty(ExitProperty, true);
        edit->installEventFilter(this);
        connect(spinner, &TUpDown::Clicked, this,
                [this, spinner = spinner] { UpDownClick(spinner); });
    }
    for (QLineEdit* edit : {EditClutch1, EditClutch2, EditLedRazeni})
        edit->installEventFilter(this);
    for (QCheckBox* box : {CheckBoxZakazCteni, CheckBoxProgHned, CheckBoxRevOutLedRazeni})
        box->installEventFilter(this);
    GrafAdv->installEventFilter(this);
}

// Edits point by point, then the point count, the base advance and the limiter;
// the tool bar has no tab stops; the polarity group comes last.
void TFormHlav::SetTabOrder()
{
    std::vector<QWidget*> order;
    for (int i = 0; i < CurvePoints; ++i) {
        order.push_back(this->*HlavSlots::RpmEdits[i]);
        order.push_back(this->*HlavSlots::AdvanceEdits[i]);
    }
    order.insert(order.end(), {EditPocetBodu, EditBaseAdv, EditOmez2, EditOmez1, EditRetard,
                               EditClutch1, EditClutch2});
    for (const TRadioGroup* group : {RadioGroupPolarita, RadioGroupInput1, RadioGroupInput2})
        for (int i = 0; i < group->Items().size(); ++i)
            order.push_back(group->Button(i));
    order.insert(order.end(), {EditRpmPulsu, EditRpmKorekce, EditLedRazeni});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == GrafAdv) {
        GrafAdvEvent(event);
    } else if (qobject_cast<QCheckBox*>(watched)) {
        if (type == QEvent::MouseButtonRelease)
            CheckBoxProgHnedMouseUp(watched);
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
    } else if (type == QEvent::FocusOut && watched->property(ExitProperty).toBool()) {
        EditExit(watched);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormHlav::IsMenuShortcut(const QKeyEvent& event) const
{
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction*> items = MainMenu1->findChildren<QAction*>();
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
    case QEvent::Leave: GrafAdvMouseLeave(); break;
    default: break;
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

// Enter walks the curve like Tab does.
void TFormHlav::FormKeyPress(QObject*, char& key)
{
    if (key != '\r')
        return;
    key = 0;
    focusNextChild();
}
