// What the window keeps between runs, through real closes and new starts.
#include "files/image_copy.h"
#include "message_boxes.h"
#include "pseudo_terminal.h"
#include "texts/language.h"
#include "window_access.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <unistd.h>

namespace {

struct Settings : testing::Test {
    QTemporaryDir configuration;
    QByteArray previous = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override { qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit()); }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", previous);
        LanguageIndex = 0;
    }

    static void Write(const QString& path, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static TImageBytes CopyOnDisk()
    {
        TImageBytes bytes{};
        ParseImageCopy(Read(ImageCopyPath()).toStdString(), bytes);
        return bytes;
    }
    static bool Checked(TFormHlav& form, const char* item)
    {
        return FindNamed<QAction>(form, QLatin1String(item))->isChecked();
    }
    // The real program on the terminal, keeping its settings in this test's folder.
    void StartProgram(QProcess& program, const TPty& terminal, QStringList options = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configuration.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        options << QStringLiteral("--port") << QString::fromStdString(terminal.SlavePath);
        program.start(QStringLiteral(KOLVANE_PROGRAM), options);
    }
};

TImageBytes DefaultImage()
{
    TParamImage image;
    image[ImageByte::Variant] = 0;
    image.SetDefaults();
    image[ImageByte::Input1] = 1;
    return image.Bytes;
}

} // namespace

TEST_F(Settings, AFirstRunStartsFromTheDefaults)
{
    auto form = NewForm();
    EXPECT_TRUE(Checked(*form, "MenuComItem21")) << "Com Auto";
    EXPECT_EQ(CONTROL(*form, LabelCom)->text(), QStringLiteral("COM= COM1"));
    EXPECT_TRUE(Checked(*form, "MenuEnglish"));
    EXPECT_TRUE(CONTROL(*form, LabelFile2)->text().isEmpty());
    EXPECT_FALSE(CONTROL(*form, CheckBoxIgnAll)->isChecked());
    EXPECT_EQ(form->Image().Bytes, DefaultImage());
    form->close();
    const QByteArray copy = Read(ImageCopyPath());
    EXPECT_TRUE(copy.split('\n')[5].startsWith(
        "    0    12    13    60    90     6     2     0     0     2 "));
}

TEST_F(Settings, EverythingComesBackAfterACloseAndANewStart)
{
    TImageBytes edited;
    TFakePort* port = nullptr;
    {
        auto form = NewForm(port, {3});
        form->move(123, 45);
        FindNamed<QAction>(*form, QStringLiteral("MenuComItem3"))->trigger();
        CONTROL(*form, MenuCzech)->trigger();
        CONTROL(*form, CheckBoxIgnAll)->setChecked(true);
        CONTROL(*form, EditAdvance2)->setText(QStringLiteral("33"));
        form->close(); // the close writes the controls back
        edited = form->Image().Bytes;
        EXPECT_EQ(edited[ImageByte::CurveAdvance + 1], 33);
    }
    auto form = NewForm(port, {3});
    EXPECT_EQ(form->pos(), QPoint(123, 45));
    EXPECT_TRUE(Checked(*form, "MenuComItem3"));
    EXPECT_TRUE(Checked(*form, "MenuCzech"));
    EXPECT_TRUE(CONTROL(*form, CheckBoxIgnAll)->isChecked());
    EXPECT_EQ(form->Image().Bytes, edited);
    EXPECT_EQ(CONTROL(*form, EditAdvance2)->text(), QStringLiteral("33"));
}

TEST_F(Settings, ADamagedOrOddImageCopySpoilsOnlyItsDamagedPart)
{
    const auto startWith = [&](const QByteArray& copy) {
        Write(ImageCopyPath(), copy);
        auto form = NewForm();
        return form->Image().Bytes;
    };
    QByteArray sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "7 ";
    TImageBytes bytes = startWith(sixty);
    EXPECT_EQ(bytes[40], 7);
    EXPECT_EQ(bytes[70], DefaultImage()[70]) << "the rest keeps the defaults";

    bytes = startWith(sixty + "x 9 9 9");
    EXPECT_EQ(bytes[60], DefaultImage()[60]) << "a word ends the reading; nothing is smeared";

    QByteArray many;
    for (int i = 0; i < 120; ++i)
        many += QByteArray::number(i < 100 ? 0 : 200) + ' ';
    bytes = startWith(many);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 200), 0)
        << "100 numbers read, the rest ignored";
}

TEST_F(Settings, ALanguageOutOfRangeIsEnglishAndOtherKeysSurvive)
{
    Write(SettingsFilePath(), "; kept\n[basic]\nlanguage = 7\ncomport=3\n[OTHER]\nKey=Value\n");
    TFakePort* port = nullptr;
    auto form = NewForm(port, {3});
    EXPECT_TRUE(Checked(*form, "MenuEnglish"));
    EXPECT_TRUE(Checked(*form, "MenuComItem3")) << "keys in another case are found";
    form->close();
    const QByteArray text = Read(SettingsFilePath());
    EXPECT_TRUE(text.contains("; kept\n"));
    EXPECT_TRUE(text.contains("[OTHER]\nKey=Value"));
    EXPECT_TRUE(text.contains("language=0") || text.contains("language = 0")) << text.toStdString();
    EXPECT_TRUE(text.contains("CheckBoxIgnAll->Checked=0"));
}

TEST_F(Settings, AFailedSaveIsReportedAndTheWindowStillCloses)
{
    // The program's folder is taken by a file, so nothing can be written in it.
    Write(SettingsFolder(), "in the way");
    TMessageBoxes boxes;
    auto form = NewForm();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_TRUE(boxes.Texts[0].contains(SettingsFilePath()));
    EXPECT_TRUE(boxes.Texts[0].contains(ImageCopyPath()));
}

// A file the start could not read whole holds more than the window knows:
// the close keeps it as it is and says so, where it would have cut it down.
TEST_F(Settings, AFileTooLargeToReadIsKeptAsItWasAtTheClose)
{
    const QByteArray large = "[BASIC]\nLanguage=1\n" + QByteArray(2 * 1024 * 1024, ';');
    for (const QString& path : {SettingsFilePath(), ImageCopyPath()}) {
        Write(path, large);
        testing::internal::CaptureStderr();
        NewForm()->close();
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Read(path) == large && errors.find(path.toStdString()) != std::string::npos)
            << path.toStdString() << ": " << errors;
    }
}

// A save killed halfway leaves QSaveFile's temporary file; the next start
// clears its own (the first two), but not one another running program is
// still writing, nor anything else older than the program.
TEST_F(Settings, AStartRemovesOnlyItsOwnOldLeftoversOfASave)
{
    const std::pair<QString, bool> files[] = {
        {SettingsFilePath() + ".AbCdEf", true},
        {ImageCopyPath() + ".xYzWvU", true},
        {SettingsFilePath() + ".GhIjKl", false}, // another program's save in progress
        {SettingsFilePath() + ".orig", true},
        {SettingsFolder() + "/notes.ini.MnOpQr", true}};
    const QDateTime beforeTheStart = QDateTime::currentDateTime().addSecs(-3600);
    for (const auto& [path, old] : files) {
        Write(path, "half");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    (!old || file.setFileTime(beforeTheStart, QFileDevice::FileModificationTime)));
    }
    auto form = NewForm();
    for (std::size_t i = 0; i < std::size(files); ++i)
        EXPECT_EQ(QFile::exists(files[i].first), i >= 2) << files[i].first.toStdString();
}

// The close has begun: the box about the failed save runs ticks of its own,
// and none of them may poll the unit or open its port again.
TEST_F(Settings, NothingReachesTheUnitUnderTheBoxOfAFailedSave)
{
    Write(SettingsFolder(), "in the way");
    TMessageBoxes boxes;
    TFakePort* port = nullptr;
    auto form = NewForm(port);
    form->show();
    Tick(*form, 6);
    ASSERT_GT(port->WriteAttempts, 0) << "polling before the close";
    int writes = -1;
    std::size_t opens = 0;
    boxes.Opened = [&] {
        writes = port->WriteAttempts;
        opens = port->OpenAttempts.size();
        Tick(*form, 60); // past the silence watch's re-open
    };
    EXPECT_TRUE(form->close());
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(port->WriteAttempts, writes);
    EXPECT_EQ(port->OpenAttempts.size(), opens);
    EXPECT_FALSE(port->IsOpen());
}

// A signal while that box is open still ends the program, the failure
// already on standard error.
TEST_F(Settings, ASignalUnderTheBoxOfAFailedSaveEndsTheProgram)
{
    Write(SettingsFolder(), "in the way");
    TPty terminal;
    ASSERT_FALSE(terminal.SlavePath.empty());
    QTemporaryDir pictures;
    QProcess program;
    // The screenshot's close is the user's: it ends in the box.
    StartProgram(program, terminal,
                 {QStringLiteral("--screenshot"), pictures.filePath(QStringLiteral("w.png"))});
    program.setReadChannel(QProcess::StandardError);
    QByteArray errors;
    while (!errors.contains(SettingsFilePath().toLocal8Bit()) && program.waitForReadyRead(30000))
        errors += program.readAllStandardError();
    ASSERT_TRUE(errors.contains(SettingsFilePath().toLocal8Bit())) << errors.toStdString();
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000)) << "the box held the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

// Any saved image goes through a start and a close as the controls and the
// normalisation make it, and a second round changes nothing more.
TEST_F(Settings, StartAndCloseReachAFixedPointForAnyImageCopy)
{
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        TImageBytes saved;
        for (std::uint8_t& byte : saved)
            byte = static_cast<std::uint8_t>(random());
        Write(ImageCopyPath(), QByteArray::fromStdString(FormatImageCopy(saved)));
        NewForm()->close();
        const TImageBytes once = CopyOnDisk();
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(once[i], saved[i]) << "block 0 is the unit's, never edited";
        NewForm()->close();
        EXPECT_EQ(CopyOnDisk(), once) << "round " << round;
    }
}

// Logging out sends SIGTERM: the program closes its window the normal way,
// saves, and ends well.
TEST_F(Settings, TheProgramSavesWhenItIsToldToStop)
{
    TPty terminal;
    ASSERT_FALSE(terminal.SlavePath.empty());
    QProcess program;
    StartProgram(program, terminal);
    ASSERT_TRUE(program.waitForStarted());
    // Running: its first monitor request arrives on the terminal. Holding the
    // far end open keeps the terminal from reading as hung up meanwhile.
    const int held = ::open(terminal.SlavePath.c_str(), O_RDWR | O_NOCTTY);
    pollfd request{terminal.Master, POLLIN, 0};
    ASSERT_EQ(::poll(&request, 1, 30000), 1);
    ::close(held);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(SettingsFilePath()));
    EXPECT_EQ(CopyOnDisk()[ImageByte::PointCount], 12);
}
