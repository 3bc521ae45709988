#include "base/settingsstore.h"

#include "base/settingskeys.h"

#include <QSettings>

namespace {
// One instance for the process: QSettings batches writes, so saving hundreds of replace
// rules does not rewrite the file once per key.
QSettings &Store() {
    static QSettings store(QSettings::NativeFormat, QSettings::UserScope, Keys::Application,
                           Keys::Application);
    return store;
}

bool readOnly = false;

QString FullKey(const QString &key) {
    return Keys::Section + QLatin1Char('/') + key;
}
} // namespace

namespace SettingsStore {
QString Get(const QString &key, const QString &def) {
    const QVariant v = Store().value(FullKey(key));
    return v.isValid() ? v.toString() : def;
}

void Save(const QString &key, const QString &value) {
    if (readOnly)
        return;
    Store().setValue(FullKey(key), value);
}

void Delete(const QString &key) {
    if (readOnly)
        return;
    Store().remove(FullKey(key));
}

void Sync() {
    Store().sync();
}

void Clear() {
    if (readOnly)
        return;
    Store().remove(Keys::Section);
    Store().sync();
}

void SetReadOnly(bool on) {
    readOnly = on;
}

QString FileName() {
    return Store().fileName();
}
} // namespace SettingsStore
