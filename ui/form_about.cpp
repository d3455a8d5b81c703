#include "ui/form_about.h"

#include "ui/pictures.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {
constexpr QSize ClientSize(596, 144);
constexpr int FontPixels = 11;
constexpr int ExitFontPixels = 23;

QLabel* NewLabel(QWidget* parent, const char* name, const QRect& place, int fontPixels)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPixelSize(fontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setGeometry(place);
    return label;
}
} // namespace

TFormAbout::TFormAbout(const TBuildStamp& stamp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("Kolvane"));
    setFixedSize(ClientSize);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(FontPixels);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* image = NewLabel(this, "Image1", QRect(0, 0, 599, 111), FontPixels);
    image->setPixmap(LogoPixmap(devicePixelRatioF()));
    NewLabel(this, "LabelDate", QRect(32, 127, 0, 0), FontPixels);
    NewLabel(this, "LabelTime", QRect(152, 127, 0, 0), FontPixels);
    m_labelExit = NewLabel(this, "LabelExit", QRect(544, 111, 35, 29), ExitFontPixels);
    m_labelExit->setText(QStringLiteral("OK"));
    m_labelExit->setCursor(Qt::PointingHandCursor);
    m_labelExit->installEventFilter(this);
    FormCreate(stamp);
}

void TFormAbout::FormCreate(const TBuildStamp& stamp)
{
    for (const auto& [name, text] :
         {std::pair{"LabelDate", &stamp.Date}, {"LabelTime", &stamp.Time}}) {
        auto* label = findChild<QLabel*>(QLatin1String(name));
        label->setText(QString::fromStdString(*text));
        label->adjustSize();
    }
    // Once only: opened again, the window stays where the user left it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize outer = frameGeometry().size();
        const QSize area = screen->size();
        move(area.width() / 2 - outer.width() / 2, area.height() / 2 - outer.height() / 2);
    }
}

void TFormAbout::Button1Click()
{
    accept();
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_labelExit && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        m_labelExit->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbout::keyPressEvent(QKeyEvent* event)
{
    // No default or cancel button: Enter and Escape leave the window open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
