#include "app/hlav.h"

#include "ui/language.h"
#include "ui/widget_paint.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int TickMs = 55;
constexpr int ClientWidth = 870;
constexpr int ClientHeight = 780;
constexpr int StatusBarHeight = 19;

QLabel* MakeLabel(QWidget* parent, int left, int top, int fontPixels, bool bold)
{
    auto* label = new QLabel(parent);
    label->move(left, top);
    QFont font = label->font();
    font.setPixelSize(fontPixels);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
} // namespace

TFormHlav::TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent)
    : QMainWindow(parent), m_port(std::move(port)), m_link(*m_port, Image)
{
    BuildControls();
    // Chart geometry, message table and settings file join here with their parts.
    Image.ResetPushMemory();
    Timer1 = new QTimer(this);
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    Timer1->start();
    FormCreate();
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::BuildControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight - StatusBarHeight);
    setCentralWidget(client);
    statusBar()->setFixedHeight(StatusBarHeight);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &TFormHlav::MenuExitClick);

    LabelSpojeni = MakeLabel(client, 445, 9, 23, true);
    LabelSpojeni->resize(174, 29);
    LabelSpojeni->setText(QStringLiteral("No connection with PC"));
    SetBackground(LabelSpojeni, TColour::Red);

    LabelHlaseni = MakeLabel(client, 9, 562, 13, true);
    LabelHlaseni->resize(272, 18);

    CGaugeProgram = new QProgressBar(client);
    CGaugeProgram->setGeometry(8, 585, 273, 16);
    CGaugeProgram->setRange(TGaugeModel::MinValue, TGaugeModel::MaxValue);
    CGaugeProgram->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: #00ffff; }"));

    LabelVersion = MakeLabel(client, 13, 696, 19, true);
    SetBackground(LabelVersion, TColour::Red);
    LabelEeDataErr = MakeLabel(client, 13, 728, 19, true);
    LabelEeDataErr->setText(QStringLiteral("Programmed data error"));
    LabelEeDataErr->adjustSize();
    SetBackground(LabelEeDataErr, TColour::Red);
}

void TFormHlav::FormCreate()
{
    m_link.State.PortIndex = PortMenuEntries; // settings fall back to "Com Auto"
    Image[ImageByte::Variant] = 0;
    Image.SetDefaults();
    adjustSize();
    CentreWindow();
    NormaliseImage();
    m_link.OpenPort();
    m_link.Display.LabelHlaseni.Visible = false;
    m_link.Display.CGaugeProgram.Visible = false;
    m_link.Display.LabelVersionVisible = false;
    LabelEeDataErr->hide();
    ShowLinkDisplay();
}

void TFormHlav::CentreWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

void TFormHlav::NormaliseImage()
{
    Image.Normalise();
    ClampSettingsRanges(m_link.State, LanguageIndex);
}

void TFormHlav::Timer1Timer()
{
    m_link.Tick();
    ShowLinkDisplay();
}

void TFormHlav::ShowLinkDisplay()
{
    const TLinkDisplay& display = m_link.Display;
    ShowLabel(LabelHlaseni, display.LabelHlaseni);
    ShowGauge(CGaugeProgram, display.CGaugeProgram);
    LabelSpojeni->setVisible(display.LabelSpojeniVisible);
    LabelVersion->setVisible(display.LabelVersionVisible);
}

void TFormHlav::MenuExitClick() { close(); }

void TFormHlav::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TFormHlav::FormClose()
{
    m_link.ClosePort();
    NormaliseImage();
}
