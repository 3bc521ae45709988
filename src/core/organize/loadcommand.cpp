#include "organize/loadcommand.h"

#include "base/desktopservices.h"
#include "base/dialogseam.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/replacelist.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/testseams.h"
#include "naming/artistname.h"
#include "naming/foldername.h"
#include "organize/loadscan.h"
#include "organize/organizelist.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
const QString CancelCaption = QStringLiteral("Cancel");

// Folder names for which the user declined "correct all" during this load, case-folded.

QString CrLf2() {
    return QStringLiteral("\r\n\r\n");
}

void Show(const std::function<void(bool)> &showList, bool visible) {
    if (showList)
        showList(visible);
}

} // namespace

QString NoFilesMessage() {
    return QStringLiteral("Sortiva Media Organizer is unable to find any files in the 'Source "
                          "Media' folder. This may be because your filter settings are "
                          "limiting the type of file search results allowed.") +
           CrLf2() +
           QStringLiteral("You may wish to edit the file search filtering settings to "
                          "increase the possibility of more search results. Click on 'Quick "
                          "Filter Settings' to change the file search filter settings.");
}

const QStringList &AutoAddExclusions() {
    static const QStringList list = {
        QStringLiteral("ali"),    QStringLiteral("all"),  QStringLiteral("80s"),
        QStringLiteral("90s"),    QStringLiteral("70s"),  QStringLiteral("remix"),
        QStringLiteral("rock"),   QStringLiteral("rap"),  QStringLiteral("ballads"),
        QStringLiteral("gospel"), QStringLiteral("mega"), QStringLiteral("monster"),
        QStringLiteral("11"),     QStringLiteral("12"),   QStringLiteral("13"),
        QStringLiteral("14"),     QStringLiteral("15"),   QStringLiteral("16"),
        QStringLiteral("17"),     QStringLiteral("18"),   QStringLiteral("19"),
        QStringLiteral("10"),     QStringLiteral("20")};
    return list;
}

void RunLoad(OrganizeList &list, ProgressView &view, CommandButton &button, RunControl &run,
             const QString &mediaFolderText, const QString &outFolderText,
             const std::function<void(bool)> &showList) {
    run.Reset();
    const QString caption = button.Caption();
    button.SetCaption(CancelCaption);
    view.EnableButtons(false);
    button.SetEnabled(true);

    Settings.inpath = mediaFolderText;
    Settings.outpath = outFolderText;
    SaveSettings();

    LoadMediaFiles(list, view, run, showList);

    button.SetCaption(caption);
    view.EnableButtons(true);
    if (list.Count() == 0 && !run.CloseRequested())
        Dialogs().Message(NoFilesMessage(), MsgButtons::Ok, MsgIcon::Critical);
}

void LoadMediaFiles(OrganizeList &list, ProgressView &view, RunControl &run,
                    const std::function<void(bool)> &showList) {
    list.Clear();

    const LoadScanOptions options = LoadScanOptions::FromSettings();
    const QString &inpath = options.inpath;
    const bool tagNote = Settings.renamefolders != 0;
    [&] {
        if (!FolderExists(inpath)) {
            view.Status(1, QStringLiteral("Folder does not exist!"));
            return;
        }
        view.Status(1, QStringLiteral("Searching ") + ReadableName(inpath) +
                           QStringLiteral(" For Files..."));
        SearchReport report;
        const QStringList found =
            FindMediaFiles(inpath, options.filter, options.recursive, &report);
        const int n = static_cast<int>(found.size());
        // Files in folders the search could not read are missing from the list: say so.
        const QString unread = report.unreadable > 0 ? report.Summary() : QString();
        if (n == 0) {
            view.Status(1, unread.isEmpty() ? QStringLiteral("No files found!") : unread);
            if (!unread.isEmpty())
                Dialogs().Message(unread, MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        const QString foundText =
            QStringLiteral("Found ") + QString::number(n) + QStringLiteral(" Files. Processing");
        view.Status(1, foundText + QStringLiteral("..."));
        Show(showList, false);
        view.SetProgressMax(n);
        const QString processing = foundText + QStringLiteral(" #");

        list.BeginBatch();
        // Every 100 rows pending events run (Cancel among them). The status text and the
        // progress bar, whose repaint costs more than the rows in between, are refreshed
        // at such a yield once the status interval has passed.
        QElapsedTimer sinceShown;
        const auto yield = [&](int number) {
            list.Flush();
            if (sinceShown.isValid() && sinceShown.elapsed() < Seams().LoadStatusIntervalMs()) {
                QCoreApplication::processEvents();
                return;
            }
            sinceShown.start();
            view.SetProgress(list.Count());
            view.Status(1, processing + QString::number(number));
        };
        yield(1);
        bool badRows = false;
        DeriveLoadRows(
            inpath, found, options.naming,
            [&](const LoadRow &loaded, int number, int) {
                badRows = badRows || !loaded.name.ok;
                list.Append(OrganizeRow::FromLoad(loaded));
                if (loaded.name.fromTag || list.Count() % 100 == 0)
                    yield(number + 1 <= n ? number + 1 : n);
                return !run.CancelRequested();
            },
            false, 0,
            // A slow disk or share keeps the next row waiting: the window stays live meanwhile.
            [&] {
                list.Flush();
                QCoreApplication::processEvents();
                return !run.CancelRequested();
            });
        list.EndBatch();

        view.Status(1, QStringLiteral("Processed ") + QString::number(list.Count()) +
                           QStringLiteral(" Files") +
                           (unread.isEmpty() ? QString() : QStringLiteral(". ") + unread));
        Show(showList, true);
        view.SetProgress(0);
        if (run.CloseRequested())
            return;
        QString text;
        MsgIcon icon;
        if (badRows) {
            icon = MsgIcon::Critical;
            text = QStringLiteral(
                "File's were found that a folder name could not be derived from. Please edit "
                "the folder name by hand in the list. The un-named folders are flagged with a "
                "red icon. Then click on 'Organize' to organize your files into the folders.");
        } else {
            icon = MsgIcon::Information;
            text = QStringLiteral(
                "Please check the list to make sure that the folders are properly named, then "
                "click on 'Organize' to organize your files into folders. You can right-click "
                "on files in the list for more options.");
        }
        if (tagNote)
            text += QStringLiteral(
                " You also have the option enabled to use the MP3 ID3 v1.1 Tags from music "
                "files. If the ID3 tags are not formatted well you wont get very good folder "
                "names. You may want to try the default method of gathering a folder name from "
                "the file name (in program options).");
        if (!unread.isEmpty()) {
            if (icon == MsgIcon::Information)
                icon = MsgIcon::Exclamation;
            text += CrLf2() + unread + QStringLiteral(". Their files are not in the list.");
        }
        Dialogs().Message(text, MsgButtons::Ok, icon);
    }();
    view.Status(2, QString::number(list.Count()) + QStringLiteral(" Files"));
    view.SetProgress(0);
}

void EditListItem(OrganizeList &list, const QString &newName) {
    if (newName.isEmpty() || list.Count() == 0 || !list.HasSelection())
        return;
    const int selected = list.Selected();
    const QString oldName = list.Row(selected).folder;
    const QString name = ProperCase(newName);

    // A row the load could not name has nothing in common with other unnamed rows: it is
    // named alone, and an empty old name makes no replace rule.
    if (oldName.isEmpty()) {
        list.SetFolder(selected, name);
        return;
    }

    bool correctAll = false;
    if (!list.CorrectionDeclined(oldName)) {
        bool others = false;
        for (int i = 0; i < list.Count() && !others; ++i)
            others = i != selected && list.Row(i).folder.compare(oldName, Qt::CaseInsensitive) == 0;
        if (others) {
            const MsgResult r = Dialogs().Message(
                QStringLiteral("Would you like to correct all folder names that contain the "
                               "name ") +
                    oldName + QStringLiteral(" to ") + name + QStringLiteral("?"),
                MsgButtons::YesNo, MsgIcon::Question);
            if (r == MsgResult::Yes)
                correctAll = true;
            else
                list.DeclineCorrection(oldName);
        }
    }

    if (Settings.autoadd != 0 && oldName.size() > 2 && name.size() > 2 && oldName != name &&
        !AutoAddExclusions().contains(oldName.toLower())) {
        bool covered = false;
        for (int i = 0; i < UserReplaceList.Count() && !covered; ++i)
            covered = UserReplaceList.At(i).OldVal().contains(oldName, Qt::CaseInsensitive);
        if (!covered) {
            UserReplaceList.Add(name, oldName, 0);
            if (UserReplaceList.Count() > 1000) {
                UserReplaceList.Remove(1);
                SaveSettings();
            }
        }
    }

    if (correctAll) {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Row(i).folder.compare(oldName, Qt::CaseInsensitive) == 0)
                list.SetFolder(i, name);
    } else {
        list.SetFolder(selected, name);
    }
}

BrowseChoice BrowseMediaFolder(const QString &mediaFolderText) {
    QString start;
    if (FolderExists(Settings.inpath))
        start = Settings.inpath;
    else if (FolderExists(mediaFolderText))
        start = mediaFolderText;
    else
        start = CurrentFolder();
    BrowseChoice choice;
    choice.folder = BrowseForFolder(QStringLiteral("Select media folder to organize"), start, 0);
    if (choice.folder.isEmpty())
        return choice;
    Settings.inpath = choice.folder;
    SettingsStore::Save(Keys::inpath, choice.folder);
    if (Settings.outpath.compare(Settings.inpath, Qt::CaseInsensitive) != 0) {
        const MsgResult r =
            Dialogs().Message(QStringLiteral("Would you like to make your 'Organize To' folder "
                                             "the same as your 'Source Media' folder?"),
                              MsgButtons::YesNo, MsgIcon::Question);
        if (r == MsgResult::Yes) {
            Settings.outpath = choice.folder;
            SettingsStore::Save(Keys::outpath, choice.folder);
            choice.alsoOutFolder = true;
        }
    }
    return choice;
}

BrowseChoice BrowseOutFolder(const QString &outFolderText) {
    QString start;
    if (FolderExists(Settings.outpath))
        start = Settings.outpath;
    else if (outFolderText.isEmpty())
        start = CurrentFolder();
    else
        start = outFolderText;
    BrowseChoice choice;
    choice.folder =
        BrowseForFolder(QStringLiteral("Select output folder to organize to..."), start, 0);
    if (choice.folder.isEmpty())
        return choice;
    Settings.outpath = choice.folder;
    SettingsStore::Save(Keys::outpath, choice.folder);
    return choice;
}
