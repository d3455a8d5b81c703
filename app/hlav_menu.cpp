// The main menu and the file dialogs.
#include "app/hlav.h"

#include "ui/file_dialog.h"
#include "ui/hint_router.h"

#include <QActionGroup>
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
} // namespace

void TFormHlav::BuildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    BuildFileMenu();
    // The port items are added when the window is created (BuildPortMenu).
    MenuCom = NewMenu(MainMenu1, "MenuCom");
    MenuDevice = NewMenu(MainMenu1, "MenuDevice");
    MenuRead = NewItem(MenuDevice, "MenuRead", Qt::Key_F7);
    MenuVerify = NewItem(MenuDevice, "MenuVerify", Qt::Key_F8);
    MenuProgram = NewItem(MenuDevice, "MenuProgram", Qt::Key_F9);
    BuildToolsMenus();
    BuildLanguageMenu();
    MenuHelp = NewMenu(MainMenu1, "MenuHelp");
    MenuContens = NewItem(MenuHelp, "MenuContens", Qt::Key_F1);
    MenuAbout = NewItem(MenuHelp, "MenuAbout");

    for (QAction* entry : MainMenu1->actions()) {
        m_hints->Watch(entry);
        for (QAction* item : entry->menu()->actions())
            m_hints->Watch(item);
    }
}

void TFormHlav::BuildFileMenu()
{
    MenuFile = NewMenu(MainMenu1, "MenuFile");
    MenuNew = NewItem(MenuFile, "MenuNew", Qt::CTRL | Qt::Key_N);
    N3 = NewSeparator(MenuFile, "N3");
    MenuOpen = NewItem(MenuFile, "MenuOpen", Qt::Key_F3);
    N1 = NewSeparator(MenuFile, "N1");
    MenuSave = NewItem(MenuFile, "MenuSave", Qt::Key_F2);
    N2 = NewSeparator(MenuFile, "N2");
    MenuPrint = NewItem(MenuFile, "MenuPrint", Qt::CTRL | Qt::Key_P);
    N4 = NewSeparator(MenuFile, "N4");
    MenuExit = NewItem(MenuFile, "MenuExit");
}

void TFormHlav::BuildToolsMenus()
{
    MenuTools = NewMenu(MainMenu1, "MenuTools");
    MenuAdvanceMinus = NewItem(MenuTools, "MenuAdvanceMinus", Qt::Key_F4);
    MenuAdvancePlus = NewItem(MenuTools, "MenuAdvancePlus", Qt::Key_F5);
    MenuZpet = NewItem(MenuTools, "MenuZpet", Qt::CTRL | Qt::Key_Z);
    // Ctrl+Alt+Z, not the Ctrl+Shift+Z that other programs use for redo.
    MenuZnovu = NewItem(MenuTools, "MenuZnovu", Qt::CTRL | Qt::ALT | Qt::Key_Z);
}

void TFormHlav::BuildLanguageMenu()
{
    MenuLanguage = NewMenu(MainMenu1, "MenuLanguage");
    m_languages = new QActionGroup(this);
    MenuEnglish = NewItem(MenuLanguage, "MenuEnglish");
    MenuGerman = NewItem(MenuLanguage, "MenuGerman");
    MenuFrench = NewItem(MenuLanguage, "MenuFrench");
    MenuCzech = NewItem(MenuLanguage, "MenuCzech");
    for (QAction* item : {MenuEnglish, MenuGerman, MenuFrench, MenuCzech}) {
        item->setCheckable(true);
        m_languages->addAction(item);
    }
}

void TFormHlav::BuildDialogs()
{
    OpenDialog1 = new TFileDialog(TFileDialog::TKind::Open, this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->DefaultExt = QStringLiteral("ign");
    OpenDialog1->FileName = QStringLiteral(" ");
    OpenDialog1->Filters = {QStringLiteral("Ignition Parametrs(*.ign)"),
                            QStringLiteral("All Files (*.*)")};

    SaveDialog1 = new TFileDialog(TFileDialog::TKind::Save, this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->DefaultExt = QStringLiteral("ign");
    SaveDialog1->Filters = {QStringLiteral("Ignition Parametrs(*.ign)")};
    SaveDialog1->OverwritePrompt = true;
}
