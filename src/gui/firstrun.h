#pragma once

class QWidget;

/**
 * The welcome question of a user's first start: asked once per user, after the main window
 * is visible; Yes opens the Options window owned by @p mainWindow.
 */
namespace Options {
void AskFirstRunQuestion(QWidget *mainWindow);
} // namespace Options
