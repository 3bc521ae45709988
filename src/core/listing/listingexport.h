#pragma once

#include <QString>

class FolderList;
class ProgressView;

/** Set by the export dialog's OK when the "Source Media" folder is to be listed. */
extern bool UseSourceFolder;
/** Set when the user abandons the export dialog or the page properties window. */
extern bool ExportCancelled;

/** The main window's listing object (load step): an empty list. */
void CreateExportListing();
/** Releases the listing object (close step). */
void ReleaseExportListing();
/** The listing of the last export, or an empty one; null before CreateExportListing. */
FolderList *CurrentListing();

/** Main-window handler of the listing's Progress: maximum, then value. */
void Folders_Progress(ProgressView &progress, int ProgressVal, int ProgressMax);
/** Main-window handler of the listing's Status: panel 1, then one more event round. */
void Folders_Status(ProgressView &progress, const QString &strStatusText);

/**
 * The export after its dialog was confirmed: asks for the file, searches the folder named
 * by UseSourceFolder (@p mediaFolder or @p outFolder, the main window's two fields), writes
 * the listing and offers to open it. Every question goes through Dialogs(); the window's
 * commands are disabled while the search and the writer run.
 */
void RunExport(ProgressView &progress, const QString &mediaFolder, const QString &outFolder);
