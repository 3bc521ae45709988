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
 * A folder text of one character or less, or an unreadable folder, gives no entries.
 */
QStringList FindFiles(const QString &folder, const QString &patterns, int mask);

/**
 * The root and every folder below it, breadth first (first-in first-out). Links to folders
 * are listed but never entered, so link loops cannot hang the search.
 */
QStringList FindFolders(const QString &root, int mask);

/** Told each folder a search has read, in search order. */
using FolderReadCallback = std::function<void(const QString &folder)>;

/**
 * FindFiles on the root and then on every folder below it, in FindFolders order; @p onFolder
 * hears of each folder as it is read.
 */
QStringList FindFilesRecursive(const QString &root, const QString &patterns, int fileMask,
                               int folderMask, const FolderReadCallback &onFolder = {});
