#ifdef KOLVANE_GUARDED_APPLICATION
#include "app/guarded_application.h"
using TTestApplication = TGuardedApplication;
#else
#include <QApplication>
using TTestApplication = QApplication;
#endif
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Not our leak: libcups loses a few strings when Qt reads a printer's options.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:_ppdCacheCreateWithPPD\n";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows of the tests keep their settings here, never in the
    // user's own configuration, and parallel runs never share them.
    QTemporaryDir configuration;
    if (!configuration.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    // Digit groups read "10,000" whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
    TTestApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
