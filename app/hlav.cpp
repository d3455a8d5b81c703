// The window's life: construction, start-up, the settings it starts from and
// the close.
#include "app/hlav.h"

#include "app/command_line.h"
#include "app/hlav_layout.h"
#include "app/print_job.h"
#include "app/window_place.h"
#include "files/settings_ranges.h"
#include "texts/language.h"
#include "ui/deferred_boxes.h"
#include "ui/hint_router.h"

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {
constexpr int TickMs = 55;
} // namespace

static_assert(PortIndexLimit == PortMenuEntries, "every port menu entry is a valid setting");

TFormHlav::TFormHlav(std::unique_ptr<ILinkPort> port, QWidget* parent)
    : QMainWindow(parent), m_port(std::move(port)), m_link(*m_port, m_image)
{
    BuildHlavControls(*this, m_ui);
    m_boxes = new TDeferredBoxes(this, this);
    m_hints = new THintRouter(this, m_ui.StatusBar1);
    for (QAction* entry : m_ui.MainMenu1->actions()) {
        m_hints->Watch(entry);
        for (QAction* item : entry->menu()->actions())
            m_hints->Watch(item);
    }
    ApplyFormTexts();
    SetHlavTabOrder(m_ui);
    MarkTooltips(m_ui);
    SizeHlavWindow(*this);
    ConnectHandlers();
    ChartInit(m_chart);
    m_chartPicture = QImage(m_ui.GrafAdv->size(), QImage::Format_RGB32);
    m_image.ResetPushMemory();
    ChartRedraw = ChartRecompute;
    m_ui.Timer1 = new QTimer(this);
    m_ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    m_ui.Timer1->setInterval(TickMs);
    // A coarse timer may fire up to 5 % early, and every count of ticks
    // (polling, re-sends, the silence watch) would run short by as much.
    m_ui.Timer1->setTimerType(Qt::PreciseTimer);
    connect(m_ui.Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    m_ui.Timer1->start();
    FormCreate();
}

TFormHlav::~TFormHlav()
{
    // A help opener still running reports to nobody now. Its viewer, if it
    // started one, stays open.
    for (QProcess* opener : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        opener->disconnect(this);
        opener->kill();
        opener->waitForFinished();
    }
}

void TFormHlav::FormCreate()
{
    BuildControlArrays();
    BuildPortMenu();
    m_hints->Install();
    std::uint8_t portIndex = PortMenuEntries; // settings fall back to "Com Auto"
    std::uint8_t autoPortIndex = 0;
    m_image[ImageByte::Variant] = 0;
    m_image.SetDefaults();
    CentreWindow();
    LoadSettings(portIndex, autoPortIndex);
    ApplyCommandLine(ParseStartOptions(ProgramArguments()).Words, LanguageIndex);
    m_link.SetPorts(portIndex, autoPortIndex);
    NormaliseImage();
    FillMessageTable();
    ShowImage();
    HistoryInit();
    m_link.OpenPort();
    ShowPortChoice();
    m_ui.LabelEeDataErr->hide();
    ReadTestMarker();
    for (const auto slot : HlavSlots::TestLabels)
        (m_ui.*slot)->setVisible(m_link.State().TestMode);
    ShowLinkDisplay();
    RefreshDependents();
    ReactToLinkEvents();
    m_boxes->ShowWaiting();
}

void TFormHlav::CentreWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = frameGeometry().size();
    move(KeepTitleBarOnScreen(CentredTopLeft(outer, screen->geometry()),
                              screen->availableGeometry()));
}

void TFormHlav::NormaliseImage()
{
    m_image.Normalise();
    std::uint8_t portIndex = m_link.State().PortIndex;
    std::uint8_t autoPortIndex = m_link.State().AutoPortIndex;
    ClampSettingsRanges(portIndex, autoPortIndex, LanguageIndex);
    m_link.SetPorts(portIndex, autoPortIndex);
}

void TFormHlav::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TFormHlav::FormClose()
{
    // Nothing goes to the unit once the close has begun, also while a box
    // about the settings is open: no poll, no re-open of the port.
    m_closing = true;
    m_ui.Timer1->stop();
    m_link.ClosePort();
    WriteBackControls();
    NormaliseImage();
    const std::vector<std::string> failures = SaveSettings();
    QStringList lines;
    for (const std::string& failure : failures) {
        std::fprintf(stderr, "kolvane: %s\n", failure.c_str());
        lines << QString::fromStdString(failure);
    }
    // Nobody watches the screen when the session ends; the lines above stay.
    if (!lines.isEmpty() && !m_closingForSignal) {
        m_boxes->Post(QMessageBox::Warning, windowTitle(), lines.join(QLatin1Char('\n')));
        m_boxes->ShowWaiting();
    }
}

void TFormHlav::CloseForSignal()
{
    m_closingForSignal = true;
    m_boxes->DropWaiting();
    // A box or dialog that is open would hold the end back, the one about a
    // failed save at close among them: each is cancelled as Escape would.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    if (!m_closing)
        close();
}

void TFormHlav::MenuExitClick()
{
    close();
}

std::vector<std::string> ProgramArguments()
{
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());
    return arguments;
}
