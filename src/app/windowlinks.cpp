#include "app/windowlinks.h"

#include "app/form1.h"
#include "listing/exportcommand.h"
#include "listing/listingexport.h"
#include "options/firstrun.h"
#include "options/form6.h"
#include "update/mainwindowupdates.h"
#include "update/updatecheck.h"

#include <QLineEdit>

void CreateListingObject()
{
    CreateExportListing();
}

void ReleaseListingObject()
{
    ReleaseExportListing();
}

void OpenExportDialog(QWidget *owner)
{
    if (Form1 *w = MainWindow())
        ShowExportDialog(owner, *w, w->txtMediaFolder->text(), w->txtOutFolder->text());
}

void OpenOptionsWindow(QWidget *owner, int tab)
{
    Form6::Open(owner, tab > 0 ? tab : -1);
}

void AskFirstRunQuestion(QWidget *owner)
{
    Options::AskFirstRunQuestion(owner);
}

void StartUpdateCheck(QWidget *owner)
{
    StartUpdateCheckFor(owner);
}

void CleanUpPendingInstaller()
{
    CleanUpInstaller();
}
