#include "gui/exportcommand.h"

#include "gui/exportdialog.h"
#include "listing/listingexport.h"

void ShowExportDialog(QWidget *owner, ProgressView &progress, const QString &mediaFolder,
                      const QString &outFolder)
{
    UseSourceFolder = false;
    {
        ExportDialog dialog(owner);
        dialog.exec();
    }
    if (ExportCancelled)
        return;
    RunExport(progress, mediaFolder, outFolder);
}
