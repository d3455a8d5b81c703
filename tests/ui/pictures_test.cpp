#include "ui/pictures.h"

#include <QImage>
#include <gtest/gtest.h>

#include <array>

namespace {

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 127;
    return count;
}

constexpr std::array<TToolGlyph, 6> Glyphs{TToolGlyph::New,   TToolGlyph::Open, TToolGlyph::Save,
                                           TToolGlyph::Print, TToolGlyph::Undo, TToolGlyph::Redo};

// A picture drawn at twice the density: twice the pixels for the same
// logical size, and not merely the 1x picture blown up.
void ExpectDrawnAtDoubleDensity(const QPixmap& single, const QPixmap& twice)
{
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_EQ(twice.size(), 2 * single.size());
    EXPECT_EQ(twice.deviceIndependentSize(), single.deviceIndependentSize());
    const QImage image = twice.toImage().convertToFormat(QImage::Format_ARGB32);
    for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation})
        EXPECT_NE(image, single.toImage()
                             .scaled(twice.size(), Qt::IgnoreAspectRatio, mode)
                             .convertToFormat(QImage::Format_ARGB32));
}

TEST(Pictures, EveryGlyphIsDrawnInBothStates)
{
    for (TToolGlyph glyph : Glyphs) {
        const QImage normal = ToolGlyph(glyph, false).toImage();
        const QImage disabled = ToolGlyph(glyph, true).toImage();
        EXPECT_EQ(normal.size(), QSize(16, 16));
        EXPECT_EQ(disabled.size(), QSize(16, 16));
        EXPECT_GT(OpaquePixels(normal), 10) << int(glyph);
        EXPECT_NE(normal, disabled) << int(glyph);
    }
    EXPECT_NE(ToolGlyph(TToolGlyph::Undo, false).toImage(),
              ToolGlyph(TToolGlyph::Redo, false).toImage());
}

TEST(Pictures, IconAndLogoHaveTheirSizesAndTransparentSurroundings)
{
    const QImage icon = WindowIconPixmap().toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);

    const QImage logo = LogoPixmap().toImage();
    EXPECT_EQ(logo.size(), QSize(600, 107));
    EXPECT_EQ(qAlpha(logo.pixel(0, 0)), 0);
    EXPECT_GT(OpaquePixels(logo), 2000);
}

TEST(Pictures, GlyphsAndLogoAreDrawnAtDoubleDensity)
{
    for (TToolGlyph glyph : Glyphs)
        for (const bool disabled : {false, true})
            ExpectDrawnAtDoubleDensity(ToolGlyph(glyph, disabled), ToolGlyph(glyph, disabled, 2.0));
    ExpectDrawnAtDoubleDensity(LogoPixmap(), LogoPixmap(2.0));
}

TEST(Pictures, ToolIconsHoldTheDoubleDensityGlyphs)
{
    const QPixmap twice =
        ToolIcon(TToolGlyph::Save).pixmap(QSize(GlyphSize, GlyphSize), 2.0, QIcon::Disabled);
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_EQ(
        twice.toImage().convertToFormat(QImage::Format_ARGB32),
        ToolGlyph(TToolGlyph::Save, true, 2.0).toImage().convertToFormat(QImage::Format_ARGB32));
}

} // namespace
