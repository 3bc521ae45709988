#include "gui/windowlinks.h"

#include "gui/mainwindow.h"
#include "gui/exportcommand.h"
#include "listing/listingexport.h"
#include "gui/firstrun.h"
#include "gui/optionsdialog.h"
#include "gui/mainwindowupdates.h"
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
    if (MainWindow *w = RunningMainWindow())
        ShowExportDialog(owner, *w, w->txtMediaFolder->text(), w->txtOutFolder->text());
}

void OpenOptionsWindow(QWidget *owner, std::optional<OptionsDialog::Page> page)
{
    const bool isNew = OptionsDialog::instance() == nullptr;
    OptionsDialog *form = OptionsDialog::open(owner, page);
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
