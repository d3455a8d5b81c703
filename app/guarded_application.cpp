#include "app/guarded_application.h"

#include <QMessageBox>
#include <exception>

TGuardedApplication::TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowExceptionBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowExceptionBox(QStringLiteral("Unknown exception"));
    }
    return false;
}

void ShowExceptionBox(const QString& text)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), text);
}
