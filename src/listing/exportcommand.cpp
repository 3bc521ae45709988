#include "listing/exportcommand.h"

#include "listing/form2.h"
#include "listing/listingexport.h"

void ShowExportDialog(QWidget *owner, ProgressView &progress, const QString &mediaFolder,
                      const QString &outFolder)
{
    UseSourceFolder = false;
    {
        Form2 dialog(owner);
        dialog.exec();
    }
    if (ExportCancelled)
        return;
    RunExport(progress, mediaFolder, outFolder);
}
