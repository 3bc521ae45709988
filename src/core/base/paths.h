#pragma once

#include <QDateTime>
#include <QString>

/**
 * Path and name helpers: the parts of a path, what stands at a path, free names and size
 * texts. None changes the disk, throws or shows a message.
 */

/** An existing regular file (links followed), hidden or not; false for folders. */
bool FileExists(const QString &path);
/** An existing directory; false for a path of one character or fewer. */
bool FolderExists(const QString &path);
/** True when nothing at all stands at @p path: no file, folder or link (even a dangling one). */
bool NothingAt(const QString &path);
/** The file's length in bytes; 0 on any error. */
qint64 GetFileSize(const QString &path);

/** What the properties window shows of a path (links followed). */
struct FileFacts {
    bool exists = false;
    bool folder = false;
    qint64 size = 0;
    QDateTime modified;
    /** The permission bits (0777). */
    unsigned int permissions = 0;
};
FileFacts ReadFileFacts(const QString &path);

/** The folder of a path ("/music/a.mp3" gives "/music"; trailing "/" removed). */
QString FolderPart(const QString &path);
/** The name after the last "/"; empty for a path ending in "/". */
QString FileNamePart(const QString &path);
/** Removes trailing "/" and collapses doubled "/" after the first two characters. */
QString NormalizePath(const QString &path);
/**
 * The file name @p name numbered "name(n).ext": the number goes before the last "." (a dot
 * at the very start begins no extension). The name part loses whole characters at its end
 * where that is needed for the result to fit the 255 bytes a file name may have.
 */
QString NumberedName(const QString &name, qint64 n);
/**
 * The path, or the first free "name(1).ext", "name(2).ext"… in the same folder. "Free"
 * means nothing at all stands there (no file, folder or link). The number goes before the
 * last "." of the file name; a name without one (or a dot-file like ".notes") gets it at
 * the end. Folder names are never numbered. See NumberedName.
 */
QString UniqueFileName(const QString &path);
/** "512 Bytes", "2.00 Kb", "4.88 Mb", "2.93 Gb" (1 Mb = 1,024,000 bytes). */
QString FormatSize(double bytes);
