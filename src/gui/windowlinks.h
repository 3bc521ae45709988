#pragma once

class QWidget;

/**
 * Where the main window reaches the other subsystems' windows and start-up steps. Kept in
 * one place so the main window depends on names, not on each window's headers.
 */

/** The directory-listing export dialog. */
void OpenExportDialog(QWidget *owner);
/** The Options window, not modal, on page @p tab (0 first). */
void OpenOptionsWindow(QWidget *owner, int tab);
/** The first-run welcome question, asked once per user. */
void AskFirstRunQuestion(QWidget *owner);
/** The "Check For Updates" link. */
void StartUpdateCheck(QWidget *owner);
/** Removes an update installer left from an earlier run. */
void CleanUpPendingInstaller();
