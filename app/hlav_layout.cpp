// The window's upper half: frame, tool bar, chart, logo and curve editor.
#include "app/hlav.h"

#include "ui/form_builder.h"
#include "ui/hint_router.h"
#include "ui/label.h"
#include "ui/pictures.h"
#include "ui/up_down.h"
#include "ui/widget_paint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace {
constexpr int ClientWidth = 870;
constexpr int ClientHeight = 780;
constexpr int StatusBarHeight = 19;
constexpr int WindowFontPixels = 11;

QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QRect& geometry,
                            TToolGlyph glyph)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setIcon(ToolIcon(glyph));
    button->setIconSize(QSize(GlyphSize, GlyphSize));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

// The curve's rows: points 1-10 in the left column pair, 11-15 in the right.
struct TCurveColumn {
    int SpeedLeft;
    int AdvanceLeft;
};
constexpr TCurveColumn LeftColumn{20, 99};
constexpr TCurveColumn RightColumn{179, 258};
constexpr std::array<int, CurvePoints> RowTops{49,  85,  120, 156, 191, 227, 262, 298,
                                               334, 370, 47,  83,  118, 154, 189};
constexpr std::array<int, CurvePoints> StartSpeeds{1000, 2000,  3000, 4000, 5000, 6000, 7000, 8000,
                                                   9000, 10000, 3000, 4000, 5000, 6000, 7000};
constexpr int LeftColumnPoints = 10;
constexpr int SpeedEditWidth = 40;
constexpr int AdvanceEditWidth = 30;
constexpr int SpeedMin = 600, SpeedMax = 20100, SpeedStep = 100;
constexpr TSpinRange AdvanceRange{0, 60, 1, 20};
} // namespace

void TFormHlav::BuildControls()
{
    setObjectName(QStringLiteral("FormHlav"));
    setWindowIcon(QIcon(WindowIconPixmap()));
    auto* client = new QWidget(this);
    SetFontPixels(client, WindowFontPixels, false);
    QFont narrow = client->font();
    narrow.setStretch(QFont::SemiCondensed);
    client->setFont(narrow);
    setCentralWidget(client);
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(StatusBarHeight);
    m_hints = new THintRouter(this, StatusBar1);

    // Created first so that everything else lies above the transparent logo.
    ImageLogo = new QLabel(client);
    ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ImageLogo->setGeometry(305, 42, 565, 112);
    ImageLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImageLogo->setPixmap(LogoPixmap());
    ImageLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    BuildToolBar(client);
    LabelSpojeni = NewLabel(client, "LabelSpojeni", 445, 9);
    LabelSpojeni->resize(174, 29);
    SetFontPixels(LabelSpojeni, 23, true);
    SetBackground(LabelSpojeni, TColour::Red);

    GrafAdv = new QLabel(client);
    GrafAdv->setObjectName(QStringLiteral("GrafAdv"));
    GrafAdv->setGeometry(4, 49, 333, 103);
    GrafAdv->setMouseTracking(true);

    BuildCurveEditor(client);
    BuildOptions(client);
    BuildLiveDisplay(client);
    BuildStatusLabels(client);
    BuildHiddenControls(client);
    BuildMenu();
    BuildDialogs();
    ApplyFormTexts();
    MarkTooltips();
    SetTabOrder();
    ConnectHandlers();
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
}

void TFormHlav::BuildToolBar(QWidget* client)
{
    GroupBoxToolBar = NewGroupBox(client, "GroupBoxToolBar", {4, 0, 437, 43});
    QWidget* bar = GroupBoxToolBar;
    SpeedButton6 = NewSpeedButton(bar, "SpeedButton6", {8, 12, 24, 23}, TToolGlyph::New);
    SpeedButton5 = NewSpeedButton(bar, "SpeedButton5", {40, 12, 24, 23}, TToolGlyph::Open);
    SpeedButton7 = NewSpeedButton(bar, "SpeedButton7", {73, 12, 24, 23}, TToolGlyph::Save);
    SpeedButtonPrint =
        NewSpeedButton(bar, "SpeedButtonPrint", {106, 12, 24, 23}, TToolGlyph::Print);
    SpeedButtonZpet = NewSpeedButton(bar, "SpeedButtonZpet", {139, 13, 23, 22}, TToolGlyph::Undo);
    SpeedButtonZnovu = NewSpeedButton(bar, "SpeedButtonZnovu", {172, 13, 23, 22}, TToolGlyph::Redo);
    ButtonRead = NewButton(bar, "ButtonRead", {206, 12, 57, 23});
    ButtonVerify = NewButton(bar, "ButtonVerify", {273, 12, 65, 23});
    ButtonProgram = NewButton(bar, "ButtonProgram", {348, 12, 81, 23});
}

void TFormHlav::BuildCurveEditor(QWidget* client)
{
    GroupBox6 = NewGroupBox(client, "GroupBox6", {4, 153, 333, 409});
    QWidget* box = GroupBox6;
    LabelRpm1 = NewLabel(box, "LabelRpm1", 28, 20);
    LabelRpm2 = NewLabel(box, "LabelRpm2", 188, 20);
    LabelAdvance1 = NewLabel(box, "LabelAdvance1", 98, 20);
    LabelAdvance2 = NewLabel(box, "LabelAdvance2", 258, 20);
    BuildCurveRows();

    LabelPocetBodu = NewLabel(box, "LabelPocetBodu", 179, 292);
    EditPocetBodu = NewEdit(box, "EditPocetBodu", 179, 312, 26);
    UpDownPocetBodu = NewUpDown("UpDownPocetBodu", EditPocetBodu, {1, 15, 1, 3}, true);
    LabelBaseAdv = NewLabel(box, "LabelBaseAdv", 179, 346);
    EditBaseAdv = NewEdit(box, "EditBaseAdv", 179, 369, 42);
    UpDownBaseAdv = NewUpDown("UpDownBaseAdv", EditBaseAdv, {0, 40, 1, 40}, true);

    BitBtnAdvMinus = NewButton(box, "BitBtnAdvMinus", {181, 240, 20, 20});
    BitBtnAdvPlus = NewButton(box, "BitBtnAdvPlus", {229, 240, 20, 20});
    SetFontPixels(BitBtnAdvMinus, 19, false);
    SetFontPixels(BitBtnAdvPlus, 19, false);
    CheckBoxIgnAll = NewCheckBox(box, "CheckBoxIgnAll", {272, 242, 40, 17});
}

void TFormHlav::BuildCurveRows()
{
    for (int i = 0; i < CurvePoints; ++i) {
        const TCurveColumn column = i < LeftColumnPoints ? LeftColumn : RightColumn;
        const std::string n = std::to_string(i + 1);
        QLineEdit* speed = NewEdit(GroupBox6, ("EditRpmAdv" + n).c_str(), column.SpeedLeft,
                                   RowTops[i], SpeedEditWidth);
        TUpDown* speedSpinner = NewUpDown(("UpDownRpmAdv" + n).c_str(), speed,
                                          {SpeedMin, SpeedMax, SpeedStep, StartSpeeds[i]}, true);
        QLineEdit* advance = NewEdit(GroupBox6, ("EditAdvance" + n).c_str(), column.AdvanceLeft,
                                     RowTops[i], AdvanceEditWidth);
        TUpDown* advanceSpinner =
            NewUpDown(("UpDownAdvance" + n).c_str(), advance, AdvanceRange, false);
        this->*HlavSlots::RpmEdits[i] = speed;
        this->*HlavSlots::RpmSpinners[i] = speedSpinner;
        this->*HlavSlots::AdvanceEdits[i] = advance;
        this->*HlavSlots::AdvanceSpinners[i] = advanceSpinner;
    }
}
