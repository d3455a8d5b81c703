// The chart in the window: drawn by the tick only, dragged with the mouse.
#include "chart/chart_geometry.h"
#include "window_access.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct WindowChart : testing::Test {
    TFakePort* port = nullptr;
    std::unique_ptr<TFormHlav> created = NewForm(port);
    TFormHlav& form = *created;
    const TParamImage& image = form.Image();
    QLabel* chart = nullptr;

    void SetUp() override
    {
        Activate(form);
        chart = CONTROL(form, GrafAdv);
        Tick(form);
    }
    QImage Picture() const { return chart->grab().toImage(); }
    // Where the chart draws a value, on the axes the image asks for.
    TChartPixel PixelOf(int point) const
    {
        TAdvanceChart geometry;
        ChartRecalcGeometry(geometry, image, chart->width(), chart->height());
        return ChartMap(geometry, PointValue(geometry, image, point));
    }
    void Answer(const TLinkFrame& frame) { port->Queue({frame.Bytes.begin(), frame.Bytes.end()}); }
};

} // namespace

TEST_F(WindowChart, OnlyTheTickRedrawsAnEditedCurve)
{
    const QImage before = Picture();
    ASSERT_EQ(before.size(), chart->size());
    QLineEdit* edit = CONTROL(form, EditAdvance1);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("40"));
    CONTROL(form, EditBaseAdv)->setFocus();
    ASSERT_EQ(image.Advance(0), 40);
    EXPECT_EQ(Picture(), before) << "nothing drawn outside the tick";
    Tick(form);
    EXPECT_NE(Picture(), before);
    const TChartPixel point = PixelOf(0);
    EXPECT_EQ(Picture().pixel(point.X, point.Y), qRgb(255, 255, 0)) << "the point, where it now is";
}

TEST_F(WindowChart, DraggingAPointEditsTheImageAndRecordsOneStep)
{
    const TChartPixel start = PixelOf(2);
    const std::uint8_t advance = image.Advance(2);
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(start.X, start.Y));
    for (int dy = 1; dy <= 12; ++dy)
        QTest::mouseMove(chart, QPoint(start.X, start.Y - dy));
    EXPECT_GT(image.Advance(2), advance) << "moved up";
    EXPECT_EQ(CONTROL(form, EditAdvance3)->text().toInt(), image.Advance(2)) << "and shown";
    EXPECT_FALSE(CONTROL(form, SpeedButtonZpet)->isEnabled()) << "recorded at the release";
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(start.X, start.Y - 12));
    EXPECT_TRUE(CONTROL(form, SpeedButtonZpet)->isEnabled());
    CONTROL(form, SpeedButtonZpet)->click();
    EXPECT_EQ(image.Advance(2), advance) << "one undo takes the whole drag back";
}

TEST_F(WindowChart, TheLiveEngineSpeedAndAReadRedrawIt)
{
    TFrameData live{};
    live[0] = 3000 & 0xFF;
    live[1] = 3000 >> 8;
    live[41] = 1; // pick-up signal
    live[MonitorByte::Version - 1] = ExpectedUnitVersion;
    Answer(MakeFrame(FrameCode::MonitorAnswer, live));
    Tick(form);
    TAdvanceChart geometry;
    ChartRecalcGeometry(geometry, image, chart->width(), chart->height());
    EXPECT_EQ(Picture().pixel(ChartX(geometry, 3000), geometry.OriginY - 10), qRgb(0, 255, 0));

    // A read brings another limiter: the grey zone moves with the next tick.
    CONTROL(form, MenuRead)->trigger();
    TFrameData block0{};
    block0[ImageByte::ReadAllowed] = 1;
    block0[ImageByte::ProgramVersion] = ExpectedUnitVersion;
    Answer(MakeFrame(0xC0, block0));
    Tick(form);
    TParamImage unit = image;
    unit[ImageByte::Limiter] = 150;
    Answer(MakeFrame(0xC1, unit.Block(1)));
    const QImage before = Picture();
    Tick(form, 2); // the read's answer, then the tick that draws it
    ASSERT_EQ(image[ImageByte::Limiter], 150);
    EXPECT_NE(Picture(), before);
    ChartRecalcGeometry(geometry, image, chart->width(), chart->height());
    EXPECT_EQ(geometry.AxisMaxRpm, 17500);
    const int limiterX = ChartX(geometry, 15000);
    EXPECT_EQ(Picture().pixel(limiterX + 3, geometry.OriginY - 20), qRgb(192, 192, 192));
    EXPECT_EQ(Picture().pixel(limiterX - 3, geometry.OriginY - 20), qRgb(255, 251, 240));
}

TEST_F(WindowChart, ADragThatWidensTheAxesKeepsFollowingThePointer)
{
    const int last = image[ImageByte::PointCount] - 1;
    TChartPixel at = PixelOf(last);
    const int axisBefore = AxisMaxRpmFor(image);
    QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    // Small steps to the right edge and a little back, as a hand would move.
    for (int x = at.X + 1; x < chart->width(); ++x)
        QTest::mouseMove(chart, QPoint(x, at.Y));
    EXPECT_GT(AxisMaxRpmFor(image), axisBefore) << "the axes widened during the drag";
    const int speed = image.Speed(last);
    at = PixelOf(last);
    QTest::mouseMove(chart, QPoint(at.X - 10, at.Y));
    QTest::mouseMove(chart, QPoint(at.X - 20, at.Y));
    EXPECT_LT(image.Speed(last), speed) << "moves after a placement still drag";
    QTest::mouseRelease(chart, Qt::LeftButton, {}, QPoint(at.X - 20, at.Y));
}
