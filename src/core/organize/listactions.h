#pragma once

#include <QString>

class OrganizeList;
struct OrganizeRow;

/** What the list's pop-up menu shows for a row. */
struct PopupState {
    /** "Play Music", "Play Video", "View Picture" or "Open File". */
    QString playCaption;
    bool playVisible = false;
    bool viewTagVisible = false;
    /** "View Error Details" and the separator before it. */
    bool errorVisible = false;
};

/** What the row actions need besides the list, read once where an action starts. */
struct ListActionOptions {
    /** The Source Media folder the rows' relative paths start in. */
    QString sourceFolder;
    /** Ask before a row leaves the list or its file is deleted. */
    bool confirmRemoval = true;

    /** The options as the settings hold them. */
    static ListActionOptions FromSettings();
};

/** The actions on the selected row of the organize list. */
namespace ListActions {
/** The file a row stands for: the Source Media folder, "/", the relative path. */
QString RowFile(const OrganizeRow &row, const ListActionOptions &options);
/** Edit (button and menu): asks for the folder name of the selected row. */
void EditRowFolder(OrganizeList &list);
/** Remove (button and menu): takes the selected row out of the list; the file stays. */
void RemoveRow(OrganizeList &list, const ListActionOptions &options);
/** The status line of a click on the list; empty when no row is selected. */
QString ClickLine(const OrganizeList &list, const ListActionOptions &options);
/** The pop-up menu entries for a row. */
PopupState PopupFor(const OrganizeRow &row);
/** "Delete File": deletes the file from disk and the row from the list. */
void DeleteRowFile(OrganizeList &list, const ListActionOptions &options);
/** "Play…"/"Open File": opens the file with the desktop's application. */
void OpenRowFile(const OrganizeList &list, const ListActionOptions &options);
/** "View Error Details". */
void ShowErrorDetails(const OrganizeList &list);
/** "Properties": the file's properties window. */
void ShowRowProperties(const OrganizeList &list, const ListActionOptions &options);
/** "Rename File": renames the file on disk and follows it in the row. */
void RenameRowFile(OrganizeList &list, const ListActionOptions &options);
} // namespace ListActions
