#include "params/editor.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TParamImage Defaults()
{
    TParamImage image;
    image.SetDefaults();
    image.Normalise();
    return image;
}

// What the controls hold right after the image was shown.
TEditorValues Shown(TParamImage& image)
{
    return ShowValues(image);
}

} // namespace

TEST(Editor, OneChangedPointIsRecordedAndItsNeighboursArePushed)
{
    TParamImage image = Defaults();
    TEditorValues values = Shown(image);
    values.Speeds[2] = 5000; // point 3 from 2500 to 5000 rpm
    image.ChangedPoint = EditStarted;
    WriteBackValues(values, image);
    EXPECT_EQ(image.ChangedPoint, 2);
    image.Normalise();
    EXPECT_EQ(image.Speed(3), 51) << "pushed above the edited point";
    EXPECT_EQ(image.Speed(7), 55) << "far enough already";
}

TEST(Editor, ChangeTrackingCountsPointsNotValues)
{
    TParamImage image = Defaults();
    TEditorValues values = Shown(image);
    image.ChangedPoint = EditStarted;
    WriteBackValues(values, image);
    EXPECT_EQ(image.ChangedPoint, EditStarted) << "nothing changed: the value is kept";

    values.Speeds[4] += 100;
    values.Advances[4] += 1; // the same point twice
    WriteBackValues(values, image);
    EXPECT_EQ(image.ChangedPoint, 4);

    values.Advances[0] += 1;
    values.Advances[14] += 1;
    image.ChangedPoint = 7;
    WriteBackValues(values, image);
    EXPECT_EQ(image.ChangedPoint, SeveralPoints) << "two points, whatever it was before";
}

TEST(Editor, ShowingLimitsTheControlsNotTheImage)
{
    TParamImage image = Defaults();
    image[ImageByte::Limiter] = 250;
    image[ImageByte::BaseAdvance] = 45;
    image[ImageByte::Variant] = 7;
    image[ImageByte::Input2] = 3;
    const TEditorValues values = ShowValues(image);
    EXPECT_EQ(values.Scalars[3], 25000) << "the limiter in rpm";
    EXPECT_EQ(values.Scalars[1], 40) << "the base advance spinner stops at 40";
    EXPECT_EQ(image[ImageByte::BaseAdvance], 45) << "the byte waits for the next write-back";
    EXPECT_EQ(image[ImageByte::Variant], 0);
    EXPECT_EQ(image[ImageByte::Input2], 0);
    WriteBackValues(values, image);
    EXPECT_EQ(image[ImageByte::BaseAdvance], 40);
}

// Whatever the image holds, writing back what is shown and showing it again
// settles at once: the second round changes nothing.
TEST(Editor, ShowAndWriteBackReachAFixedPoint)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        TParamImage image;
        for (std::uint8_t& byte : image.Bytes)
            byte = static_cast<std::uint8_t>(random());
        image.Normalise();
        WriteBackValues(ShowValues(image), image);
        image.Normalise();
        const auto settled = image.Bytes;
        WriteBackValues(ShowValues(image), image);
        image.Normalise();
        EXPECT_EQ(image.Bytes, settled) << "round " << round;
    }
}

TEST(Editor, AdvanceStepsStayWithinTheirLimits)
{
    TParamImage image = Defaults();
    image.Advance(0) = 0;
    image.Advance(1) = 60;
    StepAdvances(image, -1, true, true, 0);
    EXPECT_EQ(image.Advance(0), 0);
    EXPECT_EQ(image.Advance(1), 59);
    EXPECT_EQ(image.Advance(2), 15) << "every point, 16 - 1";
    StepAdvances(image, +1, true, true, 0);
    StepAdvances(image, +1, true, true, 0);
    EXPECT_EQ(image.Advance(1), 60) << "stops at 60";
    EXPECT_EQ(image.Advance(0), 2);

    const auto before = image.Bytes;
    StepAdvances(image, +1, false, true, 5);
    EXPECT_EQ(image.Bytes, before) << "no highlighted row, nothing changes";
    StepAdvances(image, +1, false, false, 5);
    EXPECT_EQ(image.Advance(5), before[ImageByte::CurveAdvance + 5] + 1);
    EXPECT_EQ(image.Advance(4), before[ImageByte::CurveAdvance + 4]);
}

TEST(Editor, RowsBeyondThePointCountAreHiddenAndPrintingHidesTheAids)
{
    TParamImage image = Defaults();
    image[ImageByte::PointCount] = 5;
    const auto visible = [](const TEditorLook& look, const std::string& control) {
        std::optional<bool> shown;
        for (const TControlLook& entry : look.Controls)
            if (entry.Control == control && entry.Visible)
                shown = entry.Visible;
        return shown;
    };
    const TEditorLook look = DependentsLook(image, {});
    EXPECT_EQ(visible(look, "EditRpmAdv5"), true);
    EXPECT_EQ(visible(look, "EditRpmAdv6"), false);
    EXPECT_EQ(visible(look, "UpDownAdvance6"), false);
    EXPECT_FALSE(look.WindowWhite);

    const TEditorLook printed = DependentsLook(image, {true, false, false});
    EXPECT_TRUE(printed.WindowWhite);
    EXPECT_EQ(visible(printed, "EditAdvance5"), true) << "the rows keep their edit boxes";
    EXPECT_EQ(visible(printed, "UpDownAdvance5"), false);
    EXPECT_EQ(visible(printed, "GroupBoxToolBar"), false);
    EXPECT_EQ(visible(look, "GroupBoxToolBar"), true);
}

TEST(Editor, TheReadLockBoxIsRedWhileTheImageLocksReading)
{
    TParamImage image = Defaults();
    const auto lastRed = [](const TEditorLook& look) {
        std::optional<bool> red;
        for (const TControlLook& entry : look.Controls)
            if (entry.Control == "CheckBoxZakazCteni" && entry.Red)
                red = entry.Red;
        return red;
    };
    EXPECT_EQ(lastRed(DependentsLook(image, {false, false, true})), false) << "the byte decides";
    image[ImageByte::ReadLock] = 1;
    EXPECT_EQ(lastRed(DependentsLook(image, {})), true);
}
