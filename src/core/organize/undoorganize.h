#pragma once

#include "organize/organizejournal.h"

#include <QString>
#include <QStringList>

#include <functional>

class CommandButton;
class ProgressView;
class RunControl;

/** What undo did, or with a dry run would do, with one journalled file. */
enum class UndoOutcome {
    MovedBack,   ///< the moved file stands at its source again
    CopyRemoved, ///< the copy is gone; its source had stayed
    Restored,    ///< only the file it had replaced came back (the placement never finished)
    NothingToDo, ///< the file never left its source, or an earlier undo put it back
    Left         ///< left as it is; the detail says why
};

/**
 * Told about every journalled file undo handles: the file, the outcome, and what could not
 * be undone (for Left, or for a file moved back whose replaced file could not come back).
 */
using UndoObserver =
    std::function<void(const JournalFile &file, UndoOutcome outcome, const QString &detail)>;

/** The counts of one undo. */
struct UndoReport {
    /** Files put back (moved back or copy removed). */
    int undone = 0;
    /** Files it replaced that came back from the trash. */
    int restored = 0;
    /** "name: reason" for every file left as it is. */
    QStringList left;
    bool cancelled = false;
};

/** The reasons a file is left as it is. */
QString ChangedSinceText();
QString GoneSinceText();
QString SourceTakenText();
QString NotMovedBackText();
QString ReplacedNotKeptText();
QString ReplacedNotInTrashText();

/** The message when no journalled run is left to undo. */
QString NothingToUndoText();
/** The confirmation asked before undoing @p run. */
QString UndoQuestion(const JournalRun &run);
/** The closing message. */
QString UndoEndingMessage(const UndoReport &report);

/**
 * Undoes @p run, last file first: a moved file goes back to its source (its folders made
 * again), a copy whose size and modification time still match is removed, a replaced file
 * comes back from the trash, and the folders the run created are removed when empty. A file
 * changed since, or whose source name is taken now, is left untouched and reported. Stops
 * before the next file on Cancel; only a pass that went through to the end marks the run
 * undone, so undo can be started again after a Cancel or a kill. @p dryRun plans only.
 */
UndoReport UndoRun(const JournalRun &run, ProgressView &view, const RunControl &control,
                   bool dryRun, const UndoObserver &observer = {});

/**
 * "Undo Last Organize" from the main window: finds the last run, asks, holds the run's
 * Source Media folder lock, locks the window (the button reads "Cancel" meanwhile), undoes
 * and reports.
 */
void RunUndo(ProgressView &view, CommandButton &button, RunControl &control);
