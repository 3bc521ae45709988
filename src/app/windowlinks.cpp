#include "app/windowlinks.h"

void CreateListingObject() {}
void ReleaseListingObject() {}
void OpenExportDialog(QWidget *) {}
void OpenOptionsWindow(QWidget *, int) {}
void AskFirstRunQuestion(QWidget *) {}
void StartUpdateCheck(QWidget *) {}
void CleanUpPendingInstaller() {}
