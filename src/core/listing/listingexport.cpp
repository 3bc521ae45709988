#include "listing/listingexport.h"

#include "base/dialogseam.h"
#include "base/progressview.h"
#include "base/settings.h"
#include "listing/folderlist.h"
#include "base/desktopservices.h"
#include "base/paths.h"

#include <QCoreApplication>

#include <memory>

bool UseSourceFolder = false;
bool ExportCancelled = false;

namespace {
// Shared so that a running export keeps its list when the main window releases it
// meanwhile (closing the window lets the export's status updates run its close handler).
std::shared_ptr<FolderList> &Folders()
{
    static std::shared_ptr<FolderList> folders;
    return folders;
}
} // namespace

void CreateExportListing()
{
    Folders() = std::make_shared<FolderList>();
}

void ReleaseExportListing()
{
    Folders().reset();
}

FolderList *CurrentListing()
{
    return Folders().get();
}

void Folders_Progress(ProgressView &progress, int ProgressVal, int ProgressMax)
{
    progress.SetProgressMax(ProgressMax);
    progress.SetProgress(ProgressVal);
}

void Folders_Status(ProgressView &progress, const QString &strStatusText)
{
    progress.Status(1, strStatusText);
    QCoreApplication::processEvents();
}

void RunExport(ProgressView &progress, const QString &mediaFolder, const QString &outFolder)
{
    const bool html = Settings.saveashtml != 0;
    const QString filter = html ? QStringLiteral("Html Files (*.Html)|*.html")
                                : QStringLiteral("Text Files (*.txt)|*.txt");
    const QString extension = html ? QStringLiteral("html") : QStringLiteral("txt");
    const QString path = ShowFileDialog(true, filter, QString(),
                                        QStringLiteral("Select File to Save To"), extension,
                                        QString());
    if (path.isEmpty())
        return;
    if (FileExists(path) &&
        Dialogs().Message(QStringLiteral("This list file already exists! Do you want to "
                                         "overwrite?"),
                          MsgButtons::YesNo, MsgIcon::Critical) != MsgResult::Yes)
        return;

    progress.EnableButtons(false);
    Settings.inpath = mediaFolder;
    Settings.outpath = outFolder;
    SaveSettings();

    const QString root = NormalizePath(UseSourceFolder ? Settings.inpath : Settings.outpath);
    if (!FolderExists(root)) {
        Dialogs().Message(QLatin1String("Unable to read directory! (") + root +
                              QLatin1Char(')'),
                          MsgButtons::Ok, MsgIcon::Critical);
        progress.EnableButtons(true);
        return;
    }

    CreateExportListing();
    const std::shared_ptr<FolderList> held = Folders();
    FolderList &list = *held;
    QObject::connect(&list, &FolderList::Status, &list,
                     [&progress](const QString &text) { Folders_Status(progress, text); });
    QObject::connect(&list, &FolderList::Progress, &list, [&progress](int value, int max) {
        Folders_Progress(progress, value, max);
    });
    list.SetRootPath(root);
    list.SearchFiles(Settings.dlistfilter);
    const SaveResult saved = list.SaveFiles(path);
    // The list stays for the main window, but the view it reported to may not.
    QObject::disconnect(&list, nullptr, nullptr, nullptr);

    switch (saved) {
    case SaveResult::NoFolders:
        Dialogs().Message(QStringLiteral("No folders to save!"), MsgButtons::Ok,
                          MsgIcon::Critical);
        break;
    case SaveResult::WriteFailed:
        Dialogs().Message(QLatin1String("Unable to write the list file! (") + path +
                              QLatin1Char(')'),
                          MsgButtons::Ok, MsgIcon::Critical);
        break;
    case SaveResult::Saved:
        if (Dialogs().Message(QLatin1String("Saved File To ") + path +
                                  QLatin1String(". Would you like to open the file now?"),
                              MsgButtons::YesNo, MsgIcon::Information) == MsgResult::Yes)
            Dialogs().OpenPath(path);
        break;
    }
    progress.EnableButtons(true);
}
