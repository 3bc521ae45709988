#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CommandButton;
class OrganizeList;
class ProgressView;
class RunControl;

/** The message the Load command shows when the list stays empty. */
QString NoFilesMessage();
/** Folder names that auto-add never turns into replace rules (compared lower-cased). */
const QStringList &AutoAddExclusions();

/**
 * Starts a load from the Load button: takes the two folder texts into the settings, saves
 * them, clears @p run's requests, locks the window (the button reads "Cancel" and stays
 * enabled) and runs LoadMediaFiles. A click while the load runs is the window's to turn
 * into a request on @p run.
 */
void RunLoad(OrganizeList &list, ProgressView &view, CommandButton &button, RunControl &run,
             const QString &mediaFolderText, const QString &outFolderText,
             const std::function<void(bool visible)> &showList = {});

/**
 * Clears and fills the list from Settings.inpath with the options the settings hold when it
 * starts: search, one derived row per file, status and progress on the view, and the
 * end-of-load message. Stops after the row in hand when @p run asks to cancel, and ends
 * without the message when it asks to close. @p showList hides the list view while it fills.
 */
void LoadMediaFiles(OrganizeList &list, ProgressView &view, RunControl &run,
                    const std::function<void(bool visible)> &showList = {});

/**
 * Applies a corrected folder name to the selected row: in proper case, optionally to every
 * row of the same name (asked once per name and load), and as a user replace rule when
 * auto-add is on. A row without a name is named alone, without question or rule.
 */
void EditListItem(OrganizeList &list, const QString &newName);

/** What a folder button chose. */
struct BrowseChoice {
    /** The chosen folder; empty when the picker was cancelled. */
    QString folder;
    /** True when the Organize To folder was set to the same folder. */
    bool alsoOutFolder = false;
};

/**
 * The Source Media browse button: picks the folder, stores it as inpath and offers to
 * make it the Organize To folder as well. The caller fills the fields and starts a load
 * when a folder was chosen.
 */
BrowseChoice BrowseMediaFolder(const QString &mediaFolderText);
/** The Organize To browse button: picks the folder and stores it as outpath. */
BrowseChoice BrowseOutFolder(const QString &outFolderText);
