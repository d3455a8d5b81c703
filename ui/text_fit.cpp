#include "ui/text_fit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

#include <array>

namespace {
// The widget's own font while a squeezed one stands in for it, whether that
// own font was only inherited, and the squeezed font itself.
const char* const OwnFontProperty = "fitOwnFont";
const char* const InheritedFontProperty = "fitInheritedFont";
const char* const SqueezedFontProperty = "fitSqueezedFont";

constexpr std::array<int, 4> NarrowStretches{QFont::SemiCondensed, QFont::Condensed,
                                             QFont::ExtraCondensed, QFont::UltraCondensed};
constexpr qreal SpacingStep = 0.5;
// Letters close up by at most a tenth of the font's height; beyond that
// they run into each other.
constexpr qreal MostTightening = 0.1;
constexpr int SmallestPixels = 6;
// A push button's caption keeps this far from the bevel on either side.
constexpr int BevelClearance = 2;

QSize TextSize(const QFont& font, const QString& text)
{
    return QFontMetrics(font).size(Qt::TextShowMnemonic, text);
}

bool Fits(const QFont& font, const QString& text, const QSize& room)
{
    const QSize size = TextSize(font, text);
    return size.width() <= room.width() && size.height() <= room.height();
}

int Stretch(const QFont& font)
{
    return font.stretch() == QFont::AnyStretch ? int(QFont::Unstretched) : font.stretch();
}

void ForgetSqueezing(QWidget* widget)
{
    for (const char* name : {OwnFontProperty, InheritedFontProperty, SqueezedFontProperty})
        widget->setProperty(name, QVariant());
}

// Where the button's style draws its caption.
int CaptionWidth(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    int clearance = 2 * BevelClearance;
    if (qobject_cast<const QCheckBox*>(button)) {
        element = QStyle::SE_CheckBoxContents;
        clearance = 0;
    } else if (qobject_cast<const QRadioButton*>(button)) {
        element = QStyle::SE_RadioButtonContents;
        clearance = 0;
    } else if (!qobject_cast<const QPushButton*>(button)) {
        return 0;
    }
    return button->style()->subElementRect(element, &option, button).width() - clearance;
}

} // namespace

QFont FittingFont(const QFont& font, const QString& text, const QSize& room)
{
    if (room.isEmpty() || Fits(font, text, room))
        return font;
    QFont fitting = font;
    int pixels = QFontInfo(font).pixelSize();
    // Only a smaller size makes a text lower.
    while (pixels > SmallestPixels && TextSize(fitting, text).height() > room.height())
        fitting.setPixelSize(--pixels);
    if (Fits(fitting, text, room))
        return fitting;
    for (const int stretch : NarrowStretches) {
        if (stretch >= Stretch(font))
            continue;
        fitting.setStretch(stretch);
        if (Fits(fitting, text, room))
            return fitting;
    }
    const qreal tightest = -MostTightening * pixels;
    for (qreal spacing = -SpacingStep; spacing >= tightest; spacing -= SpacingStep) {
        fitting.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        if (Fits(fitting, text, room))
            return fitting;
    }
    while (pixels > SmallestPixels) {
        fitting.setPixelSize(--pixels);
        if (Fits(fitting, text, room))
            return fitting;
    }
    return fitting;
}

void FitText(QWidget* widget, const QString& text, const QSize& room)
{
    const QVariant squeezedFont = widget->property(SqueezedFontProperty);
    // A font set since the squeezing is the owner's new choice.
    const bool squeezed = squeezedFont.isValid() && squeezedFont.value<QFont>() == widget->font();
    const QFont own = squeezed ? widget->property(OwnFontProperty).value<QFont>() : widget->font();
    const bool inherited = squeezed ? widget->property(InheritedFontProperty).toBool()
                                    : !widget->testAttribute(Qt::WA_SetFont);
    const QFont fitting = FittingFont(own, text, room);
    if (fitting == own) {
        // An empty font lets the widget follow its parent's font again.
        if (squeezed)
            widget->setFont(inherited ? QFont() : own);
        ForgetSqueezing(widget);
        return;
    }
    widget->setProperty(OwnFontProperty, own);
    widget->setProperty(InheritedFontProperty, inherited);
    widget->setFont(fitting);
    widget->setProperty(SqueezedFontProperty, widget->font());
}

void FitButtonText(QAbstractButton* button)
{
    const int width = CaptionWidth(button);
    if (width > 0)
        FitText(button, button->text(), QSize(width, QWIDGETSIZE_MAX));
}
