// The main menu and the file dialogs.
#include "app/hlav_controls.h"
#include "app/hlav_layout.h"
#include "ui/file_dialog.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
QMenu* NewMenu(QMenuBar* bar, const char* name)
{
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* NewItem(QMenu* menu, const char* name, const QKeySequence& shortcut = {})
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}

QAction* NewSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

void BuildFileMenu(THlavControls& ui)
{
    ui.MenuFile = NewMenu(ui.MainMenu1, "MenuFile");
    ui.MenuNew = NewItem(ui.MenuFile, "MenuNew", Qt::CTRL | Qt::Key_N);
    ui.N3 = NewSeparator(ui.MenuFile, "N3");
    ui.MenuOpen = NewItem(ui.MenuFile, "MenuOpen", Qt::Key_F3);
    ui.N1 = NewSeparator(ui.MenuFile, "N1");
    ui.MenuSave = NewItem(ui.MenuFile, "MenuSave", Qt::Key_F2);
    ui.N2 = NewSeparator(ui.MenuFile, "N2");
    ui.MenuPrint = NewItem(ui.MenuFile, "MenuPrint", Qt::CTRL | Qt::Key_P);
    ui.N4 = NewSeparator(ui.MenuFile, "N4");
    ui.MenuExit = NewItem(ui.MenuFile, "MenuExit");
}

void BuildToolsMenus(THlavControls& ui)
{
    ui.MenuTools = NewMenu(ui.MainMenu1, "MenuTools");
    ui.MenuAdvanceMinus = NewItem(ui.MenuTools, "MenuAdvanceMinus", Qt::Key_F4);
    ui.MenuAdvancePlus = NewItem(ui.MenuTools, "MenuAdvancePlus", Qt::Key_F5);
    ui.MenuZpet = NewItem(ui.MenuTools, "MenuZpet", Qt::CTRL | Qt::Key_Z);
    // Ctrl+Alt+Z, not the Ctrl+Shift+Z that other programs use for redo.
    ui.MenuZnovu = NewItem(ui.MenuTools, "MenuZnovu", Qt::CTRL | Qt::ALT | Qt::Key_Z);
}

void BuildLanguageMenu(QMainWindow& form, THlavControls& ui)
{
    ui.MenuLanguage = NewMenu(ui.MainMenu1, "MenuLanguage");
    ui.Languages = new QActionGroup(&form);
    ui.MenuEnglish = NewItem(ui.MenuLanguage, "MenuEnglish");
    ui.MenuGerman = NewItem(ui.MenuLanguage, "MenuGerman");
    ui.MenuFrench = NewItem(ui.MenuLanguage, "MenuFrench");
    ui.MenuCzech = NewItem(ui.MenuLanguage, "MenuCzech");
    for (QAction* item : {ui.MenuEnglish, ui.MenuGerman, ui.MenuFrench, ui.MenuCzech}) {
        item->setCheckable(true);
        ui.Languages->addAction(item);
    }
}

} // namespace

void BuildMenu(QMainWindow& form, THlavControls& ui)
{
    ui.MainMenu1 = form.menuBar();
    ui.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    BuildFileMenu(ui);
    // The port items are added when the window is created (BuildPortMenu).
    ui.MenuCom = NewMenu(ui.MainMenu1, "MenuCom");
    ui.MenuDevice = NewMenu(ui.MainMenu1, "MenuDevice");
    ui.MenuRead = NewItem(ui.MenuDevice, "MenuRead", Qt::Key_F7);
    ui.MenuVerify = NewItem(ui.MenuDevice, "MenuVerify", Qt::Key_F8);
    ui.MenuProgram = NewItem(ui.MenuDevice, "MenuProgram", Qt::Key_F9);
    BuildToolsMenus(ui);
    BuildLanguageMenu(form, ui);
    ui.MenuHelp = NewMenu(ui.MainMenu1, "MenuHelp");
    ui.MenuContens = NewItem(ui.MenuHelp, "MenuContens", Qt::Key_F1);
    ui.MenuAbout = NewItem(ui.MenuHelp, "MenuAbout");
}

void BuildDialogs(QMainWindow& form, THlavControls& ui)
{
    ui.OpenDialog1 = new TFileDialog(TFileDialog::TKind::Open, &form);
    ui.OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    ui.OpenDialog1->DefaultExt = QStringLiteral("ign");
    ui.OpenDialog1->FileName = QStringLiteral(" ");
    // "*.*" would hide every name without a dot, as Linux names often are.
    ui.OpenDialog1->Filters = {QStringLiteral("Ignition Parametrs(*.ign)"),
                               QStringLiteral("All Files (*)")};

    ui.SaveDialog1 = new TFileDialog(TFileDialog::TKind::Save, &form);
    ui.SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    ui.SaveDialog1->DefaultExt = QStringLiteral("ign");
    ui.SaveDialog1->Filters = {QStringLiteral("Ignition Parametrs(*.ign)")};
    ui.SaveDialog1->OverwritePrompt = true;
}
