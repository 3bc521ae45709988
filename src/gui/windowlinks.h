#pragma once

#include "gui/optionsdialog.h"

#include <optional>

class QWidget;

/**
 * Where the main window reaches the other subsystems' windows and start-up steps. Kept in
 * one place so the main window depends on names, not on each window's headers.
 */

/** Creates the export's listing object (window load). */
void CreateListingObject();
/** Releases the export's listing object (window close). */
void ReleaseListingObject();
/** The directory-listing export dialog. */
void OpenExportDialog(QWidget *owner);
/** The Options window, not modal, on @p page; without one an open window keeps its page. */
void OpenOptionsWindow(QWidget *owner, std::optional<OptionsDialog::Page> page = std::nullopt);
/** The first-run welcome question, asked once per user. */
void AskFirstRunQuestion(QWidget *owner);
/** The "Check For Updates" link. */
void StartUpdateCheck(QWidget *owner);
/** Removes an update installer left from an earlier run. */
void CleanUpPendingInstaller();
