#include "files/image_copy.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

TImageBytes RandomImage(std::mt19937& random)
{
    TImageBytes bytes;
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::string Numbers(int count, int first)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(first + i) + (i % 10 == 9 ? "\n" : " ");
    return text;
}

} // namespace

TEST(ImageCopy, TenLinesOfTenRightAlignedFields)
{
    std::mt19937 random(20);
    const TImageBytes bytes = RandomImage(random);
    std::istringstream in(FormatImageCopy(bytes));
    int row = 0;
    for (std::string line; std::getline(in, line); ++row) {
        ASSERT_EQ(line.size(), 60u);
        for (int column = 0; column < 10; ++column) {
            const std::string field = line.substr(column * 6, 6);
            EXPECT_EQ(field.back(), ' ');
            EXPECT_EQ(std::stoi(field), bytes[row * 10 + column]);
            EXPECT_NE(field[4], ' ');
        }
    }
    EXPECT_EQ(row, 10);
    EXPECT_EQ(FormatImageCopy(bytes).back(), '\n');

    TImageBytes sample{};
    sample[0] = 255;
    sample[1] = 12;
    EXPECT_EQ(FormatImageCopy(sample).substr(0, 18), "  255    12     0 ");
}

TEST(ImageCopy, AnyImageComesBackExactly)
{
    std::mt19937 random(21);
    for (int round = 0; round < 500; ++round) {
        const TImageBytes written = RandomImage(random);
        std::string text = FormatImageCopy(written);
        if (round % 2)
            for (std::size_t at = text.find('\n'); at != std::string::npos;
                 at = text.find('\n', at + 2))
                text.replace(at, 1, "\r\n");
        TImageBytes read = RandomImage(random);
        ASSERT_EQ(ParseImageCopy(text, read), 100u);
        ASSERT_EQ(read, written);
    }
}

TEST(ImageCopy, AShortCopyFillsOnlyTheLeadingBytes)
{
    TImageBytes bytes;
    bytes.fill(7);
    EXPECT_EQ(ParseImageCopy(Numbers(60, 100), bytes), 60u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(bytes[i], i < 60 ? 100 + i : 7) << i;

    EXPECT_EQ(ParseImageCopy("", bytes), 0u);
    EXPECT_EQ(ParseImageCopy(" \n\t ", bytes), 0u);
    EXPECT_EQ(bytes[0], 100);
}

TEST(ImageCopy, AWordThatIsNoNumberEndsTheReadingAndSparesTheRest)
{
    for (const char* bad : {"x", "12abc", "+5", "-5", "1.5", "0x10"}) {
        TImageBytes bytes;
        bytes.fill(7);
        EXPECT_EQ(ParseImageCopy(Numbers(30, 1) + bad + " " + Numbers(50, 1), bytes), 30u) << bad;
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(bytes[i], i < 30 ? i + 1 : 7) << bad << " " << i;
    }
}

TEST(ImageCopy, NumbersBeyondTheHundredthAreIgnored)
{
    TImageBytes bytes{};
    EXPECT_EQ(ParseImageCopy(Numbers(120, 0) + " junk", bytes), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(bytes[i], i);
}

// The low byte of a number of any length is its value modulo 256.
TEST(ImageCopy, LargeNumbersKeepTheirLowByte)
{
    std::mt19937_64 random(22);
    for (int round = 0; round < 1000; ++round) {
        const std::uint64_t value = random() >> (random() % 64);
        TImageBytes bytes{};
        ASSERT_EQ(ParseImageCopy("000" + std::to_string(value), bytes), 1u);
        ASSERT_EQ(bytes[0], value & 0xFF) << value;
    }
    TImageBytes bytes{};
    const std::string tenThousandNines(10000, '9');
    const std::string tenToThe9999 = "1" + std::string(9999, '0');
    EXPECT_EQ(ParseImageCopy(tenThousandNines + " " + tenToThe9999 + " 256 257", bytes), 4u);
    EXPECT_EQ(bytes[0], 255); // 10^10000 - 1, and 256 divides 10^8
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 1);
}
