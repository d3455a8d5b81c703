#include "app/guarded_application.h"

#include "ui/deferred_boxes.h"

#include <QMessageBox>
#include <exception>

TGuardedApplication::TGuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_boxes(new TDeferredBoxes(nullptr, this))
{
}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    QString text;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = QStringLiteral("Unknown exception");
    }
    m_boxes->Post(QMessageBox::Critical, applicationName(), text);
    return false;
}

void ShowExceptionBox(const QString& text)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), text);
}
