#pragma once

#include <QByteArray>
#include <QString>

/** Test set-up shared by every test program. */
namespace TestEnv {
/**
 * Makes sure the settings store lives in a private folder (ctest already sets
 * XDG_CONFIG_HOME per test; a test started by hand gets a temporary one) and empties it;
 * organize locks, journals (XDG_STATE_HOME) and the trash (XDG_DATA_HOME) live there too.
 * Call from initTestCase() before anything touches the store.
 */
void IsolateSettings();
/** Empties the private store. */
void ClearStore();
/** Sets the English (United States) default locale that number formats are tested in. */
void UseEnglishLocale();
/** Writes @p data to @p path, making its folders first; true when all of it was written. */
bool WriteFile(const QString &path, const QByteArray &data);
/** The whole content of @p path, or "<missing>" when it cannot be read. */
QByteArray ReadFile(const QString &path);
/** A 128-byte ID3 v1.1 block: "TAG", the five text fields padded with NUL, track, genre. */
QByteArray Id3Block(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
                    const QByteArray &year, const QByteArray &comment, int track, int genre);
} // namespace TestEnv
