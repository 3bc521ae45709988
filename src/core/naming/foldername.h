#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

/** The error text of every file whose folder name could not be derived. */
inline constexpr QLatin1StringView UnnamedFolderMessage{
    "Sortiva Was Unable To Decipher A Folder Name From This File Name Or ID3 Tag."};

/** Set by DeriveFolderName on every "bad" result; the Load command clears it per load. */
extern bool BadRowsFound;

/** What DeriveFolderName decided for one file. */
struct FolderNameResult {
    /** The folder name; always empty for a bad result, and may be empty for an ok one. */
    QString folder;
    bool ok = false;
    /** The name came from the file's ID3 tag (the Load command yields after such rows). */
    bool fromTag = false;

    /** "ok" or "bad", the row's status icon key. */
    QString Status() const { return ok ? QStringLiteral("ok") : QStringLiteral("bad"); }
    /** UnnamedFolderMessage for a bad result, empty otherwise. */
    QString ErrorText() const { return ok ? QString() : QString(UnnamedFolderMessage); }
};

/**
 * The folder a media file is organized into, from its ID3 tag (Settings.renamefolders,
 * MP3 files only) or else from its file name (Settings.dashoption picks the section,
 * Settings.removesubs keeps only the primary artist). @p relativePath is the path below
 * the Source Media folder ("Live/song.mp3"), @p fullPath the file itself (for the tag).
 * A "bad" result sets BadRowsFound. An ok name never holds "/" or control characters and
 * is never "." or "..".
 */
FolderNameResult DeriveFolderName(const QString &relativePath, const QString &fullPath);

/**
 * Section k+1 when there is one: as it stands when it is not numeric, and only when it is
 * exactly one of the number-artist sections ("40", "2", "50", ...) when it is numeric;
 * otherwise empty.
 */
QString NextSection(int k, const QStringList &sections);

/** True for "one" to "twelve", words ending in "teen" and words beginning with a number. */
bool IsNumberWord(const QString &text);

/** True when @p section is exactly one of the numbers that are also artist names' parts. */
bool IsNumberArtistSection(QStringView section);
