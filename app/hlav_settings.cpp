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

namespace {
// Far more than any of the three files ever holds.
constexpr qint64 MaxSettingsBytes = 1024 * 1024;

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
    std::string text;
    ReadSmallFile(SettingsFilePath(), MaxSettingsBytes, text);
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
    const TSettings settings = ReadSettings(TProfileFile(text), defaults);

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
    std::string copy;
    if (ReadSmallFile(ImageCopyPath(), MaxSettingsBytes, copy))
        ParseImageCopy(copy, m_image.Bytes);
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
    std::string text;
    ReadSmallFile(SettingsFilePath(), MaxSettingsBytes, text);
    TProfileFile file(text); // keeps whatever else the file holds
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
    const std::string settingsFailure =
        WriteFileAtomically(SettingsFilePath(), QByteArray::fromStdString(file.Text()));
    if (!settingsFailure.empty())
        failures.push_back(settingsFailure);
    const std::string copyFailure = WriteFileAtomically(
        ImageCopyPath(), QByteArray::fromStdString(FormatImageCopy(m_image.Bytes)));
    if (!copyFailure.empty())
        failures.push_back(copyFailure);
    return failures;
}

void TFormHlav::ReadTestMarker()
{
    std::string text;
    const bool found =
        ReadSmallFile(InFolder(TestMarkerFileName()), MaxSettingsBytes, text) && HasDiagSwitch(text);
    m_link.SetTestMode(found);
}
