#include "ui/dialogs/DefaultPictures.h"

#include <QFile>

bool installDefaultPictures(const std::filesystem::path& workDir) {
    bool ok = true;
    for (const char* name : {"tenisman.bmp", "teniswmn.bmp"}) {
        const std::filesystem::path target = workDir / name;
        std::error_code ignored;
        if (std::filesystem::exists(target, ignored)) {
            continue;
        }
        const QString targetName = QString::fromStdString(target.string());
        if (QFile::copy(QStringLiteral(":/pictures/") + QLatin1String(name), targetName)) {
            // Resource files are read-only; the copy should be an ordinary file.
            QFile::setPermissions(targetName, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther);
        } else {
            ok = false;
        }
    }
    return ok;
}
