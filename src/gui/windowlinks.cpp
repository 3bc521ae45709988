#include "gui/windowlinks.h"

#include "gui/mainwindow.h"
#include "gui/exportcommand.h"
#include "gui/firstrun.h"
#include "gui/optionsdialog.h"
#include "gui/mainwindowupdates.h"
#include "update/updatecheck.h"

#include <QLineEdit>

#include <algorithm>

void OpenExportDialog(QWidget *owner)
{
    if (MainWindow *w = RunningMainWindow())
        ShowExportDialog(owner, *w, w->txtMediaFolder->text(), w->txtOutFolder->text());
}

void OpenOptionsWindow(QWidget *owner, int tab)
{
    const bool isNew = OptionsDialog::Instance() == nullptr;
    OptionsDialog *form = OptionsDialog::Open(owner, tab > 0 ? tab : -1);
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
