#include "ui/form_about.h"
#include "ui/pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const TBuildStamp Stamp{"Apr  8 2009", "10:33:52"};

QLabel* Label(const TFormAbout& about, const char* name)
{
    auto* label = about.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

// Runs the window modally and, inside its loop, does what a user would.
int RunWith(TFormAbout& about, const std::function<void()>& user)
{
    QTimer::singleShot(0, &about, user);
    // Never hangs a test: a window still open after this is refused.
    QTimer::singleShot(5000, &about, [&about] { about.done(-1); });
    return about.exec();
}

TEST(About, WhiteClientAreaOfItsSize)
{
    TFormAbout about(Stamp);
    EXPECT_EQ(about.size(), QSize(596, 144));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    const QImage shot = about.grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(Qt::white));
}

TEST(About, ShowsLogoStampAndOk)
{
    TFormAbout about(Stamp);
    EXPECT_EQ(Label(about, "Image1")->pixmap().size(), QSize(LogoWidth, LogoHeight));
    EXPECT_EQ(Label(about, "LabelDate")->text(), QString::fromStdString(Stamp.Date));
    EXPECT_EQ(Label(about, "LabelTime")->text(), QString::fromStdString(Stamp.Time));
    EXPECT_EQ(Label(about, "LabelExit")->text(), QStringLiteral("OK"));
    EXPECT_LT(Label(about, "LabelDate")->geometry().right(), Label(about, "LabelTime")->x());
}

TEST(About, OnlyCloseButtonInTheTitleBar)
{
    TFormAbout about(Stamp);
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
}

TEST(About, OkClosesIt)
{
    TFormAbout about(Stamp);
    const int result =
        RunWith(about, [&] { QTest::mouseClick(Label(about, "LabelExit"), Qt::LeftButton); });
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST(About, LogoDateAndKeysLeaveItOpen)
{
    TFormAbout about(Stamp);
    bool openAfter = false;
    RunWith(about, [&] {
        QTest::mouseClick(Label(about, "Image1"), Qt::LeftButton);
        QTest::mouseClick(Label(about, "LabelDate"), Qt::LeftButton);
        QTest::keyClick(&about, Qt::Key_Escape);
        QTest::keyClick(&about, Qt::Key_Return);
        openAfter = about.isVisible();
        about.done(QDialog::Accepted);
    });
    EXPECT_TRUE(openAfter);
}

TEST(About, CentredOnceAndReopensWhereLeft)
{
    TFormAbout about(Stamp);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = about.frameGeometry().size();
    EXPECT_EQ(about.pos(), QPoint(screen.width() / 2 - outer.width() / 2,
                                  screen.height() / 2 - outer.height() / 2));
    const QPoint moved = about.pos() + QPoint(37, 21);
    RunWith(about, [&] {
        about.move(moved);
        about.accept();
    });
    QPoint reopened;
    RunWith(about, [&] {
        reopened = about.pos();
        about.accept();
    });
    EXPECT_EQ(reopened, moved);
    EXPECT_EQ(Label(about, "LabelDate")->text(), QString::fromStdString(Stamp.Date));
}

} // namespace
