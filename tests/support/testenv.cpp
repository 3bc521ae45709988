#include "support/testenv.h"

#include "app/settingsstore.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace TestEnv {
void IsolateSettings()
{
    static QTemporaryDir fallback;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") ||
        !qEnvironmentVariable("XDG_CONFIG_HOME").contains(QLatin1String("xdg")))
        qputenv("XDG_CONFIG_HOME", fallback.path().toLocal8Bit());
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    ClearStore();
}

void ClearStore()
{
    SettingsStore::Clear();
}

void UseEnglishLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
} // namespace TestEnv
