#include "app/hlav.h"

#include "app/command_line.h"
#include "files/settings_ranges.h"
#include "ui/hint_router.h"
#include "texts/language.h"
#include "ui/widget_paint.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int TickMs = 55;
} // namespace

TFormHlav::TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent)
    : QMainWindow(parent), m_port(std::move(port)), m_link(*m_port, Image)
{
    BuildControls();
    // Chart geometry and settings file join here with their parts.
    Image.ResetPushMemory();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    Timer1->start();
    FormCreate();
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::FormCreate()
{
    BuildControlArrays();
    BuildPortMenu();
    m_hints->Install();
    m_link.State.PortIndex = PortMenuEntries; // settings fall back to "Com Auto"
    Image[ImageByte::Variant] = 0;
    Image.SetDefaults();
    CentreWindow();
    LoadSettings();
    ApplyCommandLine(ProgramArguments(), LanguageIndex);
    NormaliseImage();
    FillMessageTable();
    m_link.ShowMessage = [this](const std::string& text) { ShowLinkMessage(text); };
    m_link.OpenPort();
    ShowPortChoice();
    m_link.Display.LabelHlaseni.Visible = false;
    m_link.Display.CGaugeProgram.Visible = false;
    m_link.Display.LabelVersionVisible = false;
    LabelEeDataErr->hide();
    for (const auto slot : HlavSlots::TestLabels)
        (this->*slot)->setVisible(m_link.State.TestMode);
    ShowLinkDisplay();
}

void TFormHlav::LoadSettings()
{
    // Each stored port is its index plus one, read with the current value
    // as the default; with nothing stored that turns the preset 21 into
    // "Com Auto" and the automatic port into 255, which normalising makes COM1.
    m_link.State.PortIndex = static_cast<std::uint8_t>(m_link.State.PortIndex - 1);
    m_link.State.AutoPortIndex = static_cast<std::uint8_t>(m_link.State.AutoPortIndex - 1);
}

void TFormHlav::BuildControlArrays()
{
    for (int i = 0; i < CurvePoints; ++i) {
        RpmEdits[i] = this->*HlavSlots::RpmEdits[i];
        AdvanceEdits[i] = this->*HlavSlots::AdvanceEdits[i];
        RpmSpinners[i] = this->*HlavSlots::RpmSpinners[i];
        AdvanceSpinners[i] = this->*HlavSlots::AdvanceSpinners[i];
    }
}

void TFormHlav::CentreWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

void TFormHlav::NormaliseImage()
{
    Image.Normalise();
    ClampSettingsRanges(m_link.State.PortIndex, m_link.State.AutoPortIndex, LanguageIndex);
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
    if (LabelCom->text().toStdString() != m_link.LabelCom)
        ShowPortName(); // the re-open cycle moved on to another port
    ShowMonitorDisplay();
}

QObject* TFormHlav::FindControl(const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    if (wanted == objectName())
        return this;
    return findChild<QObject*>(wanted);
}

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

std::vector<std::string> ProgramArguments()
{
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());
    return arguments;
}
