#include "support/testenv.h"

#include "base/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

namespace TestEnv {
void IsolateSettings() {
    static QTemporaryDir fallback;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") ||
        !qEnvironmentVariable("XDG_CONFIG_HOME").contains(QLatin1String("xdg")))
        qputenv("XDG_CONFIG_HOME", fallback.path().toLocal8Bit());
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    // Organize locks, the organize journals and the trash replaced files go to stay out of
    // the user's own folders too.
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_RUNTIME_DIR", config);
    qputenv("XDG_STATE_HOME", config + "/state");
    qputenv("XDG_DATA_HOME", config + "/data");
    for (const char *folder : {"/state", "/data"})
        QDir(QString::fromLocal8Bit(config + folder)).removeRecursively();
    ClearStore();
}

void ClearStore() {
    SettingsStore::Clear();
}

void UseEnglishLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
bool WriteFile(const QString &path, const QByteArray &data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray Id3Block(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
                    const QByteArray &year, const QByteArray &comment, int track, int genre) {
    QByteArray b("TAG");
    const auto field = [&b](const QByteArray &v, int width) {
        b += v.left(width) + QByteArray(width - qMin<int>(width, int(v.size())), '\0');
    };
    field(title, 30);
    field(artist, 30);
    field(album, 30);
    field(year, 4);
    field(comment, 28);
    b += char(0);
    b += char(track);
    b += char(genre);
    return b;
}
QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace TestEnv
