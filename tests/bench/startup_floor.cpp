// The floor for the start-up benchmark: a plain Qt Widgets window with 150
// labels, built and timed the same way as the program's own window.
#include "ui/startup_probe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    constexpr int Labels = 150;
    constexpr int Columns = 10;
    for (int i = 0; i < Labels; ++i)
        grid->addWidget(new QLabel(QString("Label %1").arg(i + 1)), i / Columns, i % Columns);
    InstallStartupProbe(window);
    window.show();
    return QApplication::exec();
}
