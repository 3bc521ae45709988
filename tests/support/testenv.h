#pragma once

#include <QString>

/** Test set-up shared by every test program. */
namespace TestEnv {
/**
 * Makes sure the settings store lives in a private folder (ctest already sets
 * XDG_CONFIG_HOME per test; a test started by hand gets a temporary one) and empties it.
 * Call from initTestCase() before anything touches the store.
 */
void IsolateSettings();
/** Empties the private store. */
void ClearStore();
/** Sets the English (United States) default locale that number formats are tested in. */
void UseEnglishLocale();
} // namespace TestEnv
