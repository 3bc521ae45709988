#pragma once

#include <QString>

class ProgressView;
class QWidget;

/**
 * The main window's "Export To Text/Html": shows the export dialog owned by @p owner and,
 * unless the user abandons it, runs the export over the main window's two folder fields
 * (@p mediaFolder, @p outFolder), reporting through @p progress.
 */
void ShowExportDialog(QWidget *owner, ProgressView &progress, const QString &mediaFolder,
                      const QString &outFolder);
