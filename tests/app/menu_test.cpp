#include "counting_form.h"

#include "ui/file_dialog.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

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
    TCountingForm form;
    EXPECT_EQ(Names(form.MainMenu1->actions()),
              QStringList(
                  {"MenuFile", "MenuCom", "MenuDevice", "MenuTools", "MenuLanguage", "MenuHelp"}));
    EXPECT_EQ(Names(form.MenuFile->actions()),
              QStringList({"MenuNew", "N3", "MenuOpen", "N1", "MenuSave", "N2", "MenuPrint", "N4",
                           "MenuExit"}));
    for (QAction* separator : {form.N1, form.N2, form.N3, form.N4})
        EXPECT_TRUE(separator->isSeparator());
    EXPECT_EQ(Names(form.MenuDevice->actions()),
              QStringList({"MenuRead", "MenuVerify", "MenuProgram"}));
    EXPECT_EQ(Names(form.MenuTools->actions()),
              QStringList({"MenuAdvanceMinus", "MenuAdvancePlus", "MenuZpet", "MenuZnovu"}));
    EXPECT_EQ(Names(form.MenuLanguage->actions()),
              QStringList({"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"}));
    EXPECT_EQ(Names(form.MenuHelp->actions()), QStringList({"MenuContens", "MenuAbout"}));
}

struct TShortcutCase {
    const char* Item;
    QKeyCombination Keys;
    const char* Handler;
};

const std::vector<TShortcutCase> Shortcuts{
    {"MenuNew", Qt::CTRL | Qt::Key_N, "MenuNewClick"},
    {"MenuOpen", QKeyCombination(Qt::Key_F3), "MenuOpenClick"},
    {"MenuSave", QKeyCombination(Qt::Key_F2), "MenuSaveClick"},
    {"MenuPrint", Qt::CTRL | Qt::Key_P, "SpeedButtonPrintClick"},
    {"MenuRead", QKeyCombination(Qt::Key_F7), "MenuReadClick"},
    {"MenuVerify", QKeyCombination(Qt::Key_F8), "MenuVerifyClick"},
    {"MenuProgram", QKeyCombination(Qt::Key_F9), "MenuProgramClick"},
    {"MenuAdvanceMinus", QKeyCombination(Qt::Key_F4), "BitBtnAdvMinusClick"},
    {"MenuAdvancePlus", QKeyCombination(Qt::Key_F5), "BitBtnAdvPlusClick"},
    {"MenuZpet", Qt::CTRL | Qt::Key_Z, "SpeedButtonZpetClick"},
    {"MenuZnovu", Qt::CTRL | Qt::ALT | Qt::Key_Z, "SpeedButtonZnovuClick"},
    {"MenuContens", QKeyCombination(Qt::Key_F1), "MenuContensClick"},
};

TEST(Menu, EachShortcutIsOnItsItemAndReachesItsHandler)
{
    TCountingForm form;
    Activate(form);
    form.EditRpmAdv1->setFocus(); // where the focus is at start: in an edit box
    for (const TShortcutCase& c : Shortcuts) {
        auto* item = qobject_cast<QAction*>(form.FindControl(c.Item));
        ASSERT_TRUE(item) << c.Item;
        EXPECT_EQ(item->shortcut(), QKeySequence(c.Keys)) << c.Item;
        form.Calls.clear();
        QTest::keyClick(QApplication::focusWidget(), c.Keys.key(), c.Keys.keyboardModifiers());
        EXPECT_EQ(form[c.Handler], 1) << c.Item;
        EXPECT_EQ(form.Calls.size(), 1u) << c.Item;
    }
}

TEST(Menu, CtrlShiftZIsNoRedo)
{
    TCountingForm form;
    Activate(form);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form["SpeedButtonZnovuClick"], 0);
    EXPECT_EQ(form["SpeedButtonZpetClick"], 0);
}

TEST(Menu, ItemsWithoutShortcut)
{
    TCountingForm form;
    for (QAction* item : {form.MenuExit, form.MenuEnglish, form.MenuGerman, form.MenuFrench,
                          form.MenuCzech, form.MenuAbout})
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
}

TEST(Menu, ItemsWithoutShortcutRunTheirHandlers)
{
    TCountingForm form;
    form.MenuExit->trigger();
    form.MenuAbout->trigger();
    EXPECT_EQ(form["MenuExitClick"], 1);
    EXPECT_EQ(form["MenuAboutClick"], 1);
}

TEST(ToolBar, EachButtonRunsTheHandlerOfItsMenuItem)
{
    TCountingForm form;
    const std::vector<std::pair<QAbstractButton*, const char*>> buttons{
        {form.SpeedButton6, "MenuNewClick"},
        {form.SpeedButton5, "MenuOpenClick"},
        {form.SpeedButton7, "MenuSaveClick"},
        {form.SpeedButtonPrint, "SpeedButtonPrintClick"},
        {form.SpeedButtonZpet, "SpeedButtonZpetClick"},
        {form.SpeedButtonZnovu, "SpeedButtonZnovuClick"},
        {form.ButtonRead, "MenuReadClick"},
        {form.ButtonVerify, "MenuVerifyClick"},
        {form.ButtonProgram, "MenuProgramClick"},
        {form.BitBtnAdvMinus, "BitBtnAdvMinusClick"},
        {form.BitBtnAdvPlus, "BitBtnAdvPlusClick"}};
    for (const auto& [button, handler] : buttons) {
        form.Calls.clear();
        button->click();
        EXPECT_EQ(form[handler], 1) << button->objectName().toStdString();
        EXPECT_EQ(form.Calls.size(), 1u) << button->objectName().toStdString();
    }
}

TEST(ToolBar, GlyphsHaveANormalAndADisabledLook)
{
    TCountingForm form;
    for (QToolButton* button :
         {form.SpeedButton6, form.SpeedButton5, form.SpeedButton7, form.SpeedButtonPrint,
          form.SpeedButtonZpet, form.SpeedButtonZnovu}) {
        const QIcon icon = button->icon();
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        EXPECT_NE(icon.pixmap(16, 16, QIcon::Normal).toImage(),
                  icon.pixmap(16, 16, QIcon::Disabled).toImage())
            << button->objectName().toStdString();
    }
}

TEST(FileDialogs, OpenOffersParameterAndAllFilesSaveOnlyParameterFiles)
{
    TCountingForm form;
    EXPECT_EQ(form.OpenDialog1->Kind(), TFileDialog::TKind::Open);
    EXPECT_EQ(form.OpenDialog1->DefaultExt, QStringLiteral("ign"));
    EXPECT_EQ(form.OpenDialog1->FileName, QStringLiteral(" "));
    EXPECT_EQ(form.OpenDialog1->Filters,
              QStringList({"Ignition Parametrs(*.ign)", "All Files (*.*)"}));
    EXPECT_EQ(form.SaveDialog1->Kind(), TFileDialog::TKind::Save);
    EXPECT_EQ(form.SaveDialog1->DefaultExt, QStringLiteral("ign"));
    EXPECT_TRUE(form.SaveDialog1->FileName.isEmpty());
    EXPECT_EQ(form.SaveDialog1->Filters, QStringList({"Ignition Parametrs(*.ign)"}));
    EXPECT_TRUE(form.SaveDialog1->OverwritePrompt);
    EXPECT_FALSE(form.OpenDialog1->OverwritePrompt);
}

} // namespace
