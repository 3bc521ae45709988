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

/** The actions on the selected row of the organize list. */
namespace ListActions {
/** The file a row stands for: the Source Media folder, "/", the relative path. */
QString RowFile(const OrganizeRow &row);
/** Edit (button and menu): asks for the folder name of the selected row. */
void EditClick(OrganizeList &list);
/** Remove (button and menu): takes the selected row out of the list; the file stays. */
void RemoveClick(OrganizeList &list);
/** The status line of a click on the list; empty when no row is selected. */
QString ClickLine(const OrganizeList &list);
/** The pop-up menu entries for a row. */
PopupState PopupFor(const OrganizeRow &row);
/** "Delete File": deletes the file from disk and the row from the list. */
void DeleteFileClick(OrganizeList &list);
/** "Play…"/"Open File": opens the file with the desktop's application. */
void PlayClick(const OrganizeList &list);
/** "View Error Details". */
void ErrorDetailsClick(const OrganizeList &list);
/** "Properties". */
void PropertiesClick(const OrganizeList &list);
/** "Rename File": renames the file on disk and follows it in the row. */
void RenameClick(OrganizeList &list);
} // namespace ListActions
