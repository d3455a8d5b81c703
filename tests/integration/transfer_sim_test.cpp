// Read, Verify and Program from the window's menu, on the window's own timer,
// against the simulated unit running as its own process.
#include "link/serial_port.h"
#include "message_boxes.h"
#include "sim_process.h"
#include "ui/widget_paint.h"
#include "window_access.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

// Status texts in a failure message as text, not as UTF-16 code units.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int TransferTimeoutMs = 5000;
// The re-open cycle tries every port number in turn before it comes back to
// the unit's: up to about 50 ticks once the silence has been noticed.
constexpr int ReopenTimeoutMs = 8000;

// A simulated unit on a link path of its own, and a window on that path.
struct TSimWindow {
    QTemporaryDir folder;
    QString linkPath = folder.filePath(QStringLiteral("unit"));
    TSimProcess sim{linkPath};
    std::unique_ptr<TFormHlav> form;
    // The status texts that the ticks of the last command showed, repeats left out.
    QStringList texts;
    int ticks = 0;

    bool Start(const QStringList& simOptions = {})
    {
        return folder.isValid() && sim.Start(simOptions) && OpenWindow();
    }
    // A new window: the one before it goes without saving its settings, so
    // the new one starts from the defaults, not from what the last one held.
    bool OpenWindow()
    {
        form.reset();
        form = std::make_unique<TFormHlav>(
            std::make_unique<TSerialPort>(std::vector<std::string>{linkPath.toStdString()}));
        QObject::connect(form.get(), &TFormHlav::Ticked, [this] {
            ++ticks;
            const QString text = CONTROL(*form, LabelHlaseni)->text();
            if (texts.isEmpty() || texts.last() != text)
                texts << text;
        });
        Activate(*form);
        return Answering(TransferTimeoutMs);
    }
    bool Answering(int timeoutMs)
    {
        const unsigned before = form->Link().Monitor().Generation;
        return RunEventLoopUntil(
            [&] {
                return form->Link().Monitor().Generation > before &&
                       !CONTROL(*form, LabelSpojeni)->isVisible();
            },
            timeoutMs);
    }
    // Runs the command until its transfer has ended, one way or the other.
    bool Run(QAction* command)
    {
        texts.clear();
        ticks = 0;
        command->trigger();
        return RunEventLoopUntil([&] { return Idle(); }, TransferTimeoutMs);
    }
    // Types the first curve point's advance one degree higher and confirms it.
    void RaiseFirstAdvance()
    {
        QLineEdit* edit = CONTROL(*form, EditAdvance1);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(form->Image().Advance(0) + 1));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    bool Idle() const { return form->Link().State().TransferMode == ModeIdle; }
    bool StatusRed() const
    {
        return CONTROL(*form, LabelHlaseni)->palette().color(QPalette::Window) ==
               ToQColor(TColour::Red);
    }
};

const QStringList ReadTexts{QStringLiteral("Read:"), QStringLiteral("Verify:"),
                            QStringLiteral("Verify: OK")};
// Programming has its own success text; the idle part of the tick that
// takes the verify's answer already shows it.
const QStringList ProgramTexts{QStringLiteral("Programing:"), QStringLiteral("Verify:"),
                               QStringLiteral("Programing: OK")};

} // namespace

TEST(TransferWithSimulatedUnit, ReadsProgramsAnEditAndAFreshWindowReadsItBack)
{
    TSimWindow unit;
    ASSERT_TRUE(unit.Start());
    const auto beforeRead = unit.form->Image().Bytes;
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    EXPECT_EQ(unit.texts, ReadTexts);
    const auto unitHeld = unit.form->Image().Bytes;
    EXPECT_EQ(unitHeld[ImageByte::ProgramVersion], ExpectedUnitVersion) << "block 0 came in";
    EXPECT_NE(unitHeld, beforeRead);
    // Up to four ticks to the first frame, then one exchange a tick: seven at
    // most, and a little slack for a busy machine; a step that waited for a
    // re-send would take four more.
    EXPECT_LE(unit.ticks, 9);

    unit.RaiseFirstAdvance();
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuProgram)));
    EXPECT_EQ(unit.texts, ProgramTexts);
    const TParamImage programmed = unit.form->Image();
    EXPECT_NE(programmed.Bytes, unitHeld) << "the edit was in the programmed image";

    ASSERT_TRUE(unit.OpenWindow());
    ASSERT_NE(unit.form->Image().Block(1), programmed.Block(1));
    // Until the unit reports its saving done, the idle tick would show that
    // in place of the read's result.
    ASSERT_TRUE(RunEventLoopUntil([&] { return unit.form->Link().State().SavingCountdown == 0; },
                                  TransferTimeoutMs));
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    EXPECT_EQ(unit.texts, ReadTexts);
    EXPECT_EQ(unit.form->Image().Bytes, programmed.Bytes) << "the unit holds what was programmed";
}

TEST(TransferWithSimulatedUnit, VerifyOverlooksTheReadLockButNoOtherDifference)
{
    TSimWindow unit;
    ASSERT_TRUE(unit.Start());
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    CONTROL(*unit.form, CheckBoxZakazCteni)->click();
    ASSERT_NE(unit.form->Image()[ImageByte::ReadLock], 0);

    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuVerify)));
    EXPECT_EQ(unit.texts.last(), QStringLiteral("Verify: OK"));

    unit.RaiseFirstAdvance();
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuVerify)));
    EXPECT_EQ(unit.texts.last(), QStringLiteral("Verify error!"));
    EXPECT_TRUE(unit.StatusRed());
}

TEST(TransferWithSimulatedUnit, AWrongEchoIsSentFiveTimesThenFails)
{
    TSimWindow unit;
    ASSERT_TRUE(unit.Start({QStringLiteral("--bad-echo")}));
    int block1SentAt = -1;
    QObject::connect(unit.form.get(), &TFormHlav::Ticked, [&] {
        if (block1SentAt < 0 && unit.form->Link().State().PendingCommand == 0x01)
            block1SentAt = unit.ticks;
    });
    const TBlock block1 = unit.form->Image().Block(1);
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuProgram)));
    EXPECT_EQ(unit.texts.last(), QStringLiteral("Program error!"));
    EXPECT_TRUE(unit.StatusRed());
    // Four more sends four ticks apart, and the failure when the fifth is
    // due; the tick that sent block 1 already counted towards the next send.
    EXPECT_EQ(unit.ticks - block1SentAt, 5 * 4 - 1);
    EXPECT_EQ(unit.form->Image().Block(1), block1);
}

TEST(TransferWithSimulatedUnit, AnotherUnitVersionEndsTheReadInAMessageBox)
{
    TSimWindow unit;
    ASSERT_TRUE(unit.Start({QStringLiteral("--unit-version"), QStringLiteral("71")}));
    TMessageBoxes boxes;
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    EXPECT_EQ(boxes.Texts, QStringList{QStringLiteral(
                               "Unmatched version of PC and Ignition programs!  PC-72, IGN-71")});
    EXPECT_TRUE(RunEventLoopUntil([&] { return !CONTROL(*unit.form, LabelHlaseni)->isVisible(); },
                                  TransferTimeoutMs));
    EXPECT_TRUE(unit.Idle());
}

TEST(TransferWithSimulatedUnit, AUnitThatRefusesReadingKeepsBlockOne)
{
    TSimWindow unit;
    ASSERT_TRUE(unit.Start({QStringLiteral("--no-read")}));
    const TBlock block1 = unit.form->Image().Block(1);
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    EXPECT_EQ(unit.texts.last(), QStringLiteral("No reading!"));
    EXPECT_TRUE(unit.StatusRed());
    EXPECT_EQ(unit.form->Image().Block(1), block1);
}

// What the unit is doing when it goes away: a command, cut off at one of its
// block requests, or nothing but the window's polling.
struct TUnplugCase {
    const char* Name;
    const char* Command; // the menu item; null while the window only polls
    std::uint8_t Mode;
    std::uint8_t CutAt;    // the request the unit no longer answers
    int AnsweredBeforeCut; // the command's block requests the unit still answers
    const char* ErrorText;
    friend void PrintTo(const TUnplugCase& c, std::ostream* out) { *out << c.Name; }
};

class UnitUnplugged : public ::testing::TestWithParam<TUnplugCase> {};

// The unit's pty vanishes and comes back under the same name. The window ends
// the command with its mode's error text, keeps its image, finds the unit
// again through its silence rules, and the same command then completes and
// leaves the unit holding what the window shows.
TEST_P(UnitUnplugged, TheCommandFailsAndThenCompletesOnceTheUnitIsBack)
{
    const TUnplugCase& cut = GetParam();
    TSimWindow unit;
    // The first Read asks for three blocks; a unit that stops answering them
    // stops answering the monitor too.
    const QStringList cutOff{QStringLiteral("--silent-after"),
                             QString::number(3 + cut.AnsweredBeforeCut)};
    ASSERT_TRUE(unit.Start(cut.Command ? cutOff : QStringList()));
    ASSERT_TRUE(unit.Run(CONTROL(*unit.form, MenuRead)));
    ASSERT_EQ(unit.texts, ReadTexts);
    if (cut.Mode == ModeProgram)
        unit.RaiseFirstAdvance();
    const auto before = unit.form->Image().Bytes;
    QAction* command =
        FindNamed<QAction>(*unit.form, QLatin1String(cut.Command ? cut.Command : "MenuRead"));
    const TLinkState& state = unit.form->Link().State();

    if (cut.Command) {
        command->trigger();
        ASSERT_TRUE(RunEventLoopUntil(
            [&] {
                return state.TransferMode == cut.Mode && state.PendingCommand == cut.CutAt &&
                       state.SendCount >= 1;
            },
            TransferTimeoutMs));
    } else {
        ASSERT_TRUE(unit.Answering(TransferTimeoutMs));
    }
    unit.texts.clear();
    EXPECT_EQ(unit.sim.Stop(), 0);
    ASSERT_TRUE(RunEventLoopUntil(
        [&] { return unit.Idle() && CONTROL(*unit.form, LabelSpojeni)->isVisible(); },
        TransferTimeoutMs))
        << "the silence is noticed";
    if (cut.Command) {
        EXPECT_EQ(unit.texts.last(), QLatin1String(cut.ErrorText));
        EXPECT_TRUE(unit.StatusRed());
    }
    EXPECT_EQ(unit.form->Image().Bytes, before);

    ASSERT_TRUE(unit.sim.Start());
    ASSERT_TRUE(unit.Answering(ReopenTimeoutMs)) << "the port re-opened on the silence rules";
    ASSERT_TRUE(unit.Run(command));
    EXPECT_EQ(unit.texts, cut.Mode == ModeProgram  ? ProgramTexts
                          : cut.Mode == ModeVerify ? ReadTexts.mid(1)
                                                   : ReadTexts);
    const auto memory = unit.sim.Memory();
    ASSERT_TRUE(memory);
    EXPECT_TRUE(std::equal(memory->begin() + BlockSize, memory->end(),
                           unit.form->Image().Bytes.begin() + BlockSize));
}

INSTANTIATE_TEST_SUITE_P(Transfers, UnitUnplugged,
                         ::testing::Values(TUnplugCase{"WhilePolling", nullptr, ModeIdle, 0, 0, ""},
                                           TUnplugCase{"DuringRead", "MenuRead", ModeRead, 0x41, 1,
                                                       "Read error!"},
                                           TUnplugCase{"DuringVerify", "MenuVerify", ModeVerify,
                                                       0x41, 0, "Verify error!"},
                                           TUnplugCase{"DuringProgram", "MenuProgram", ModeProgram,
                                                       0x01, 1, "Program error!"}),
                         [](const auto& info) { return std::string(info.param.Name); });
