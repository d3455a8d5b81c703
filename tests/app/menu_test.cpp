#include "file_dialogs.h"
#include "window_access.h"

#include "file_dialogs.h"
#include "message_boxes.h"
#include "ui/file_dialog.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

QStringList Names(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* action : actions)
        names << (action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
}

TEST(Menu, MenusAndItemsInOrderWithTheirSeparators)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    EXPECT_EQ(Names(CONTROL(form, MainMenu1)->actions()),
              QStringList(
                  {"MenuFile", "MenuCom", "MenuDevice", "MenuTools", "MenuLanguage", "MenuHelp"}));
    EXPECT_EQ(Names(CONTROL(form, MenuFile)->actions()),
              QStringList({"MenuNew", "N3", "MenuOpen", "N1", "MenuSave", "N2", "MenuPrint", "N4",
                           "MenuExit"}));
    for (QAction* separator :
         {CONTROL(form, N1), CONTROL(form, N2), CONTROL(form, N3), CONTROL(form, N4)})
        EXPECT_TRUE(separator->isSeparator());
    EXPECT_EQ(Names(CONTROL(form, MenuDevice)->actions()),
              QStringList({"MenuRead", "MenuVerify", "MenuProgram"}));
    EXPECT_EQ(Names(CONTROL(form, MenuTools)->actions()),
              QStringList({"MenuAdvanceMinus", "MenuAdvancePlus", "MenuZpet", "MenuZnovu"}));
    EXPECT_EQ(Names(CONTROL(form, MenuLanguage)->actions()),
              QStringList({"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"}));
    EXPECT_EQ(Names(CONTROL(form, MenuHelp)->actions()), QStringList({"MenuContens", "MenuAbout"}));
}

struct TShortcutCase {
    const char* Item;
    QKeyCombination Keys;
};

// Each key runs its menu item; the item runs the handler of its command.
const std::vector<TShortcutCase> Shortcuts{
    {"MenuNew", Qt::CTRL | Qt::Key_N},
    {"MenuOpen", QKeyCombination(Qt::Key_F3)},
    {"MenuSave", QKeyCombination(Qt::Key_F2)},
    {"MenuPrint", Qt::CTRL | Qt::Key_P},
    {"MenuRead", QKeyCombination(Qt::Key_F7)},
    {"MenuVerify", QKeyCombination(Qt::Key_F8)},
    {"MenuProgram", QKeyCombination(Qt::Key_F9)},
    {"MenuAdvanceMinus", QKeyCombination(Qt::Key_F4)},
    {"MenuAdvancePlus", QKeyCombination(Qt::Key_F5)},
    {"MenuZpet", Qt::CTRL | Qt::Key_Z},
    {"MenuZnovu", Qt::CTRL | Qt::ALT | Qt::Key_Z},
    {"MenuContens", QKeyCombination(Qt::Key_F1)},
};

// Counts how often each menu item runs.
struct TItemSpies {
    explicit TItemSpies(const QObject& form)
    {
        for (QAction* item : form.findChildren<QAction*>())
            if (!item->objectName().isEmpty())
                Spies.emplace(item->objectName().toStdString(),
                              std::make_unique<QSignalSpy>(item, &QAction::triggered));
    }
    int operator[](const std::string& item) const { return Spies.at(item)->count(); }
    int Total() const
    {
        int total = 0;
        for (const auto& [name, spy] : Spies)
            total += spy->count();
        return total;
    }
    std::map<std::string, std::unique_ptr<QSignalSpy>> Spies;
};

TEST(Menu, EachShortcutIsOnItsItemAndRunsItFromAnEditBox)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    TMessageBoxes boxes;  // New asks first, F1 without a help document says so
    TFileDialogs dialogs; // cancels Open, Save and the PDF name of Print
    for (const TShortcutCase& c : Shortcuts) {
        auto* item = FindNamed<QAction>(form, QLatin1String(c.Item));
        EXPECT_EQ(item->shortcut(), QKeySequence(c.Keys)) << c.Item;
        item->setEnabled(true); // Undo and Redo start disabled
        // Again for each key: a dialog that was open took the focus with it.
        Activate(form);
        CONTROL(form, EditRpmAdv1)->setFocus(); // where the focus is at start: in an edit box
        TItemSpies spies(form);
        QTest::keyClick(QApplication::focusWidget(), c.Keys.key(), c.Keys.keyboardModifiers());
        EXPECT_EQ(spies[c.Item], 1) << c.Item;
        EXPECT_EQ(spies.Total(), 1) << c.Item;
    }
}

TEST(Menu, CtrlShiftZIsNoRedo)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    Activate(form);
    TItemSpies spies(form);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(spies.Total(), 0);
}

TEST(Menu, ItemsWithoutShortcut)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    for (QAction* item :
         {CONTROL(form, MenuExit), CONTROL(form, MenuEnglish), CONTROL(form, MenuGerman),
          CONTROL(form, MenuFrench), CONTROL(form, MenuCzech), CONTROL(form, MenuAbout)})
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
}

TEST(Menu, ExitClosesTheWindow)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    form.show();
    CONTROL(form, MenuExit)->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST(ToolBar, EachButtonRunsItsMenuItem)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    const std::vector<std::pair<const char*, const char*>> buttons{
        {"SpeedButton6", "MenuNew"},         {"SpeedButton5", "MenuOpen"},
        {"SpeedButton7", "MenuSave"},        {"SpeedButtonPrint", "MenuPrint"},
        {"SpeedButtonZpet", "MenuZpet"},     {"SpeedButtonZnovu", "MenuZnovu"},
        {"ButtonRead", "MenuRead"},          {"ButtonVerify", "MenuVerify"},
        {"ButtonProgram", "MenuProgram"},    {"BitBtnAdvMinus", "MenuAdvanceMinus"},
        {"BitBtnAdvPlus", "MenuAdvancePlus"}};
    TMessageBoxes boxes;  // New asks first
    TFileDialogs dialogs; // cancels Open, Save and the PDF name of Print
    for (const auto& [button, item] : buttons) {
        FindNamed<QAction>(form, QLatin1String(item))->setEnabled(true);
        FindNamed<QAbstractButton>(form, QLatin1String(button))->setEnabled(true);
        TItemSpies spies(form);
        FindNamed<QAbstractButton>(form, QLatin1String(button))->click();
        EXPECT_EQ(spies[item], 1) << button;
        EXPECT_EQ(spies.Total(), 1) << button;
    }
}

TEST(ToolBar, GlyphsHaveANormalAndADisabledLook)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    for (QToolButton* button : {CONTROL(form, SpeedButton6), CONTROL(form, SpeedButton5),
                                CONTROL(form, SpeedButton7), CONTROL(form, SpeedButtonPrint),
                                CONTROL(form, SpeedButtonZpet), CONTROL(form, SpeedButtonZnovu)}) {
        const QIcon icon = button->icon();
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        EXPECT_NE(icon.pixmap(16, 16, QIcon::Normal).toImage(),
                  icon.pixmap(16, 16, QIcon::Disabled).toImage())
            << button->objectName().toStdString();
    }
}

TEST(FileDialogs, OpenOffersParameterAndAllFilesSaveOnlyParameterFiles)
{
    auto created = NewForm();
    TFormHlav& form = *created;
    EXPECT_EQ(CONTROL(form, OpenDialog1)->Kind(), TFileDialog::TKind::Open);
    EXPECT_EQ(CONTROL(form, OpenDialog1)->DefaultExt, QStringLiteral("ign"));
    EXPECT_TRUE(CONTROL(form, OpenDialog1)->FileName.isEmpty()) << "the last file: none yet";
    const QStringList filters = CONTROL(form, OpenDialog1)->Filters;
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Ignition Parametrs(*.ign)"));
    // The patterns in the last parentheses, as the file dialog takes them.
    const QString all = filters[1].section(QLatin1Char('('), -1).chopped(1);
    for (const char* name : {"tune", "tune.ign", "tune.IGN.bak", ".tune"})
        EXPECT_TRUE(QDir::match(all.split(QLatin1Char(' ')), QString::fromLatin1(name)))
            << name << " is hidden by " << filters[1].toStdString();
    EXPECT_EQ(CONTROL(form, SaveDialog1)->Kind(), TFileDialog::TKind::Save);
    EXPECT_EQ(CONTROL(form, SaveDialog1)->DefaultExt, QStringLiteral("ign"));
    EXPECT_TRUE(CONTROL(form, SaveDialog1)->FileName.isEmpty());
    EXPECT_EQ(CONTROL(form, SaveDialog1)->Filters, QStringList({"Ignition Parametrs(*.ign)"}));
    EXPECT_TRUE(CONTROL(form, SaveDialog1)->OverwritePrompt);
    EXPECT_FALSE(CONTROL(form, OpenDialog1)->OverwritePrompt);
}

} // namespace
