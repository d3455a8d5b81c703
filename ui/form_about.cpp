#include "ui/form_about.h"

#include <QLabel>
#include <QVBoxLayout>

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kolvane"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kolvane"), this));
}
