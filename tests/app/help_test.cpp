#include "app/help_document.h"
#include "message_boxes.h"
#include "texts/language.h"
#include "texts/message_table.h"
#include "ui/form_about.h"
#include "window_access.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void Touch(const QString& path)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

struct HelpSearch : testing::Test {
    QTemporaryDir root;
    QString working = root.filePath(QStringLiteral("work"));
    QString program = root.filePath(QStringLiteral("prefix/bin"));
    QString installed = root.filePath(QStringLiteral("prefix/share/doc/kolvane/Help.pdf"));
    QString beside = root.filePath(QStringLiteral("prefix/bin/Help.pdf"));
    QString inWorking = root.filePath(QStringLiteral("work/Help.pdf"));

    QString Found() const
    {
        return FirstExistingFile(HelpCandidates(QStringLiteral("Help.pdf"), working, program));
    }
};

TEST_F(HelpSearch, NoneWhenNoCandidateExists)
{
    EXPECT_TRUE(Found().isEmpty());
}

TEST_F(HelpSearch, WorkingFolderFirst)
{
    Touch(inWorking);
    Touch(installed);
    Touch(beside);
    EXPECT_EQ(Found(), inWorking);
}

TEST_F(HelpSearch, InstalledDocumentationBeforeTheProgramsFolder)
{
    Touch(installed);
    Touch(beside);
    EXPECT_EQ(QFileInfo(Found()), QFileInfo(installed));
}

TEST_F(HelpSearch, TheProgramsFolderLast)
{
    Touch(beside);
    EXPECT_EQ(Found(), beside);
}

TEST_F(HelpSearch, AFolderOfThatNameIsNoDocument)
{
    ASSERT_TRUE(QDir().mkpath(inWorking));
    Touch(beside);
    EXPECT_EQ(Found(), beside);
}

// Takes the desktop's place for local files, so no viewer starts.
class TViewer : public QObject {
    Q_OBJECT
public:
    TViewer() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~TViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened << url; }
};

// A window run from an empty working folder, with settings of its own.
struct HelpMenu : testing::Test {
    QTemporaryDir configuration;
    QTemporaryDir working;
    QByteArray previousConfiguration = qgetenv("XDG_CONFIG_HOME");
    QString previousWorking = QDir::currentPath();
    std::unique_ptr<TFormHlav> created;

    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
        ASSERT_TRUE(QDir::setCurrent(working.path()));
        created = NewForm();
    }
    void TearDown() override
    {
        created.reset();
        QDir::setCurrent(previousWorking);
        qputenv("XDG_CONFIG_HOME", previousConfiguration);
        LanguageIndex = 0;
    }
    QString HelpName() const
    {
        return QString::fromStdString(BuildMessageTable(LanguageIndex)[MsgHelpFile]);
    }
    bool ADocumentElsewhere() const
    {
        return !FirstExistingFile(HelpCandidates(HelpName(), working.path(),
                                                 QCoreApplication::applicationDirPath()))
                    .isEmpty();
    }
};

TEST_F(HelpMenu, MissingDocumentSaysSoInTheCurrentLanguage)
{
    if (ADocumentElsewhere())
        GTEST_SKIP() << "a help document is installed beside the tests";
    TFormHlav& form = *created;
    CONTROL(form, MenuFrench)->trigger();
    ASSERT_EQ(LanguageIndex, 2);
    TViewer viewer;
    TMessageBoxes boxes;
    CONTROL(form, MenuContens)->trigger();
    EXPECT_EQ(boxes.Texts, QStringList(QString::fromStdString(
                               BuildMessageTable(LanguageIndex)[MsgOpenHelpError])));
    EXPECT_TRUE(viewer.Opened.isEmpty());
}

TEST_F(HelpMenu, DocumentInTheWorkingFolderGoesToTheDesktop)
{
    TFormHlav& form = *created;
    Touch(working.filePath(HelpName()));
    TViewer viewer;
    TMessageBoxes boxes;
    CONTROL(form, MenuContens)->trigger();
    ASSERT_EQ(viewer.Opened.size(), 1);
    EXPECT_EQ(QFileInfo(viewer.Opened[0].toLocalFile()), QFileInfo(working.filePath(HelpName())));
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(HelpMenu, TicksRunWhileAboutIsOpen)
{
    TFormHlav& form = *created;
    TFormAbout about(BuildStampFrom(__DATE__, __TIME__), &form);
    form.SetAboutWindow(&about);
    int ticks = 0;
    QObject::connect(&form, &TFormHlav::Ticked, [&ticks] { ++ticks; });
    int ticksWhenOpen = -1;
    // Inside the window's own loop: wait for a few ticks, then press OK.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!about.isVisible())
            return;
        if (ticksWhenOpen < 0)
            ticksWhenOpen = ticks;
        if (ticks >= ticksWhenOpen + 3)
            QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("LabelExit")),
                              Qt::LeftButton);
    });
    user.start(5);
    QTimer::singleShot(5000, &about, [&about] { about.done(-1); });
    CONTROL(form, MenuAbout)->trigger();
    EXPECT_GE(ticksWhenOpen, 0) << "About was shown";
    EXPECT_GE(ticks, ticksWhenOpen + 3);
    EXPECT_EQ(about.result(), QDialog::Accepted) << "closed by OK, not by the time limit";
}

} // namespace

#include "help_test.moc"
