#include "params/history.h"

#include <gtest/gtest.h>

namespace {

// An image that differs from every other value of n in 0..255 (and beyond, by wrapping).
TParamImage Numbered(int n)
{
    TParamImage image;
    image.SetDefaults();
    image[ImageByte::Retard] = static_cast<std::uint8_t>(n);
    image[ImageByte::ClutchTime] = static_cast<std::uint8_t>(n >> 8);
    return image;
}

} // namespace

TEST(History, UndoAndRedoWalkTheRecordedImages)
{
    THistory history;
    TParamImage image = Numbered(0);
    history.Init(image);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Push(image, false).Recorded) << "nothing changed";

    image = Numbered(1);
    EXPECT_TRUE(history.Push(image, false).Recorded);
    EXPECT_TRUE(history.CanUndo());
    ASSERT_TRUE(history.Undo(image));
    EXPECT_EQ(image.Bytes, Numbered(0).Bytes);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(image));
    EXPECT_FALSE(history.Push(image, false).Recorded) << "an unchanged push keeps Redo";
    EXPECT_TRUE(history.CanRedo());
    ASSERT_TRUE(history.Redo(image));
    EXPECT_EQ(image.Bytes, Numbered(1).Bytes);
    EXPECT_FALSE(history.Redo(image));

    history.Undo(image);
    image = Numbered(2);
    history.Push(image, false);
    EXPECT_FALSE(history.CanRedo()) << "a new change drops the redo steps";
    history.Undo(image);
    EXPECT_EQ(image.Bytes, Numbered(0).Bytes);
}

TEST(History, TheRingKeepsTheCurrentStepAnd199OlderOnes)
{
    THistory history;
    TParamImage image = Numbered(0);
    history.Init(image);
    for (int n = 1; n <= 250; ++n) {
        image = Numbered(n);
        history.Push(image, false);
        if (n == THistory::HistorySteps) {
            EXPECT_EQ(history.Current(), 0) << "wrapped on the 200th change";
        }
    }
    int undos = 0;
    while (history.Undo(image)) {
        ++undos;
        EXPECT_EQ(image.Bytes, Numbered(250 - undos).Bytes);
        if (history.Current() == THistory::HistorySteps - 1) {
            EXPECT_EQ(image.Bytes, Numbered(199).Bytes) << "wrapped from 0 to 199";
        }
    }
    EXPECT_EQ(undos, 199);
    int redos = 0;
    while (history.Redo(image))
        ++redos;
    EXPECT_EQ(redos, 199);
    EXPECT_EQ(image.Bytes, Numbered(250).Bytes);
}

TEST(History, ProgrammingAfterChangeNeedsOnePushToArm)
{
    THistory history;
    TParamImage image = Numbered(0);
    history.Init(image);
    // (box ticked, image changed) -> programming started, push by push.
    const struct {
        bool Ticked;
        bool Change;
        bool Programs;
    } pushes[] = {
        {true, false, false}, // the click that ticks the box
        {true, false, true},  {true, true, true},    {false, true, false}, {true, false, false},
        {true, false, true},  {false, false, false}, {true, true, true},
    };
    int n = 0;
    for (const auto& push : pushes) {
        if (push.Change)
            image = Numbered(++n);
        EXPECT_EQ(history.Push(image, push.Ticked).StartProgramming, push.Programs) << n;
    }
}
