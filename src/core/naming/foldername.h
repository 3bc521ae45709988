#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

class NamingContext;
struct NamingOptions;

/** The error text of every file whose folder name could not be derived. */
inline constexpr QLatin1StringView UnnamedFolderMessage{
    "Sortiva Was Unable To Decipher A Folder Name From This File Name Or ID3 Tag."};

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
 * The folder a media file is organized into, from its ID3 tag (folderFromTag, MP3 files
 * only) or else from its file name (dashSection picks the section, primaryArtistOnly keeps
 * only the primary artist). @p relativePath is the path below the Source Media folder
 * ("Live/song.mp3"), @p fullPath the file itself (for the tag). An ok name never holds "/"
 * or control characters and is never "." or "..". With a @p context, answers are remembered
 * for the rest of the load.
 */
FolderNameResult DeriveFolderName(const QString &relativePath, const QString &fullPath,
                                  const NamingOptions &options, NamingContext *context = nullptr);

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
