#include "app/windowlinks.h"

#include "update/mainwindowupdates.h"
#include "update/updatecheck.h"

void CreateListingObject() {}
void ReleaseListingObject() {}
void OpenExportDialog(QWidget *) {}
void OpenOptionsWindow(QWidget *, int) {}
void AskFirstRunQuestion(QWidget *) {}
void StartUpdateCheck(QWidget *owner)
{
    StartUpdateCheckFor(owner);
}

void CleanUpPendingInstaller()
{
    CleanUpInstaller();
}
