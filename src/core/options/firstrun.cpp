#include "options/firstrun.h"

#include "base/settingskeys.h"
#include "base/settingsstore.h"

bool TakeFirstRun() {
    if (!SettingsStore::Get(Keys::firstrun).isEmpty())
        return false;
    SettingsStore::Save(Keys::firstrun, QStringLiteral("no"));
    // Written to disk before the question: a crash while it is open must not ask again.
    SettingsStore::Sync();
    return true;
}
