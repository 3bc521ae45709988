#pragma once

#include <QString>

/**
 * Every change the program makes to files and folders, each safe against losing data: a
 * copy grows under a temporary in the target folder (an unnamed file where the file system
 * has them, else a hidden ".name.part-XXXXXX") and takes its name only when complete, with
 * the source's modification time and permissions; a file is placed by a rename that never
 * replaces one that stands there, unless replacing is what was asked; a failed step
 * removes its temporary and leaves the source and any old destination as they were. None
 * throws or shows a message: failure shows in the result.
 */

/** Creates one folder level; every error is ignored. */
void MakeFolder(const QString &path);
/** Creates every missing level of a path; errors are ignored. */
void MakeFolderPath(const QString &path);
/** Deletes a file (making it writable first); ignored for paths of 3 characters or fewer. */
void DeleteFile(const QString &path);

/**
 * Copies a file to a free destination name, with its data on the disk before the name
 * appears. True only when a complete copy stands at the destination.
 */
bool CopyFile(const QString &source, const QString &destination);
/** Like CopyFile, and also false (with the copy removed) when the sizes differ afterwards. */
bool CopyChecked(const QString &source, const QString &destination);
/**
 * Like CopyChecked, but without forcing the data to disk file by file, which only a copy
 * whose source is about to go needs.
 */
bool CopyKeepingSource(const QString &source, const QString &destination);
/**
 * Replaces @p destination by a copy of @p source in one rename once the copy is complete
 * and on the disk. If anything fails the old file is untouched.
 */
bool CopyReplacing(const QString &source, const QString &destination);

/** The outcome of a move attempt by rename. */
enum class MoveResult {
    Moved,      ///< the file now stands at the destination and no longer at the source
    Exists,     ///< something already stands at the destination; nothing changed
    NotPossible ///< another file system, no permission…; nothing changed
};
/**
 * Moves a file with one rename that never replaces what stands at the destination
 * (renameat2 with RENAME_NOREPLACE; a hard link then unlink where the file system lacks
 * it; a test then rename where it has no hard links either).
 */
MoveResult MoveNoReplace(const QString &source, const QString &destination);
/** Moves a file over an existing one with one rename (same file system only). */
bool MoveReplacing(const QString &source, const QString &destination);
/**
 * Renames a file within its folder. @p newName is in/out: the bare new name in, the full
 * (possibly numbered) path out. A file at the new path is deleted first when @p replace.
 */
bool RenameFile(const QString &oldPath, QString &newName, bool replace);

/**
 * Removes the hidden temporaries an earlier copy into @p folder left behind when it was
 * killed (".name.part-XXXXXX" files last changed by @p startNs, nanoseconds since the
 * epoch); anything else, and temporaries of copies still running, stay.
 */
void RemoveStaleTemporaries(const QString &folder, qint64 startNs);

/** True when both paths name the same file (same device and inode). */
bool SameFile(const QString &a, const QString &b);
/** True when @p destination is a file of the same size as @p source. */
bool CompleteCopy(const QString &source, const QString &destination);

/**
 * A file written whole or not at all, like QSaveFile but with the path's exact bytes: the
 * data grows in a hidden temporary beside the target, which takes the target's name on
 * Commit(); without a commit the temporary is removed and the old file stays.
 */
class WholeFileWriter {
  public:
    explicit WholeFileWriter(const QString &path);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter &) = delete;
    WholeFileWriter &operator=(const WholeFileWriter &) = delete;

    /** Creates the temporary; false when the folder cannot take it. */
    bool Open();
    /** Appends data; false once any write has failed. */
    bool Write(const QByteArray &data);
    /** Syncs and renames into place; false (temporary removed) on any error. */
    bool Commit();

  private:
    QByteArray m_target;
    QByteArray m_temp;
    int m_fd = -1;
    bool m_failed = false;
};
