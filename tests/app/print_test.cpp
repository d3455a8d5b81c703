// The printed sheet: the print layout at the moment the sheet is drawn, the
// PDF written when there is no printer, the window as it was afterwards.
#include "app/print_sheet.h"
#include "file_dialogs.h"
#include "message_boxes.h"
#include "params/binding.h"
#include "print_server.h"
#include "texts/message_table.h"
#include "ui/up_down.h"
#include "ui/widget_paint.h"
#include "window_access.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Ticks without an answer before the connection warning shows.
constexpr int SilentTicks = 20;

// Whether each control of the window is shown, by name.
using TShown = std::map<std::string, bool>;

TShown Shown(QWidget& client)
{
    TShown shown;
    for (QWidget* widget : client.findChildren<QWidget*>())
        if (!widget->objectName().isEmpty())
            shown[widget->objectName().toStdString()] = widget->isVisibleTo(&client);
    return shown;
}

// The controls shown or hidden in one and not in the other.
std::vector<std::string> Changed(const TShown& before, const TShown& after)
{
    std::vector<std::string> changed;
    for (const auto& [name, shown] : after)
        if (before.count(name) == 0 || before.at(name) != shown)
            changed.push_back(name);
    return changed;
}

// Looks at the window when the sheet is drawn, the only time the print
// layout exists.
struct TSheetWatch : QObject {
    TFormHlav& Form;
    bool Seen = false;
    bool Printing = false;
    TShown Shown;
    QColor Background;
    bool StatusBarShown = true;
    QWidget* Focus = nullptr;

    explicit TSheetWatch(TFormHlav& form) : Form(form)
    {
        form.centralWidget()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !Seen && Form.Link().State().Printing) {
            Seen = true;
            Printing = true;
            Shown = ::Shown(*Form.centralWidget());
            Background = Form.centralWidget()->palette().color(QPalette::Window);
            StatusBarShown = !Form.statusBar()->isHidden();
            Focus = QApplication::focusWidget();
        }
        return false;
    }
};

// After printing, the stamp shows and the connection warning waits for the next tick.
const std::vector<std::string> StampInsteadOfWarning = {"LabelHlaseni", "LabelSpojeni"};

struct PrintTest : testing::Test {
    TPrintServer noPrinters; // never started
    std::unique_ptr<TFormHlav> created = NewForm();
    TFormHlav& form = *created;
    QTemporaryDir folder;
    TFileDialogs dialog;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        if (!QPrinterInfo::availablePrinters().isEmpty())
            GTEST_SKIP() << "a printer is installed; the sheet would go to paper, not to a PDF";
        Activate(form);
        Tick(form, SilentTicks);
        ASSERT_TRUE(CONTROL(form, LabelSpojeni)->isVisible()) << "the unit is silent";
    }

    void SetPoints(int points)
    {
        QLineEdit* edit = CONTROL(form, EditPocetBodu);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(points));
        CONTROL(form, EditBaseAdv)->setFocus();
        ASSERT_EQ(form.Image()[ImageByte::PointCount], points);
    }

    QString Print(const QString& answer)
    {
        dialog.Answer = answer;
        CONTROL(form, MenuPrint)->trigger();
        return answer;
    }

    QString Stamp() { return CONTROL(form, LabelHlaseni)->text(); }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PageCount(const QByteArray& pdf)
{
    return pdf.count("/Type /Page") - pdf.count("/Type /Pages");
}

QByteArray EmptyPagePdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
    }
    return buffer.data();
}

} // namespace

TEST(PrintStamp, DateThenFourSpacesThenTimeInTheLocalesFormats)
{
    const QDateTime when(QDate(2024, 3, 9), QTime(7, 5, 3));
    const std::string german =
        PrintStamp("Zeit: ", QLocale(QLocale::German, QLocale::Germany), when);
    EXPECT_EQ(german.rfind("Zeit: 09.03.24    07:05:03", 0), 0u) << german;
    const std::string us = PrintStamp("", QLocale(QLocale::English, QLocale::UnitedStates), when);
    EXPECT_EQ(us.rfind("3/9/24    7:05:03", 0), 0u) << us;
}

TEST(SheetPdfName, BesideTheParameterFileOrANameOfItsOwn)
{
    EXPECT_EQ(SheetPdfName("/home/rider/maps/race.v2.ign"),
              QStringLiteral("/home/rider/maps/race.v2.pdf"));
    EXPECT_EQ(SheetPdfName("street"), QStringLiteral("street.pdf"));
    EXPECT_EQ(SheetPdfName(""), QStringLiteral("kolvane-sheet.pdf"));
    EXPECT_EQ(SheetPdfName("/home/rider/maps/"), QStringLiteral("kolvane-sheet.pdf"));
}

TEST(PaintSheet, FillsThePageOneWayAndKeepsTheProportions)
{
    QWidget sheet;
    sheet.resize(300, 100);
    sheet.setAutoFillBackground(true);
    for (const QSize page : {QSize(600, 600), QSize(900, 150)}) {
        QImage image(page, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        ASSERT_TRUE(PaintSheet(sheet, image));
        int right = 0, bottom = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
        const double scale = std::min(page.width() / 300.0, page.height() / 100.0);
        EXPECT_NEAR(right, 300 * scale, 1) << page.width();
        EXPECT_NEAR(bottom, 100 * scale, 1) << page.width();
    }
}

TEST(WriteSheetPdf, ASheetThatCannotBeWrittenLeavesNothingAndSaysWhy)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    QWidget sheet;
    sheet.resize(50, 50);
    EXPECT_FALSE(WriteSheetPdf(sheet, blocker.fileName() + QStringLiteral("/sheet.pdf")).empty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"file"}));
}

TEST_F(PrintTest, TheSheetShowsTheEditBoxesOfTheUsedPointsAndNoSpinner)
{
    SetPoints(5);
    const int points = form.Image()[ImageByte::PointCount];
    TSheetWatch watch(form);
    Print(folder.filePath(QStringLiteral("sheet.pdf")));
    ASSERT_TRUE(watch.Seen) << "the sheet was drawn in the print layout";
    for (int i = 0; i < CurvePoints; ++i) {
        for (const TSpinBinding* row : {&CurveSpeedBinding(i), &CurveAdvanceBinding(i)}) {
            EXPECT_EQ(watch.Shown[row->Edit], i < points) << row->Edit;
            EXPECT_FALSE(watch.Shown[row->Spinner]) << row->Spinner;
        }
    }
    for (TUpDown* spinner : form.centralWidget()->findChildren<TUpDown*>())
        EXPECT_FALSE(watch.Shown[spinner->objectName().toStdString()])
            << spinner->objectName().toStdString();
    EXPECT_FALSE(watch.Shown["GroupBoxToolBar"]);
    EXPECT_FALSE(watch.StatusBarShown);
    EXPECT_TRUE(watch.Shown["LabelHlaseni"]) << "the stamp is on the sheet";
    EXPECT_FALSE(watch.Shown["LabelSpojeni"]);
    EXPECT_EQ(watch.Background, QColor(Qt::white));
}

TEST_F(PrintTest, TheSheetIsOneNonEmptyPdfPageAndTheWindowIsAsBefore)
{
    SetPoints(5);
    const TShown before = Shown(*form.centralWidget());
    const QColor face = form.centralWidget()->palette().color(QPalette::Window);
    const QString path = Print(folder.filePath(QStringLiteral("sheet.pdf")));

    const QByteArray pdf = ReadAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(PageCount(EmptyPagePdf()), 1) << "the page count itself works";
    EXPECT_GT(pdf.size(), 4 * EmptyPagePdf().size()) << "something was drawn";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"sheet.pdf"}));

    EXPECT_EQ(Changed(before, Shown(*form.centralWidget())), StampInsteadOfWarning);
    EXPECT_FALSE(form.Link().State().Printing);
    EXPECT_EQ(form.centralWidget()->palette().color(QPalette::Window), face);
    Tick(form);
    EXPECT_TRUE(CONTROL(form, LabelSpojeni)->isVisible()) << "back with the next tick";
}

TEST_F(PrintTest, TheStampStaysOnTheButtonFaceAndThePdfsPathGoesToTheStatusBar)
{
    const std::string prefix = BuildMessageTable(0)[MsgPrintDate];
    const QString path = Print(folder.filePath(QStringLiteral("sheet.pdf")));
    QLabel* label = CONTROL(form, LabelHlaseni);
    EXPECT_TRUE(Stamp().startsWith(QString::fromStdString(prefix))) << Stamp().toStdString();
    EXPECT_FALSE(Stamp().contains(QStringLiteral("sheet"))) << "the stamp alone";
    EXPECT_TRUE(form.statusBar()->currentMessage().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(label->palette().color(QPalette::Window), ToQColor(TColour::ButtonFace));
    Tick(form);
    EXPECT_FALSE(label->isHidden()) << "shown for the status time";
}

TEST_F(PrintTest, TheStampSpeaksTheCurrentLanguage)
{
    CONTROL(form, MenuGerman)->trigger();
    Print(folder.filePath(QStringLiteral("sheet.pdf")));
    EXPECT_TRUE(Stamp().startsWith(QString::fromStdString(BuildMessageTable(1)[MsgPrintDate])));
}

TEST_F(PrintTest, TheDialogProposesANameAndCancelPrintsNothing)
{
    const TShown before = Shown(*form.centralWidget());
    const QString stamp = Stamp();
    Print(QString());
    EXPECT_EQ(QFileInfo(dialog.Proposed).fileName(), SheetPdfName(""));
    EXPECT_TRUE(Changed(before, Shown(*form.centralWidget())).empty());
    EXPECT_EQ(Stamp(), stamp);
    EXPECT_FALSE(form.Link().State().Printing);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintTest, AFailedSheetSaysSoAndRestoresTheWindow)
{
    TMessageBoxes boxes;
    TShown before = Shown(*form.centralWidget());
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Print(blocker.fileName() + QStringLiteral("/sheet.pdf"));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_TRUE(boxes.Texts.front().contains(QStringLiteral("sheet.pdf")));
    // The box runs ticks of its own, which may bring the warning back already.
    TShown after = Shown(*form.centralWidget());
    before.erase("LabelSpojeni");
    after.erase("LabelSpojeni");
    EXPECT_TRUE(Changed(before, after).empty()) << "no stamp for a sheet that was not saved";
    EXPECT_FALSE(form.Link().State().Printing);
}

// The sheet on a print server of the test's own, on a queue that prints it,
// one that refuses jobs and one whose printer is stopped.
using PrintQueue = testing::TestWithParam<std::tuple<const char*, bool, bool>>;

TEST_P(PrintQueue, OnlyASheetThatPrintedKeepsItsStampAndAFailureSaysSo)
{
    const auto [name, accepting, running] = GetParam();
    TPrintServer server;
    if (const QString why = server.Start(); !why.isEmpty())
        GTEST_SKIP() << "no print server of our own: " << why.toStdString();
    ASSERT_TRUE(server.AddDefaultQueue(name, accepting, running));
    const std::unique_ptr<TFormHlav> created = NewForm();
    TFormHlav& form = *created;
    Activate(form);
    CONTROL(form, EditBaseAdv)->setFocus();
    TSheetWatch sheet(form);
    TMessageBoxes boxes;
    CONTROL(form, MenuPrint)->trigger();
    EXPECT_TRUE(sheet.Seen && !sheet.Focus) << "no caret and no focus frame on the sheet";
    EXPECT_EQ(form.focusWidget(), CONTROL(form, EditBaseAdv)) << "the focus is given back";
    auto* watch = form.findChild<QTimer*>(QStringLiteral("PrintWatch"));
    ASSERT_TRUE(QTest::qWaitFor([watch] { return !watch || !watch->isActive(); }, 30000));
    EXPECT_FALSE(form.Link().State().Printing);
    EXPECT_NE(form.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(CONTROL(form, UpDownBaseAdv)->isVisible());
    const bool printed = accepting && running;
    EXPECT_EQ(CONTROL(form, LabelHlaseni)->isVisible(), printed) << "the stamp";
    EXPECT_EQ(boxes.Texts.filter(name).size(), printed ? 0 : 1) << "names the printer";
    EXPECT_EQ(ReadAll(server.Output(name)).contains("%PDF-"), printed) << "the job completed";
}

INSTANTIATE_TEST_SUITE_P(Queues, PrintQueue,
                         testing::Values(std::make_tuple("Accepting", true, true),
                                         std::make_tuple("Refusing", false, true),
                                         std::make_tuple("Stopped", true, false)),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });
