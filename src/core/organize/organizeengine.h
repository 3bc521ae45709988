#pragma once

#include "naming/namingoptions.h"

#include <QString>

#include <functional>

class CommandButton;
class OrganizeJournal;
class OrganizeList;
class ProgressView;
class RunControl;
struct OrganizeRow;

/** The options one organize run works with, read once where the run starts. */
struct OrganizeOptions {
    QString inpath;
    QString outpath;
    bool deleteOld = false;
    bool replaceExisting = false;
    bool doNothing = false;
    bool renameFromTag = false;
    /** Plan only: report each row's destination, touch no file and keep every row. */
    bool dryRun = false;
    /** How file names are built from tags (renameFromTag). */
    NamingOptions naming;

    /** The options as the settings hold them. */
    static OrganizeOptions FromSettings();
};

/** What happened to one row. */
enum class RowOutcome { Organized, Skipped, Failed, Planned };

/**
 * Told about every row the run handles: the row as it was, the outcome and a detail (the
 * destination path when organized or planned, the error text when failed or skipped).
 */
using RowObserver =
    std::function<void(const OrganizeRow &row, RowOutcome outcome, const QString &detail)>;

/** The counts of one run. */
struct OrganizeReport {
    int organized = 0;
    int skipped = 0;
    bool cancelled = false;
};

/** The row error texts. */
QString MissingSourceText();
QString ClashText();
QString CopyErrorText();
QString DeleteFailedText();
/** The closing message for a list left with @p rowsLeft rows. */
QString EndingMessage(int rowsLeft, const OrganizeReport &report);

/**
 * The row loop: every row from the top until the list ends or a cancel request is seen
 * before a row. Organized rows leave the list; failed and skipped rows stay marked "bad".
 * Never replaces a file except by a complete copy (replace option), never deletes a source
 * before a complete copy stands at its destination, never leaves a partial file. A file it
 * replaces goes to the desktop trash where there is one. Every folder it creates and every
 * file it places is recorded in @p journal first (a journal of its own when none is given;
 * none for a dry run), so the run can be undone.
 */
OrganizeReport OrganizeRows(OrganizeList &list, ProgressView &view, const OrganizeOptions &options,
                            const RunControl &run, const RowObserver &observer = {},
                            OrganizeJournal *journal = nullptr);

/**
 * The whole engine on the list, holding the Source Media folder's organize lock: the two
 * preparation questions, the row loop and the ending with its message (none when the window
 * is being closed). When another run holds the folder, it says so and touches nothing. Answering
 * the question about kept sources with Yes turns deletion on for this run and in the saved
 * settings.
 */
void OrganizeFiles(OrganizeList &list, ProgressView &view, OrganizeOptions options,
                   const RunControl &run);

/**
 * Starts an organize run from the main window: resets @p run, takes the folder texts into
 * the settings, checks, confirms, locks the window (the button reads "Cancel" meanwhile)
 * and runs the engine with the saved options.
 */
void RunOrganize(OrganizeList &list, ProgressView &view, CommandButton &button, RunControl &run,
                 const QString &mediaFolderText, const QString &outFolderText);
