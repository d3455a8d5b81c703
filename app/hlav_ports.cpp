// The port menu: twenty fixed ports and "Com Auto", each running MenuCom1Click.
#include "app/hlav.h"

#include "ui/hint_router.h"
#include "ui/label.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

void TFormHlav::BuildPortMenu()
{
    for (int i = 0; i < PortMenuEntries; ++i) {
        const QString caption = i == AutoPortEntry ? QStringLiteral("Com Auto")
                                                   : QStringLiteral("Com %1").arg(i + 1);
        QAction* item = MenuCom->addAction(caption);
        item->setObjectName(QStringLiteral("MenuComItem%1").arg(i + 1));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item] { MenuCom1Click(item); });
        PortMenuItems[i] = item;
    }
}

void TFormHlav::MenuCom1Click(QObject* sender)
{
    std::uint8_t entry = PortMenuEntries; // no match keeps PortIndex
    for (int i = 0; i < PortMenuEntries; ++i)
        if (PortMenuItems[i] == sender)
            entry = static_cast<std::uint8_t>(i);
    m_link.SelectPort(entry);
    ShowPortChoice();
}

void TFormHlav::ShowPortChoice()
{
    for (int i = 0; i < PortMenuEntries; ++i)
        if (PortMenuItems[i])
            PortMenuItems[i]->setChecked(i == m_link.State.PortIndex);
    ShowPortName();
}

void TFormHlav::ShowPortName()
{
    SetCaption(LabelCom, QString::fromStdString(m_link.LabelCom));
    const std::string device = m_port->DeviceName(m_link.SelectedPortNumber());
    THintRouter::SetHint(LabelCom, QString::fromStdString(device.empty() ? "-" : device));
}

void TFormHlav::ShowLinkMessage(const std::string& text)
{
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
}
