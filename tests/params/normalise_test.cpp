#include "params/param_image.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TParamImage DefaultImage()
{
    TParamImage image;
    image.ResetPushMemory();
    image.SetDefaults();
    return image;
}

std::vector<int> Speeds(TParamImage& image, int from, int to)
{
    std::vector<int> speeds;
    for (int i = from; i <= to; ++i)
        speeds.push_back(image.Speed(i));
    return speeds;
}

void ExpectOrderedWithinBounds(TParamImage& image)
{
    for (int i = 0; i < CurvePoints; ++i) {
        EXPECT_GE(image.Speed(i), i + 6) << "point " << i;
        EXPECT_LE(image.Speed(i), i + 186) << "point " << i;
        if (i > 0) {
            EXPECT_GT(image.Speed(i), image.Speed(i - 1)) << "point " << i;
        }
    }
}

} // namespace

TEST(Defaults, WriteBlockOneAndLeaveTheRestAlone)
{
    TParamImage image;
    image.Bytes.fill(0xAA);
    image.SetDefaults();
    EXPECT_EQ(image[51], 12);
    EXPECT_EQ(image[52], 13);
    EXPECT_EQ(image[53], 60);
    EXPECT_EQ(image[54], 90);
    EXPECT_EQ(image[56], 2);
    EXPECT_EQ(image[59], 2);
    EXPECT_EQ(image[67], 100);
    EXPECT_EQ(image.Speed(0), 10);
    EXPECT_EQ(image.Speed(14), 150);
    EXPECT_EQ(image.Advance(4), 21);
    for (int untouched : {0, 49, 50, 57, 58, 63, 64, 69})
        EXPECT_EQ(image[untouched], 0xAA) << "byte " << untouched;
}

TEST(Defaults, SurviveNormalisationUnchanged)
{
    TParamImage image = DefaultImage();
    const auto before = image.Bytes;
    image.Normalise();
    EXPECT_EQ(image.Bytes, before);
}

TEST(AllPoints, LiftsLowSpeedsIntoAStrictlyRisingCurve)
{
    TParamImage image = DefaultImage();
    for (int i = 0; i < CurvePoints; ++i)
        image.Speed(i) = 5;
    image.Normalise();
    for (int i = 0; i < CurvePoints; ++i)
        EXPECT_EQ(image.Speed(i), 6 + i);
}

TEST(Ceilings, AllPointsAndSinglePointDifferByOne)
{
    TParamImage all = DefaultImage();
    all.Speed(14) = 250;
    all.Normalise();
    EXPECT_EQ(all.Speed(14), 200);

    TParamImage single = DefaultImage();
    single.ChangedPoint = 14;
    single.Speed(14) = 250;
    single.Normalise();
    EXPECT_EQ(single.Speed(14), 199);
}

TEST(SinglePoint, PushesNeighboursAndRestoresThemWhileTheSamePointIsEdited)
{
    TParamImage image = DefaultImage();
    image.ChangedPoint = 2;
    image.Speed(2) = 50;
    image.Normalise();
    EXPECT_EQ(Speeds(image, 3, 7), (std::vector<int>{51, 52, 53, 54, 55}));
    EXPECT_TRUE(image.PointPushed[3]);
    EXPECT_FALSE(image.PointPushed[7]);

    image.Speed(2) = 25;
    image.Normalise();
    EXPECT_EQ(Speeds(image, 2, 7), (std::vector<int>{25, 35, 40, 46, 47, 55}));
    for (int j = 0; j < CurvePoints; ++j)
        EXPECT_FALSE(image.PointPushed[j]) << "point " << j;
}

TEST(SinglePoint, EditingAnotherPointForgetsThePushMemory)
{
    TParamImage image = DefaultImage();
    image.ChangedPoint = 2;
    image.Speed(2) = 50;
    image.Normalise();

    image.ChangedPoint = 5;
    image.Normalise();
    EXPECT_EQ(image.LastChangedPoint, 5);
    image.ChangedPoint = 2;
    image.Speed(2) = 25;
    image.Normalise();
    EXPECT_EQ(Speeds(image, 3, 6), (std::vector<int>{51, 52, 53, 54}));
}

TEST(SinglePoint, LiftsAPointBelowItsFloorAndPushesLowerPointsDown)
{
    TParamImage image = DefaultImage();
    for (int i = 0; i < 5; ++i)
        image.Speed(i) = static_cast<std::uint8_t>(30 + i);
    image.ChangedPoint = 5;
    image.Speed(5) = 0;
    image.Normalise();
    EXPECT_EQ(Speeds(image, 0, 5), (std::vector<int>{6, 7, 8, 9, 10, 11}));
}

TEST(SinglePoint, APointAboveItsCeilingNeverLandsOnItsLowerNeighbour)
{
    TParamImage image = DefaultImage();
    for (int i = 0; i < CurvePoints; ++i)
        image.Speed(i) = static_cast<std::uint8_t>(186 + i); // every point at its ceiling
    image.ChangedPoint = 8;
    image.Speed(8) = 209;
    image.Normalise();
    EXPECT_EQ(image.Speed(8), 193);
    EXPECT_EQ(image.Speed(7), 192) << "pushed below the clamped point";
    EXPECT_LT(image.Speed(8), image.Speed(9));
}

TEST(Limiters, LimiterFloorAndStartLimiterCeiling)
{
    TParamImage image = DefaultImage();
    image[54] = 5;
    image.Normalise();
    EXPECT_EQ(image[54], 10);
    EXPECT_EQ(image[53], 10);

    image[54] = 90;
    image[53] = 120;
    image.Normalise();
    EXPECT_EQ(image[53], 90);

    image[54] = 9; // 999 rpm entered
    image.Normalise();
    EXPECT_EQ(image[54], 10);
}

TEST(VariantSeven, CapsAdvancesAtTheBaseAdvanceOnlyWhenSet)
{
    TParamImage image = DefaultImage();
    image.Normalise();
    EXPECT_EQ(image.Advance(4), 21);

    image[50] = 7;
    image.Normalise();
    for (int i = 0; i < CurvePoints; ++i)
        EXPECT_LE(image.Advance(i), 13);
    EXPECT_EQ(image.Advance(4), 13);
    EXPECT_EQ(image.Advance(0), 12);
}

TEST(Blocks, RoundTripAndRejectABadBlockNumber)
{
    TParamImage image = DefaultImage();
    TBlock block{};
    for (int i = 0; i < BlockSize; ++i)
        block[i] = static_cast<std::uint8_t>(i + 1);
    image.StoreBlock(0, block);
    EXPECT_EQ(image.Block(0), block);
    EXPECT_EQ(image[0], 1);
    EXPECT_EQ(image[51], 12) << "block 1 untouched";
    EXPECT_THROW(image.Block(2), std::out_of_range);
}

// Every path normalises all points first (start-up, received blocks, files);
// single-point edits then act on an ordered curve and must keep it ordered.
TEST(Property, RandomImagesAndEditsKeepTheCurveOrderedWithinBounds)
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> point(-2, CurvePoints - 1);
    for (int round = 0; round < 2000; ++round) {
        TParamImage image;
        image.ResetPushMemory();
        for (auto& b : image.Bytes)
            b = static_cast<std::uint8_t>(byte(random));
        image.Normalise();
        ExpectOrderedWithinBounds(image);

        for (int edit = 0; edit < 8; ++edit) {
            const int k = point(random);
            image.ChangedPoint = k;
            if (k >= 0)
                image.Speed(k) = static_cast<std::uint8_t>(byte(random));
            image.Normalise();
            ExpectOrderedWithinBounds(image);
            EXPECT_GE(image[54], 10);
            EXPECT_LE(image[53], image[54]);
        }
        if (HasFailure())
            FAIL() << "round " << round;
    }
}
