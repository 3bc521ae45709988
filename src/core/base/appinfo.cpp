#include "base/appinfo.h"

namespace {
QString programFolder;
}

QString AppVersionString() {
    return QStringLiteral("%1.%2.%3")
        .arg(SORTIVA_VERSION_MAJOR)
        .arg(SORTIVA_VERSION_MINOR)
        .arg(SORTIVA_VERSION_PATCH);
}

QString ProgramFolder() {
    return programFolder;
}

void SetProgramFolder(const QString &folder) {
    programFolder = folder;
}

bool IsNetworkPath(const QString &folder) {
    return folder.startsWith(QLatin1String("\\\\"));
}
