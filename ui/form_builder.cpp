#include "ui/form_builder.h"

#include "ui/label.h"
#include "ui/up_down.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>

namespace {
constexpr int EditPadding = 2;
} // namespace

void SetFontPixels(QWidget* widget, int pixels, bool bold)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

TLabel* NewLabel(QWidget* parent, const char* name, int left, int top)
{
    auto* label = new TLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, width, EditHeight);
    // The boxes are as narrow as "20,100"; give back the toolkit's inner
    // padding so such a value fits.
    edit->setTextMargins(-EditPadding, 0, -EditPadding, 0);
    return edit;
}

TUpDown* NewUpDown(const char* name, QLineEdit* buddy, const TSpinRange& range, bool thousands)
{
    auto* spinner = new TUpDown(buddy->parentWidget());
    spinner->setObjectName(QLatin1String(name));
    spinner->SetRange(range.Min, range.Max);
    spinner->SetIncrement(range.Step);
    spinner->SetThousands(thousands);
    spinner->SetAssociate(buddy);
    spinner->SetPosition(range.Start);
    return spinner;
}

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QProgressBar* NewGauge(QWidget* parent, const char* name, const QRect& geometry, int maximum,
                       const QColor& colour, bool showPercent)
{
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(QLatin1String(name));
    gauge->setGeometry(geometry);
    gauge->setRange(0, maximum);
    gauge->setValue(0);
    gauge->setTextVisible(showPercent);
    gauge->setFormat(QStringLiteral("%p%"));
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid #808080; background: white;"
                       " color: black; }"
                       "QProgressBar::chunk { background: %1; }"
                       // A gauge that shows a stale value is disabled: grey.
                       "QProgressBar:disabled { color: #808080; }"
                       "QProgressBar::chunk:disabled { background: #b0b0b0; }")
            .arg(colour.name()));
    return gauge;
}
