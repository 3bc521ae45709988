#pragma once

#include <QString>

/**
 * The per-user persistent store: text values under application "Sortiva", section
 * "settings" ($XDG_CONFIG_HOME/Sortiva/Sortiva.conf). Failures never reach callers. When
 * that name is neither a regular file (a link to one counts) nor missing, the program warns
 * once on standard error, reads only defaults and never writes it.
 */
namespace SettingsStore {
/** The stored text, or @p def when the key does not exist. */
QString Get(const QString &key, const QString &def = QString());
/** Creates or overwrites the key. */
void Save(const QString &key, const QString &value);
/** Removes the key; a missing key is not an error. */
void Delete(const QString &key);
/** Writes pending changes to disk now. */
void Sync();
/** Removes every key of the section (tests and "start afresh" only). */
void Clear();
/** With @p on, Save, Delete and Clear do nothing (batch programs never write). */
void SetReadOnly(bool on);
/** Full path of the store's file (for messages and tests). */
QString FileName();
/** Drops the open store: the next use checks and opens its file afresh (tests only). */
void Reopen();
} // namespace SettingsStore
