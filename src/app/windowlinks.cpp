#include "app/windowlinks.h"

#include "app/form1.h"
#include "listing/exportcommand.h"
#include "listing/listingexport.h"
#include "options/firstrun.h"
#include "options/form6.h"
#include "update/mainwindowupdates.h"
#include "update/updatecheck.h"

#include <QLineEdit>

#include <algorithm>

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
    const bool isNew = Form6::Instance() == nullptr;
    Form6 *form = Form6::Open(owner, tab > 0 ? tab : -1);
    // A new Options window opens over the main window, not wherever the desktop puts it.
    if (isNew && form && owner) {
        QPoint at = owner->frameGeometry().center() - form->rect().center();
        at.setX(std::max(at.x(), 0));
        at.setY(std::max(at.y(), 0));
        form->move(at);
    }
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
