// Undo, Redo and the transfer commands as the window offers them.
#include "message_boxes.h"
#include "ui/up_down.h"
#include "window_access.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct WindowHistory : testing::Test {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> created = NewForm(port);
    TFormHlav& form = *created;
    const TParamImage& image = form.Image();

    void SetUp() override { Activate(form); }
    // The four history controls, enabled or not: undo button, undo item, redo button, redo item.
    std::vector<bool> Enabled()
    {
        return {CONTROL(form, SpeedButtonZpet)->isEnabled(), CONTROL(form, MenuZpet)->isEnabled(),
                CONTROL(form, SpeedButtonZnovu)->isEnabled(),
                CONTROL(form, MenuZnovu)->isEnabled()};
    }
    void RaiseAdvance() { CONTROL(form, UpDownAdvance1)->Click(TUpDown::TButton::Next); }
};

const std::vector<bool> NoneEnabled{false, false, false, false};
const std::vector<bool> UndoEnabled{true, true, false, false};
const std::vector<bool> RedoEnabled{false, false, true, true};

} // namespace

TEST_F(WindowHistory, KeysUndoAndRedoAnEditIntoTheControls)
{
    EXPECT_EQ(Enabled(), NoneEnabled);
    const std::uint8_t before = image.Advance(0);
    const QString shown = CONTROL(form, EditAdvance1)->text();
    RaiseAdvance();
    EXPECT_EQ(image.Advance(0), before + 1);
    EXPECT_EQ(Enabled(), UndoEnabled);

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(image.Advance(0), before);
    EXPECT_EQ(CONTROL(form, EditAdvance1)->text(), shown);
    EXPECT_EQ(Enabled(), RedoEnabled);

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(image.Advance(0), before + 1);
    EXPECT_EQ(Enabled(), UndoEnabled);
}

TEST_F(WindowHistory, ProgrammingAfterChangeProgramsEveryLaterChangeUndoAndRedo)
{
    QCheckBox* box = CONTROL(form, CheckBoxProgHned);
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(form.Link().State().TransferMode, ModeIdle) << "ticking the box programs nothing";

    RaiseAdvance();
    EXPECT_EQ(form.Link().State().TransferMode, ModeProgram);
    EXPECT_EQ(CONTROL(form, LabelHlaseni)->text(), QStringLiteral("Programing"));

    CONTROL(form, MenuRead)->trigger();
    CONTROL(form, SpeedButtonZpet)->click();
    EXPECT_EQ(form.Link().State().TransferMode, ModeProgram) << "an undo programs";

    QTest::mouseClick(box, Qt::LeftButton);
    CONTROL(form, MenuRead)->trigger();
    CONTROL(form, SpeedButtonZnovu)->click();
    EXPECT_EQ(form.Link().State().TransferMode, ModeRead) << "the read goes on";
}

TEST_F(WindowHistory, ReadClearsTheFileNameAndAWrongVersionEndsInABox)
{
    CONTROL(form, LabelFile2)->setText(QStringLiteral("tune.ign"));
    CONTROL(form, ButtonRead)->click();
    EXPECT_TRUE(CONTROL(form, LabelFile2)->text().isEmpty());
    EXPECT_EQ(CONTROL(form, LabelHlaseni)->text(), QStringLiteral("Read:"));
    EXPECT_TRUE(CONTROL(form, LabelHlaseni)->isVisible());

    TFrameData block0{};
    block0[ImageByte::ProgramVersion] = 70;
    const TLinkFrame answer = MakeFrame(0xC0, block0);
    port->Queue({answer.Bytes.begin(), answer.Bytes.end()});
    TMessageBoxes boxes;
    Tick(form);
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0], QStringLiteral("Unmatched version of PC and Ignition programs!  "
                                             "PC-72, IGN-70"));
    EXPECT_EQ(image[ImageByte::ProgramVersion], 70);
    EXPECT_EQ(Enabled(), NoneEnabled) << "a read records no step";
    Tick(form);
    EXPECT_FALSE(CONTROL(form, LabelHlaseni)->isVisible());
}

// A read that hides the row holding the focus moves the focus itself; that is
// no edit. The window must keep the unit's values as they came, record no
// step and send nothing but the read's frames, with or without programming
// after change.
class ReadHidingTheFocus : public WindowHistory, public testing::WithParamInterface<bool> {};

TEST_P(ReadHidingTheFocus, LeavesTheUnitsValuesAndSendsOnlyTheRead)
{
    QCheckBox* programAfterChange = CONTROL(form, CheckBoxProgHned);
    if (GetParam())
        QTest::mouseClick(programAfterChange, Qt::LeftButton);
    ASSERT_EQ(programAfterChange->isChecked(), GetParam());
    QLineEdit* edit = CONTROL(form, EditAdvance8);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());

    TParamImage unit = image;
    unit[ImageByte::ReadAllowed] = 1;
    unit[ImageByte::ProgramVersion] = ExpectedUnitVersion;
    unit[ImageByte::PointCount] = 5;
    unit[ImageByte::BaseAdvance] = 45; // more than its control shows
    const auto answer = [this](std::uint8_t code, const TBlock& block) {
        const TLinkFrame frame = MakeFrame(code, block);
        port->Queue({frame.Bytes.begin(), frame.Bytes.end()});
    };
    port->Written.clear();
    CONTROL(form, MenuRead)->trigger();
    for (int tick = 0; tick < 4 && port->Written.empty(); ++tick)
        Tick(form);
    answer(0xC0, unit.Block(0));
    Tick(form);
    answer(0xC1, unit.Block(1));
    Tick(form);
    ASSERT_FALSE(edit->isVisible());
    answer(0xC1, unit.Block(1));
    Tick(form);

    EXPECT_EQ(CONTROL(form, LabelHlaseni)->text(), QStringLiteral("Verify: OK"));
    EXPECT_EQ(image[ImageByte::BaseAdvance], 45) << "no write-back of the controls";
    EXPECT_EQ(image.Block(1), unit.Block(1));
    EXPECT_EQ(Enabled(), NoneEnabled) << "a read records no step";
    std::vector<int> sent;
    for (const auto& frame : port->Written)
        sent.push_back(frame.at(0));
    EXPECT_EQ(sent, (std::vector<int>{0x40, 0x41, 0x41})) << "read, read, verify";
}

INSTANTIATE_TEST_SUITE_P(ProgrammingAfterChange, ReadHidingTheFocus, testing::Bool());
