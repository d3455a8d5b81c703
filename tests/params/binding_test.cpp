#include "params/binding.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<TSpinBinding> AllBindings()
{
    std::vector<TSpinBinding> all(ScalarBindings().begin(), ScalarBindings().end());
    for (int i = 0; i < CurvePoints; ++i) {
        all.push_back(CurveSpeedBinding(i));
        all.push_back(CurveAdvanceBinding(i));
    }
    return all;
}

} // namespace

// Every byte a spinner can show comes back unchanged from its position, so
// showing the image and writing it back never changes a value in range.
TEST(Binding, EveryShowableByteSurvivesShowAndWriteBack)
{
    for (const TSpinBinding& b : AllBindings()) {
        ASSERT_LE(b.Min, b.Max) << b.Spinner;
        EXPECT_GE(b.Start, b.Min) << b.Spinner;
        EXPECT_LE(b.Start, b.Max) << b.Spinner;
        int shown = 0;
        for (int byte = 0; byte < 256; ++byte) {
            const int position = DisplayValue(b, static_cast<std::uint8_t>(byte));
            if (position < b.Min || position > b.Max)
                continue;
            ++shown;
            EXPECT_EQ(StoredValue(b, position), byte) << b.Spinner << " byte " << byte;
        }
        EXPECT_GT(shown, 0) << b.Spinner;
        EXPECT_EQ(b.Step % b.Scale, 0) << b.Spinner << ": a step moves whole bytes";
    }
}

TEST(Binding, NamesAndBytesAreUniqueAndFoundByName)
{
    std::set<std::string> names;
    std::set<int> bytes;
    for (const TSpinBinding& b : AllBindings()) {
        EXPECT_TRUE(names.insert(b.Spinner).second) << b.Spinner;
        EXPECT_TRUE(bytes.insert(b.Byte).second) << b.Byte;
        EXPECT_EQ(SpinBinding(b.Spinner).Byte, b.Byte);
    }
    EXPECT_THROW(SpinBinding("UpDownNothing"), std::invalid_argument);
}
