// What the window keeps between runs: the settings file, the copy of the
// image and the test marker, all in the program's configuration folder.
#include "app/hlav.h"

#include "app/window_place.h"
#include "files/atomic_file.h"
#include "files/image_copy.h"
#include "files/settings.h"
#include "files/test_marker.h"
#include "link/monitor_record.h"
#include "texts/language.h"
#include "ui/file_dialog.h"
#include "ui/label.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>

#include <cstdio>

namespace {
// Far more than any of the three files ever holds.
constexpr qint64 MaxSettingsBytes = 1024 * 1024;

// Near enough when the program started: a leftover of a save that is older
// belongs to no save that another running program has in progress.
const QDateTime ProgramStarted = QDateTime::currentDateTimeUtc();

QString InFolder(const std::string& name)
{
    return QDir(SettingsFolder()).filePath(QString::fromStdString(name));
}
} // namespace

QString SettingsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kolvane"));
}

QString SettingsFilePath() { return InFolder(SettingsFileName(ExpectedUnitVersion)); }
QString ImageCopyPath() { return InFolder(ImageCopyFileName(ExpectedUnitVersion)); }

void TFormHlav::LoadSettings(std::uint8_t& portIndex, std::uint8_t& autoPortIndex)
{
    RemoveSaveLeftovers(SettingsFilePath(), ProgramStarted);
    RemoveSaveLeftovers(ImageCopyPath(), ProgramStarted);
    m_settingsOnDisk = ReadSmallFile(SettingsFilePath(), MaxSettingsBytes);
    TSettings defaults;
    defaults.Left = x();
    defaults.Top = y();
    defaults.Width = width();
    defaults.Height = height();
    // The ports are stored as index plus one: a missing key gives the index
    // back minus one, so the preset 21 becomes "Com Auto" and 0 becomes 255,
    // which the range checks turn into COM1.
    defaults.ComPort = portIndex;
    defaults.ComPortAuto = autoPortIndex;
    defaults.Language = LanguageIndex;
    defaults.IgnAllChecked = m_ui.CheckBoxIgnAll->isChecked();
    const TSettings settings = ReadSettings(TProfileFile(m_settingsOnDisk.Text), defaults);

    PlaceWindow(QRect(settings.Left, settings.Top, settings.Width, settings.Height));
    portIndex = StoredPortIndex(settings.ComPort);
    autoPortIndex = StoredPortIndex(settings.ComPortAuto);
    LanguageIndex = LowByte(settings.Language);
    SetCaption(m_ui.LabelFile2, QString::fromStdString(settings.File));
    LastParamFile = settings.IniDir;
    m_ui.OpenDialog1->FileName = QString::fromStdString(LastParamFile);
    m_ui.SaveDialog1->FileName = QString::fromStdString(LastParamFile);
    m_ui.CheckBoxIgnAll->setChecked(settings.IgnAllChecked);

    // The unit's texts stay empty until the unit itself sends block 0.
    m_copyOnDisk = ReadSmallFile(ImageCopyPath(), MaxSettingsBytes);
    if (m_copyOnDisk.Status == TReadStatus::Whole)
        ParseImageCopy(m_copyOnDisk.Text, m_image.Bytes);
}

// A place that no screen shows any more (a monitor unplugged since) is
// given up for the centre.
void TFormHlav::PlaceWindow(const QRect& saved)
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    resize(saved.size());
    if (TitleBarShown(saved, screens))
        move(saved.topLeft());
    else
        CentreWindow();
}

std::vector<std::string> TFormHlav::SaveSettings()
{
    std::vector<std::string> failures;
    const auto save = [&failures](const QString& path, const TSmallFile& found,
                                  const std::string& text) {
        // What was there but not read whole is more than this run knows:
        // writing only that over it would lose the rest.
        if (found.Status == TReadStatus::NotRead) {
            std::fprintf(
                stderr, "kolvane: kept %s as it was: it could not be read whole at start-up (%s)\n",
                qPrintable(QDir::toNativeSeparators(path)), found.Why.c_str());
            return;
        }
        const std::string failure = WriteFileAtomically(path, QByteArray::fromStdString(text));
        if (!failure.empty())
            failures.push_back(failure);
    };
    TProfileFile file(m_settingsOnDisk.Text); // keeps whatever else the file holds
    TSettings settings;
    settings.Left = x();
    settings.Top = y();
    settings.Width = width();
    settings.Height = height();
    settings.ComPort = m_link.State().PortIndex + 1;
    settings.ComPortAuto = m_link.State().AutoPortIndex + 1;
    settings.Language = LanguageIndex;
    settings.File = m_ui.LabelFile2->text().toStdString();
    settings.IniDir = LastParamFile;
    settings.IgnAllChecked = m_ui.CheckBoxIgnAll->isChecked();
    WriteSettings(file, settings);
    save(SettingsFilePath(), m_settingsOnDisk, file.Text());
    save(ImageCopyPath(), m_copyOnDisk, FormatImageCopy(m_image.Bytes));
    return failures;
}

void TFormHlav::ReadTestMarker()
{
    std::string text;
    const bool found =
        ReadSmallFile(InFolder(TestMarkerFileName()), MaxSettingsBytes, text) && HasDiagSwitch(text);
    m_link.SetTestMode(found);
}
