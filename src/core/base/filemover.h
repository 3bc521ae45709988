#pragma once

#include <QString>

/** File placement steps of the organize run, each safe against losing data. */
namespace FileMover {
/** The outcome of a move attempt by rename. */
enum class MoveResult {
    Moved,      ///< the file now stands at the destination and no longer at the source
    Exists,     ///< a file already stands at the destination; nothing changed
    NotPossible ///< another file system, no permission…; nothing changed
};

/**
 * Moves a file with one rename that never replaces an existing file (renameat2 with
 * RENAME_NOREPLACE, or link then unlink where the file system lacks it).
 */
MoveResult MoveNoReplace(const QString &source, const QString &destination);
/** Moves a file over an existing one with one rename (same file system only). */
bool MoveReplacing(const QString &source, const QString &destination);
/**
 * Replaces @p destination by a copy of @p source: the copy is made under a temporary name
 * in the destination's folder, checked for its full size and renamed over the old file in
 * one step. If anything fails the old file is untouched and no temporary file stays.
 */
bool CopyReplacing(const QString &source, const QString &destination);
/**
 * Copies to a free destination name (never replacing) and checks that the copy has the
 * source's size; a short copy is removed again.
 */
bool CopyChecked(const QString &source, const QString &destination);
/**
 * Copies to a free destination name for a run that keeps its sources: like CopyChecked
 * (temporary name, full size checked, placed without replacing, time and permissions
 * kept) but without forcing the data to disk file by file, which only a copy whose source
 * is about to go needs.
 */
bool CopyKeepingSource(const QString &source, const QString &destination);
/** Test seam: when 0 or more, CopyKeepingSource fails once that many bytes are written. */
extern qint64 failCopyAfterBytes;
/** True when both paths name the same file (same device and inode). */
bool SameFile(const QString &a, const QString &b);
/** True when @p destination is a file of the same size as @p source. */
bool CompleteCopy(const QString &source, const QString &destination);
} // namespace FileMover
