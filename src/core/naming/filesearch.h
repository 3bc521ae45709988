#pragma once

#include <QString>
#include <QStringList>

#include <functional>

/**
 * Attribute bits of the searches: read-only 1, hidden 2, system 4, directory 16, archive 32.
 * Here "hidden" means a name beginning with "."; there is no system bit.
 */
namespace SearchAttr {
inline constexpr int ReadOnly = 1;
inline constexpr int Hidden = 2;
inline constexpr int System = 4;
inline constexpr int Directory = 16;
inline constexpr int Archive = 32;
} // namespace SearchAttr

/** Files of every kind, hidden ones included; never folders. */
inline constexpr int FileSearchMask = 39;
/** FileSearchMask plus folders (hidden folders included). */
inline constexpr int FolderSearchMask = 55;

/**
 * What a search tells as it goes: each folder it reads, and the folders it could not read
 * (no permission, an I/O error, removed meanwhile).
 */
struct SearchReport {
    static constexpr int kExamples = 5;
    /** Told each folder a search reads, in search order; may be empty. */
    std::function<void(const QString &folder)> onFolder;
    int unreadable = 0;
    /** The first few of them. */
    QStringList examples;

    void Unreadable(const QString &folder);
    /** "2 folders could not be read: /a, /b" (readable names; "..." after the first few). */
    QString Summary() const;
};

/**
 * The prefix every search result of @p folder starts with: the folder without trailing or
 * doubled "/", followed by one "/".
 */
QString SearchFolderBase(const QString &folder);

/**
 * Entries of one folder whose names match any of the wildcard patterns ("*" and "?",
 * without regard to case; "*.*" matches every name). Patterns are separated by ";", else
 * ",", else "|"; an empty list means "*.*". Results come pattern by pattern, each in name
 * order without regard to case; an entry matching two patterns is listed twice. Folders are
 * listed only when the mask holds the directory bit, dot-names only with the hidden bit.
 * A folder text of one character or less, or an unreadable folder, gives no entries; the
 * unreadable folder is noted in @p report.
 */
QStringList FindFiles(const QString &folder, const QString &patterns, int mask,
                      SearchReport *report = nullptr);

/**
 * The root and every folder below it, breadth first (first-in first-out). Links to folders
 * are listed but never entered, so link loops cannot hang the search.
 */
QStringList FindFolders(const QString &root, int mask, SearchReport *report = nullptr);

/** FindFiles on the root and then on every folder below it, in FindFolders order. */
QStringList FindFilesRecursive(const QString &root, const QString &patterns, int fileMask,
                               int folderMask, SearchReport *report = nullptr);
/** The names of one folder's sub-folders (or, with @p folders false, its files), links followed. */
QStringList FolderEntryNames(const QString &folder, bool folders);
