#include "gui/exportcommand.h"

#include "gui/exportdialog.h"
#include "listing/listingexport.h"

void ShowExportDialog(QWidget *owner, ProgressView &progress, const QString &mediaFolder,
                      const QString &outFolder) {
    ExportRequest request{mediaFolder, outFolder, ListedFolder::OrganizeTo};
    {
        // Gone before the export starts, so the file dialog opens over the main window.
        ExportDialog dialog(owner);
        if (dialog.exec() != QDialog::Accepted)
            return;
        request.listed = dialog.listedFolder();
    }
    RunExport(progress, request);
}
