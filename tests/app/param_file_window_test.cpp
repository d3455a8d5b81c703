// New, Open and Save as the user runs them from the window.
#include "file_dialogs.h"
#include "files/param_file.h"
#include "message_boxes.h"
#include "texts/language.h"
#include "window_access.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct WindowFiles : testing::Test {
    std::unique_ptr<TFormHlav> created = NewForm();
    TFormHlav& form = *created;
    const TParamImage& image = form.Image();
    QTemporaryDir folder;
    TFileDialogs dialogs;
    TMessageBoxes boxes;

    void SetUp() override
    {
        Activate(form);
        ASSERT_TRUE(folder.isValid());
    }
    void SetAdvance1(int value)
    {
        Activate(form); // back from a dialog
        QLineEdit* edit = CONTROL(form, EditAdvance1);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(value));
        CONTROL(form, EditBaseAdv)->setFocus();
    }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};

} // namespace

TEST_F(WindowFiles, SaveAddsTheExtensionAndOpenBringsTheValuesBack)
{
    SetAdvance1(33);
    dialogs.Answer = folder.filePath(QStringLiteral("tune"));
    CONTROL(form, MenuSave)->trigger();
    const QString saved = folder.filePath(QStringLiteral("tune.ign"));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "saved with the default extension";
    EXPECT_EQ(file.readAll().toStdString(), WriteParamFile(image));
    EXPECT_EQ(CONTROL(form, LabelFile2)->text(), saved);

    SetAdvance1(20);
    const TParamImage edited = image;
    dialogs.Answer = saved;
    CONTROL(form, SpeedButton5)->click(); // Open
    EXPECT_EQ(image.Advance(0), 33);
    EXPECT_EQ(CONTROL(form, EditAdvance1)->text(), QStringLiteral("33"));
    CONTROL(form, MenuZpet)->trigger();
    EXPECT_EQ(image.Bytes, edited.Bytes) << "an open is one undo step";
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(WindowFiles, RefusedFilesChangeNothingAndSayWhy)
{
    CONTROL(form, LabelFile2)->setText(QStringLiteral("before.ign"));
    const TParamImage before = image;
    TParamImage other = image;
    other.Advance(0) = 40;
    std::string older = WriteParamFile(other);
    older.replace(older.find("72"), 2, "71");
    dialogs.Answer = Write(QStringLiteral("old.ign"), QByteArray::fromStdString(older));
    CONTROL(form, MenuOpen)->trigger();
    dialogs.Answer = Write(QStringLiteral("huge.ign"), QByteArray(MaxParamFileSize + 1, ' '));
    CONTROL(form, MenuOpen)->trigger();
    dialogs.Answer.clear(); // cancelled
    CONTROL(form, MenuOpen)->trigger();
    EXPECT_EQ(dialogs.Shown, 3);
    EXPECT_EQ(boxes.Texts, (QStringList{QStringLiteral("Unmatched version of *.ign file!"),
                                        QStringLiteral("Open file error!")}));
    EXPECT_EQ(image.Bytes, before.Bytes);
    EXPECT_EQ(CONTROL(form, LabelFile2)->text(), QStringLiteral("before.ign"));
}

TEST_F(WindowFiles, NewAsksFirstThenLoadsTheDefaultsAndForgetsTheFile)
{
    SetAdvance1(33);
    CONTROL(form, LabelFile2)->setText(QStringLiteral("tune.ign"));
    boxes.Answer = QMessageBox::No;
    CONTROL(form, MenuNew)->trigger();
    EXPECT_EQ(image.Advance(0), 33);
    EXPECT_EQ(CONTROL(form, LabelFile2)->text(), QStringLiteral("tune.ign"));

    boxes.Answer = QMessageBox::Yes;
    CONTROL(form, SpeedButton6)->click();
    TParamImage defaults = image;
    defaults.SetDefaults();
    EXPECT_EQ(image.Bytes, defaults.Bytes);
    EXPECT_TRUE(CONTROL(form, LabelFile2)->text().isEmpty());
    EXPECT_EQ(boxes.Texts.size(), 2);
}

TEST_F(WindowFiles, ValuesBeyondTheControlsAreTakenAndListedInOneBox)
{
    CONTROL(form, MenuCzech)->trigger();
    std::string text = WriteParamFile(image);
    text += "\r\nLIMITER 9000\r\nADVANCE 12 13 16 99";
    dialogs.Answer = Write(QStringLiteral("wide.ign"), QByteArray::fromStdString(text));
    CONTROL(form, MenuOpen)->trigger();
    LanguageIndex = 0;
    EXPECT_EQ(CONTROL(form, EditAdvance4)->text(), QStringLiteral("60"));
    const std::string listed =
        ParamFileChangesText({{"ADVANCE 4", "99", 60}, {"LIMITER", "9000", 250}}, 3); // Czech
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0].toStdString(), listed);
}
