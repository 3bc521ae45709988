#pragma once

#include <QString>

/**
 * The desktop trash (the freedesktop.org layout every Linux file manager shows): a file
 * goes into "files/" of the trash of its own file system, with an ".trashinfo" file in
 * "info/" that names where it came from, so the user can also put it back from the file
 * manager.
 *
 * We do not use QFile::moveToTrash: it takes the path as text, so a name whose bytes are
 * not UTF-8 cannot be trashed at all, and it picks the name in the trash during the move,
 * so a run killed right after it would leave a file in the trash that no journal line
 * points to. Here the place is reserved first (the info file claims the name), the caller
 * records it, and one rename that never replaces moves the file there.
 */
struct TrashSlot {
    /** Where the file will stand in the trash ("…/Trash/files/Song.mp3.2"). */
    QString file;
    /** Its info file ("…/Trash/info/Song.mp3.2.trashinfo"). */
    QString info;

    bool IsNull() const { return file.isEmpty(); }
};

/**
 * Reserves a place for @p path in the trash of its file system: the home trash
 * ($XDG_DATA_HOME/Trash) when the file lives on the same file system, else the
 * file system's own "$top/.Trash/$uid" or "$top/.Trash-$uid". A null slot when no trash
 * can take the file without copying it.
 */
TrashSlot ReserveTrashSlot(const QString &path);
/** Gives a reserved place back (removes its info file). */
void ReleaseTrashSlot(const TrashSlot &slot);
/** Moves @p path into its reserved @p slot with one rename; on failure the slot is released. */
bool MoveToTrashSlot(const QString &path, const TrashSlot &slot);
/**
 * Brings the file in @p slot back to @p path, never replacing a file that stands there,
 * and removes its info file. False when the file is not in the trash or the name is taken.
 */
bool RestoreFromTrash(const TrashSlot &slot, const QString &path);
/** The info file that belongs to a file in the trash's "files/" folder. */
QString TrashInfoOf(const QString &trashedFile);
