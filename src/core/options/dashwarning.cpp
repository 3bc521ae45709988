#include "options/dashwarning.h"

#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"

void StoreShowWarn(bool dontShow) {
    Settings.showwarn = dontShow ? 0 : 1;
    SettingsStore::Save(Keys::showwarn, QString::number(Settings.showwarn));
    SettingsStore::Sync();
}
