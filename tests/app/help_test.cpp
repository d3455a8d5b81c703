#include "app/help_document.h"
#include "message_boxes.h"
#include "texts/language.h"
#include "texts/message_table.h"
#include "ui/form_about.h"
#include "window_access.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
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
        qunsetenv("KOLVANE_OPENER");
        LanguageIndex = 0;
    }
    // The desktop's opener: a script noting its argument, then body; null body: none.
    QString UseOpener(const char* body)
    {
        QFile script(configuration.filePath(QStringLiteral("opener")));
        qputenv("KOLVANE_OPENER", script.fileName().toLocal8Bit());
        if (body &&
            script.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
            script.write(QByteArray("#!/bin/sh\necho \"$1\" > \"$0.opened\"\n") + body + "\n");
        return script.fileName() + QStringLiteral(".opened");
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
    TMessageBoxes boxes;
    CONTROL(form, MenuContens)->trigger();
    EXPECT_EQ(boxes.Texts, QStringList(QString::fromStdString(
                               BuildMessageTable(LanguageIndex)[MsgOpenHelpError])));
}

// The opener's script (null: no such opener) and whether it shows the document.
struct HelpOpener : HelpMenu, testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(HelpOpener, TheDocumentInTheWorkingFolderGoesToTheOpenerWhichMustSucceed)
{
    Touch(working.filePath(HelpName()));
    const QString opened = UseOpener(GetParam().first);
    TMessageBoxes boxes;
    CONTROL(*created, MenuContens)->trigger();
    EXPECT_TRUE(boxes.Texts.isEmpty() || !GetParam().first) << "awaited, not waited for";
    ASSERT_TRUE(QTest::qWaitFor([&] { return created->findChildren<QProcess*>().isEmpty(); }));
    const QString error = QString::fromStdString(BuildMessageTable(0)[MsgOpenHelpError]);
    EXPECT_EQ(boxes.Texts, GetParam().second ? QStringList() : QStringList(error));
    QFile given(opened);
    EXPECT_EQ(given.open(QIODevice::ReadOnly) &&
                  QFileInfo(given.readAll().trimmed()) == QFileInfo(working.filePath(HelpName())),
              GetParam().first != nullptr)
        << "the opener was given the document";
}

std::string OpenerName(const testing::TestParamInfo<std::pair<const char*, bool>>& info)
{
    static const char* const names[] = {"Succeeds", "Fails", "Crashes", "IsMissing"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Openers, HelpOpener,
                         testing::Values(std::pair("exit 0", true), std::pair("exit 1", false),
                                         std::pair("kill -SEGV $$", false),
                                         std::pair<const char*, bool>(nullptr, false)),
                         OpenerName);

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
