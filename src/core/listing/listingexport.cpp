#include "listing/listingexport.h"

#include "base/desktopservices.h"
#include "base/dialogseam.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/settings.h"
#include "listing/folderlist.h"
#include "listing/listingoptions.h"

#include <QCoreApplication>

namespace {
void ShowProgress(ProgressView &progress, int value, int max) {
    progress.SetProgressMax(max);
    progress.SetProgress(value);
}

// One more event round after each status line keeps the window painting during the search.
void ShowStatus(ProgressView &progress, const QString &text) {
    progress.Status(1, text);
    QCoreApplication::processEvents();
}

// Searches @p root into a list of its own and writes it to @p path, reporting to @p progress;
// @p unread gets the note on folders that could not be read (empty when there are none).
SaveResult WriteListing(ProgressView &progress, const QString &root, const QString &filter,
                        const QString &path, const ListingOptions &options, QString &unread) {
    FolderList list;
    QObject::connect(&list, &FolderList::Status, &list,
                     [&progress](const QString &text) { ShowStatus(progress, text); });
    QObject::connect(&list, &FolderList::Progress, &list,
                     [&progress](int value, int max) { ShowProgress(progress, value, max); });
    list.SetRootPath(root);
    list.SearchFiles(filter);
    if (list.Unread().unreadable > 0)
        unread = list.Unread().Summary() + QStringLiteral(". ");
    return list.SaveFiles(path, options);
}
} // namespace

void RunExport(ProgressView &progress, const ExportRequest &request) {
    // The choices of the export dialog and the page look, taken once for the whole run.
    const ListingOptions options = ListingOptions::From(Settings, HtmlPageSettings);
    const QString patterns = Settings.dlistfilter;
    const QString filter = options.html ? QStringLiteral("Html Files (*.Html)|*.html")
                                        : QStringLiteral("Text Files (*.txt)|*.txt");
    const QString extension = options.html ? QStringLiteral("html") : QStringLiteral("txt");
    const QString path = ShowFileDialog(
        true, filter, QString(), QStringLiteral("Select File to Save To"), extension, QString());
    if (path.isEmpty())
        return;
    if (FileExists(path) &&
        Dialogs().Message(QStringLiteral("This list file already exists! Do you want to "
                                         "overwrite?"),
                          MsgButtons::YesNo, MsgIcon::Critical) != MsgResult::Yes)
        return;

    progress.EnableButtons(false);
    Settings.inpath = request.mediaFolder;
    Settings.outpath = request.outFolder;
    SaveSettings();

    const QString root = NormalizePath(
        request.listed == ListedFolder::SourceMedia ? request.mediaFolder : request.outFolder);
    if (!FolderExists(root)) {
        Dialogs().Message(QLatin1String("Unable to read directory! (") + ReadableName(root) +
                              QLatin1Char(')'),
                          MsgButtons::Ok, MsgIcon::Critical);
        progress.EnableButtons(true);
        return;
    }

    QString unread;
    switch (WriteListing(progress, root, patterns, path, options, unread)) {
    case SaveResult::NoFolders:
        Dialogs().Message(QStringLiteral("No folders to save!"), MsgButtons::Ok, MsgIcon::Critical);
        break;
    case SaveResult::WriteFailed:
        Dialogs().Message(QLatin1String("Unable to write the list file! (") + ReadableName(path) +
                              QLatin1Char(')'),
                          MsgButtons::Ok, MsgIcon::Critical);
        break;
    case SaveResult::Saved:
        if (Dialogs().Message(
                QLatin1String("Saved File To ") + ReadableName(path) + QLatin1String(". ") +
                    unread + QLatin1String("Would you like to open the file now?"),
                MsgButtons::YesNo,
                unread.isEmpty() ? MsgIcon::Information : MsgIcon::Exclamation) == MsgResult::Yes)
            Dialogs().OpenPath(path);
        break;
    }
    progress.EnableButtons(true);
}
