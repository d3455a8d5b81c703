#include "ui/pictures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 127;
    return count;
}

TEST(Pictures, EveryGlyphIsDrawnInBothStates)
{
    for (TToolGlyph glyph : {TToolGlyph::New, TToolGlyph::Open, TToolGlyph::Save, TToolGlyph::Print,
                             TToolGlyph::Undo, TToolGlyph::Redo}) {
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

} // namespace
