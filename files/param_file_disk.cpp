#include "files/param_file_disk.h"

#include "files/atomic_file.h"
#include "files/param_file.h"

#include <QFileInfo>

TParamFileText ReadParamFileFromDisk(const QString& path)
{
    TParamFileText result;
    if (ReadSmallFile(path, MaxParamFileSize, result.Text)) {
        result.Status = TParamFileStatus::Ok;
        return result;
    }
    // Looked at only to say why; the read itself never trusts the size.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > static_cast<qint64>(MaxParamFileSize))
        result.Status = TParamFileStatus::TooLarge;
    return result;
}
