#pragma once

#include <QString>

#include <functional>

/**
 * Small stateless helpers for paths, files, sizes and the desktop's shell and common
 * dialogs. None throws or shows a message: failure shows in the result.
 */

/** An existing regular file (links followed), hidden or not; false for folders. */
bool FileExists(const QString &path);
/** An existing directory; false for a path of one character or fewer. */
bool FolderExists(const QString &path);
/** Creates one folder level; every error is ignored. */
void MakeFolder(const QString &path);
/** Creates every missing level of a path; errors are ignored. */
void MakeFolderPath(const QString &path);
/**
 * Copies a file without ever leaving a partial file under the destination name and
 * without replacing a file that is already there; keeps modification time and
 * permissions. True only when a complete copy stands at the destination.
 */
bool CopyFile(const QString &source, const QString &destination);
/** Deletes a file (making it writable first); ignored for paths of 3 characters or fewer. */
void DeleteFile(const QString &path);
/** The file's length in bytes; 0 on any error. */
qint64 GetFileSize(const QString &path);
/**
 * Renames a file within its folder. @p newName is in/out: the bare new name in, the full
 * (possibly numbered) path out. A file at the new path is deleted first when @p replace.
 */
bool RenameFile(const QString &oldPath, QString &newName, bool replace);

/** The folder of a path ("/music/a.mp3" gives "/music"; trailing "/" removed). */
QString FolderPart(const QString &path);
/** The name after the last "/"; empty for a path ending in "/". */
QString FileNamePart(const QString &path);
/** Removes trailing "/" and collapses doubled "/" after the first two characters. */
QString NormalizePath(const QString &path);
/**
 * The path, or the first free "name(1).ext", "name(2).ext"… in the same folder. "Free"
 * means nothing at all stands there (no file, folder or link). The number goes before the
 * last "." of the file name; a name without one (or a dot-file like ".notes") gets it at
 * the end. Folder names are never numbered.
 */
QString UniqueFileName(const QString &path);
/** "512 Bytes", "2.00 Kb", "4.88 Mb", "2.93 Gb" (1 Mb = 1,024,000 bytes). */
QString FormatSize(double bytes);

/**
 * What ShellRun hands the desktop: the file text trimmed of blanks and put in double
 * quotes when it holds a blank (unless it already begins or ends with one), the verb
 * ("open" for none) and the working folder. @c valid is false for a file text shorter than
 * 2 characters, which is never run.
 */
struct ShellCommand {
    bool valid = false;
    QString file;
    QString verb;
    QString folder;
};
ShellCommand PrepareShellRun(const QString &file, const QString &verb);

/**
 * Opens a file with the desktop's application (verb "open" or none). Every other verb,
 * "play" included, has no meaning here and reports failure, so callers fall back to "open".
 */
bool ShellRun(const QString &file, const QString &verb = QString(),
              const QString &parameters = QString(), int showMode = 1);
/** Shows the file's read-only properties window. */
void ShowFileProperties(const QString &path);
/** Open or save dialog; the chosen path or @p cancelValue. */
QString ShowFileDialog(bool save, const QString &filter, const QString &cancelValue,
                       const QString &title, const QString &defaultExt,
                       const QString &startFolder);
/** The folder picker; "" when cancelled. */
QString BrowseForFolder(const QString &title, const QString &startFolder, int flags = 0);
/** The colour dialog (0x00BBGGRR); -1 when cancelled. */
int ChooseColorDialog(int initialColor);

/**
 * Test seam for CopyFile. Before each block a copy writes, the hook is asked with the bytes
 * written so far and the block's size; it answers how many bytes of the block may be
 * written. An answer smaller than the block writes that much and then fails the copy the
 * way a full disk does. An empty hook restores normal copying.
 */
using CopyChunkHook = std::function<qint64(qint64 written, qint64 block)>;
void SetCopyChunkHook(CopyChunkHook hook);

/** Makes every copy fail once @p failAfterBytes are written, for as long as it lives. */
class CopyFaultInjector
{
public:
    explicit CopyFaultInjector(qint64 failAfterBytes);
    ~CopyFaultInjector();
    CopyFaultInjector(const CopyFaultInjector &) = delete;
    CopyFaultInjector &operator=(const CopyFaultInjector &) = delete;
};
