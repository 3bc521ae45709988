#include "app/windowlinks.h"

#include "options/firstrun.h"
#include "options/form6.h"
#include "update/mainwindowupdates.h"
#include "update/updatecheck.h"

void CreateListingObject() {}
void ReleaseListingObject() {}
void OpenExportDialog(QWidget *) {}
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
