#pragma once

#include <QString>

class QWidget;

/**
 * The program's start: refuses a network path, loads settings and genres, shows the
 * splash, opens the main window. False when the program must end at once.
 */
bool RunApplication();
/**
 * Centres a top-level window on its screen, then moves it up and left by 600 and 1000
 * twips where there is room.
 */
void CenterWindow(QWidget *window);
/** Puts plain text on the clipboard; errors are ignored. */
void CopyToClipboard(const QString &text);
