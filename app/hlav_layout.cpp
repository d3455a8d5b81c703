// The window's upper half: frame, tool bar, chart, logo and curve editor.
#include "app/hlav_layout.h"

#include "app/hlav_controls.h"
#include "params/binding.h"
#include "ui/form_builder.h"
#include "ui/hint_router.h"
#include "ui/label.h"
#include "ui/pictures.h"
#include "ui/radio_group.h"
#include "ui/up_down.h"
#include "ui/widget_paint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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
constexpr int LeftColumnPoints = 10;
constexpr int SpeedEditWidth = 40;
constexpr int AdvanceEditWidth = 30;

void BuildCurveRows(THlavControls& ui)
{
    for (int i = 0; i < CurvePoints; ++i) {
        const TCurveColumn column = i < LeftColumnPoints ? LeftColumn : RightColumn;
        QLineEdit* speed = NewEdit(ui.GroupBox6, CurveSpeedBinding(i).Edit.c_str(),
                                   column.SpeedLeft, RowTops[i], SpeedEditWidth);
        TUpDown* speedSpinner = NewBoundUpDown(CurveSpeedBinding(i), speed);
        QLineEdit* advance = NewEdit(ui.GroupBox6, CurveAdvanceBinding(i).Edit.c_str(),
                                     column.AdvanceLeft, RowTops[i], AdvanceEditWidth);
        TUpDown* advanceSpinner = NewBoundUpDown(CurveAdvanceBinding(i), advance);
        ui.*HlavSlots::RpmEdits[i] = speed;
        ui.*HlavSlots::RpmSpinners[i] = speedSpinner;
        ui.*HlavSlots::AdvanceEdits[i] = advance;
        ui.*HlavSlots::AdvanceSpinners[i] = advanceSpinner;
    }
}

} // namespace

TUpDown* NewBoundUpDown(const TSpinBinding& binding, QLineEdit* buddy)
{
    return NewUpDown(binding.Spinner.c_str(), buddy,
                     {binding.Min, binding.Max, binding.Step, binding.Start}, binding.Grouped);
}

void BuildHlavControls(QMainWindow& form, THlavControls& ui)
{
    form.setObjectName(QStringLiteral("FormHlav"));
    form.setWindowIcon(QIcon(WindowIconPixmap()));
    auto* client = new QWidget(&form);
    SetFontPixels(client, WindowFontPixels, false);
    QFont narrow = client->font();
    narrow.setStretch(QFont::SemiCondensed);
    client->setFont(narrow);
    form.setCentralWidget(client);
    ui.StatusBar1 = form.statusBar();
    ui.StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    ui.StatusBar1->setFixedHeight(StatusBarHeight);

    // Created first so that everything else lies above the transparent logo.
    ui.ImageLogo = new QLabel(client);
    ui.ImageLogo->setObjectName(QStringLiteral("ImageLogo"));
    ui.ImageLogo->setGeometry(305, 42, 565, 112);
    ui.ImageLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.ImageLogo->setPixmap(LogoPixmap(form.devicePixelRatioF()));
    ui.ImageLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    BuildToolBar(ui, client);
    TLabel* spojeni = NewLabel(client, "LabelSpojeni", 445, 9);
    spojeni->resize(174, 29);
    spojeni->SetAutoSize(false); // its texts are squeezed into the box, not the box widened
    ui.LabelSpojeni = spojeni;
    SetFontPixels(ui.LabelSpojeni, 23, true);
    SetBackground(ui.LabelSpojeni, TColour::Red);

    ui.GrafAdv = new QLabel(client);
    ui.GrafAdv->setObjectName(QStringLiteral("GrafAdv"));
    ui.GrafAdv->setGeometry(4, 49, 333, 103);
    ui.GrafAdv->setMouseTracking(true);
    // Mouse positions are the picture's pixels only when it sits at (0, 0).
    ui.GrafAdv->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BuildCurveEditor(ui, client);
    BuildOptions(ui, client);
    BuildLiveDisplay(ui, client);
    BuildStatusLabels(ui, client);
    BuildHiddenControls(ui, client);
    BuildMenu(form, ui);
    BuildDialogs(form, ui);
}

void SizeHlavWindow(QMainWindow& form)
{
    form.resize(ClientWidth, ClientHeight + form.menuBar()->sizeHint().height());
}

void BuildToolBar(THlavControls& ui, QWidget* client)
{
    ui.GroupBoxToolBar = NewGroupBox(client, "GroupBoxToolBar", {4, 0, 437, 43});
    QWidget* bar = ui.GroupBoxToolBar;
    ui.SpeedButton6 = NewSpeedButton(bar, "SpeedButton6", {8, 12, 24, 23}, TToolGlyph::New);
    ui.SpeedButton5 = NewSpeedButton(bar, "SpeedButton5", {40, 12, 24, 23}, TToolGlyph::Open);
    ui.SpeedButton7 = NewSpeedButton(bar, "SpeedButton7", {73, 12, 24, 23}, TToolGlyph::Save);
    ui.SpeedButtonPrint =
        NewSpeedButton(bar, "SpeedButtonPrint", {106, 12, 24, 23}, TToolGlyph::Print);
    ui.SpeedButtonZpet =
        NewSpeedButton(bar, "SpeedButtonZpet", {139, 13, 23, 22}, TToolGlyph::Undo);
    ui.SpeedButtonZnovu =
        NewSpeedButton(bar, "SpeedButtonZnovu", {172, 13, 23, 22}, TToolGlyph::Redo);
    ui.ButtonRead = NewButton(bar, "ButtonRead", {206, 12, 57, 23});
    ui.ButtonVerify = NewButton(bar, "ButtonVerify", {273, 12, 65, 23});
    ui.ButtonProgram = NewButton(bar, "ButtonProgram", {348, 12, 81, 23});
}

void BuildCurveEditor(THlavControls& ui, QWidget* client)
{
    ui.GroupBox6 = NewGroupBox(client, "GroupBox6", {4, 153, 333, 409});
    QWidget* box = ui.GroupBox6;
    ui.LabelRpm1 = NewLabel(box, "LabelRpm1", 28, 20);
    ui.LabelRpm2 = NewLabel(box, "LabelRpm2", 188, 20);
    ui.LabelAdvance1 = NewLabel(box, "LabelAdvance1", 98, 20);
    ui.LabelAdvance2 = NewLabel(box, "LabelAdvance2", 258, 20);
    BuildCurveRows(ui);

    ui.LabelPocetBodu = NewLabel(box, "LabelPocetBodu", 179, 292);
    ui.EditPocetBodu = NewEdit(box, "EditPocetBodu", 179, 312, 26);
    ui.UpDownPocetBodu = NewBoundUpDown(SpinBinding("UpDownPocetBodu"), ui.EditPocetBodu);
    ui.LabelBaseAdv = NewLabel(box, "LabelBaseAdv", 179, 346);
    ui.EditBaseAdv = NewEdit(box, "EditBaseAdv", 179, 369, 42);
    ui.UpDownBaseAdv = NewBoundUpDown(SpinBinding("UpDownBaseAdv"), ui.EditBaseAdv);

    ui.BitBtnAdvMinus = NewButton(box, "BitBtnAdvMinus", {181, 240, 20, 20});
    ui.BitBtnAdvPlus = NewButton(box, "BitBtnAdvPlus", {229, 240, 20, 20});
    SetFontPixels(ui.BitBtnAdvMinus, 19, false);
    SetFontPixels(ui.BitBtnAdvPlus, 19, false);
    ui.CheckBoxIgnAll = NewCheckBox(box, "CheckBoxIgnAll", {272, 242, 40, 17});
}

// Edits point by point, then the point count, the base advance and the limiter;
// the tool bar has no tab stops; the polarity group comes last.
void SetHlavTabOrder(THlavControls& ui)
{
    std::vector<QWidget*> order;
    for (int i = 0; i < CurvePoints; ++i) {
        order.push_back(ui.*HlavSlots::RpmEdits[i]);
        order.push_back(ui.*HlavSlots::AdvanceEdits[i]);
    }
    order.insert(order.end(), {ui.EditPocetBodu, ui.EditBaseAdv, ui.EditOmez2, ui.EditOmez1,
                               ui.EditRetard, ui.EditClutch1, ui.EditClutch2});
    for (const TRadioGroup* group :
         {ui.RadioGroupPolarita, ui.RadioGroupInput1, ui.RadioGroupInput2})
        for (int i = 0; i < group->Items().size(); ++i)
            order.push_back(group->Button(i));
    order.insert(order.end(), {ui.EditRpmPulsu, ui.EditRpmKorekce, ui.EditLedRazeni});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MarkTooltips(THlavControls& ui)
{
    for (QWidget* shown : std::initializer_list<QWidget*>{
             ui.SpeedButton6, ui.SpeedButton5, ui.SpeedButton7, ui.SpeedButtonPrint, ui.ButtonRead,
             ui.ButtonVerify, ui.ButtonProgram, ui.BitBtnAdvMinus, ui.BitBtnAdvPlus,
             ui.CheckBoxProgHned, ui.LabelVerze1, ui.LabelVerze2, ui.LabelVerze3})
        THintRouter::SetShowHint(shown, true);
}
