#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Digit groups read "10,000" whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
