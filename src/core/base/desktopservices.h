#pragma once

#include <QString>

/**
 * The desktop's shell and common dialogs, reached through the dialog seam so that commands
 * using them run headless in tests.
 */

/**
 * What ShellRun hands the desktop: the file text trimmed of blanks and put in double
 * quotes when it holds a blank (unless it already begins or ends with one), the verb
 * ("open" for none) and the working folder. @c valid is false for a file text shorter than
 * 2 characters, which is never run.
 */
struct ShellCommand {
    bool valid = false;
    QString file;
    QString verb;
    QString folder;
};
ShellCommand PrepareShellRun(const QString &file, const QString &verb);

/**
 * Opens a file with the desktop's application (verb "open" or none). Every other verb,
 * "play" included, has no meaning here and reports failure, so callers fall back to "open".
 */
bool ShellRun(const QString &file, const QString &verb = QString(),
              const QString &parameters = QString(), int showMode = 1);
/** Shows the file's read-only properties window. */
void ShowFileProperties(const QString &path);
/** Open or save dialog; the chosen path or @p cancelValue. */
QString ShowFileDialog(bool save, const QString &filter, const QString &cancelValue,
                       const QString &title, const QString &defaultExt, const QString &startFolder);
/** The folder picker; "" when cancelled. */
QString BrowseForFolder(const QString &title, const QString &startFolder, int flags = 0);
/** The colour dialog (0x00BBGGRR); -1 when cancelled. */
int ChooseColorDialog(int initialColor);
