#pragma once

#include <QString>

class ProgressView;

/** Which of the main window's two folders an export lists. */
enum class ListedFolder {
    OrganizeTo,  ///< the "Organize To" folder (outpath)
    SourceMedia, ///< the "Source Media" folder (inpath)
};

/** What an export starts from: the main window's two folder fields and the folder to list. */
struct ExportRequest {
    /** The "Source Media" field as typed. */
    QString mediaFolder;
    /** The "Organize To" field as typed. */
    QString outFolder;
    /** The folder whose tree is listed. */
    ListedFolder listed = ListedFolder::OrganizeTo;
};

/**
 * The export after its dialog was confirmed: asks for the file, stores the two folder fields
 * with the other options, searches the folder @p request names, writes the listing as the
 * options say and offers to open it. Every question goes through Dialogs(); the search and
 * the writer report through @p progress, whose commands are disabled meanwhile.
 */
void RunExport(ProgressView &progress, const ExportRequest &request);
