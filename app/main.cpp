#include "app/guarded_application.h"
#include "app/hlav.h"
#include "app/null_port.h"
#include "ui/form_about.h"

#include <exception>

int main(int argc, char** argv)
{
    TGuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvane"));
    try {
        TFormHlav FormHlav(std::make_unique<TNullPort>());
        TFormAbout FormAbout(&FormHlav);
        FormHlav.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ShowExceptionBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowExceptionBox(QStringLiteral("Unknown exception"));
    }
    return 0;
}
