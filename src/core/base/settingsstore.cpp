#include "base/settingsstore.h"

#include "base/settingskeys.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {
bool readOnly = false;

QString StorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + Keys::Application + QLatin1Char('/') + Keys::Application +
           QStringLiteral(".conf");
}

// Only a regular file (or a link to one) is read and written, or a missing one created:
// reading a named pipe blocks for ever, and saving replaces whatever the name points at,
// a device node included.
bool IsUsable(const QString &path) {
    const QFileInfo file(path);
    if (file.isSymLink())
        return file.exists() && file.isFile();
    return !file.exists() || file.isFile();
}

struct Backing {
    QString path = StorePath();
    bool usable = IsUsable(path);
    // One instance for the process: QSettings batches writes, so saving hundreds of replace
    // rules does not rewrite the file once per key. The file is named outright so that
    // QSettings reads nothing but the file just checked.
    std::unique_ptr<QSettings> settings =
        usable ? std::make_unique<QSettings>(path, QSettings::IniFormat) : nullptr;

    Backing() {
        if (usable)
            return;
        const QByteArray warning = "Sortiva: " + QFile::encodeName(path) +
                                   " is not a regular file; the default settings are used "
                                   "and nothing is saved.\n";
        std::fwrite(warning.constData(), 1, static_cast<size_t>(warning.size()), stderr);
    }
};

std::unique_ptr<Backing> &BackingSlot() {
    static std::unique_ptr<Backing> backing;
    return backing;
}

// The store's file, checked once; nullptr when it must not be touched.
QSettings *Store() {
    std::unique_ptr<Backing> &backing = BackingSlot();
    if (!backing)
        backing = std::make_unique<Backing>();
    return backing->settings.get();
}

QSettings *Writable() {
    return readOnly ? nullptr : Store();
}

QString FullKey(const QString &key) {
    return Keys::Section + QLatin1Char('/') + key;
}
} // namespace

namespace SettingsStore {
QString Get(const QString &key, const QString &def) {
    const QSettings *store = Store();
    const QVariant v = store ? store->value(FullKey(key)) : QVariant();
    return v.isValid() ? v.toString() : def;
}

void Save(const QString &key, const QString &value) {
    if (QSettings *store = Writable())
        store->setValue(FullKey(key), value);
}

void Delete(const QString &key) {
    if (QSettings *store = Writable())
        store->remove(FullKey(key));
}

void Sync() {
    if (QSettings *store = Store())
        store->sync();
}

void Clear() {
    if (QSettings *store = Writable()) {
        store->remove(Keys::Section);
        store->sync();
    }
}

void SetReadOnly(bool on) {
    readOnly = on;
}

QString FileName() {
    Store();
    return BackingSlot()->path;
}

void Reopen() {
    BackingSlot().reset();
}
} // namespace SettingsStore
