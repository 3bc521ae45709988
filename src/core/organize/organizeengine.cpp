#include "organize/organizeengine.h"

#include "base/dialogseam.h"
#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "base/testseams.h"
#include "naming/tagname.h"
#include "organize/destinationindex.h"
#include "organize/organizejournal.h"
#include "organize/organizelist.h"
#include "organize/organizelock.h"
#include "tags/id3v1tag.h"

#include <QCoreApplication>
#include <QThread>

#include <optional>

namespace {
const QString kCancelCaption = QStringLiteral("Cancel");

QString AbortedText() {
    return QStringLiteral("Media File Organization Aborted.");
}

// A folder name must stay below the Organize To folder.
bool EscapesTarget(const QString &folderName) {
    const QStringList parts = folderName.split(QLatin1Char('/'));
    for (const QString &p : parts)
        if (p == QLatin1String(".") || p == QLatin1String(".."))
            return true;
    return false;
}

QString StripTrailingSlashes(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// Copies the source (replacing the old destination file when asked) and, with deleteOld,
// removes the source once a complete copy stands; a move by rename does both in one step
// where source and destination share a file system.
enum class Placed { Done, CopyFailed, SourceKept, Taken };

Placed Place(const QString &source, const QString &destination, bool replacing, bool deleteOld) {
    Seams().BeforePlacing(destination);
    const bool locked = Seams().SourceLocked(source);
    if (deleteOld && !locked) {
        if (replacing) {
            if (MoveReplacing(source, destination))
                return Placed::Done;
        } else {
            switch (MoveNoReplace(source, destination)) {
            case MoveResult::Moved:
                return Placed::Done;
            case MoveResult::Exists:
                return Placed::Taken;
            case MoveResult::NotPossible:
                break;
            }
        }
    }
    bool copied = false;
    if (replacing)
        copied = CopyReplacing(source, destination);
    else if (deleteOld)
        copied = CopyChecked(source, destination);
    else
        copied = CopyKeepingSource(source, destination);
    if (!copied)
        return FileExists(destination) && !replacing ? Placed::Taken : Placed::CopyFailed;
    if (!deleteOld)
        return Placed::Done;
    if (!CompleteCopy(source, destination))
        return Placed::SourceKept;
    if (!locked)
        DeleteFile(source);
    return FileExists(source) ? Placed::SourceKept : Placed::Done;
}
} // namespace

OrganizeOptions OrganizeOptions::FromSettings() {
    OrganizeOptions o;
    o.inpath = Settings.inpath;
    o.outpath = Settings.outpath;
    o.deleteOld = Settings.deleteold != 0;
    o.replaceExisting = Settings.replaceexisting != 0;
    o.doNothing = Settings.donothing != 0;
    o.renameFromTag = Settings.renamefiles >= 1;
    o.naming = NamingOptions::FromSettings();
    return o;
}

QString MissingSourceText() {
    return QStringLiteral("Original File Path Is Invalid. The file has been removed or is in "
                          "use by another application.");
}

QString ClashText() {
    return QStringLiteral("Sortiva did not copy this file to a new location because a file "
                          "with the same name already exists at that location.");
}

QString CopyErrorText() {
    return QStringLiteral("An Error Occured When Attempting To Copy This File To The New "
                          "Location. Please Check The Folder Name For Invalid Characters. The "
                          "File May Be In Use By Another Application.");
}

QString DeleteFailedText() {
    return QStringLiteral("The File Was Successfully Copied, But Sortiva Was Unable To Remove "
                          "The Old File. The file may be in use by another application.");
}

QString EndingMessage(int rowsLeft, const OrganizeReport &report) {
    if (rowsLeft == 0) {
        return QStringLiteral("File Organization Has Been Completed. ") +
               (report.organized >= 1
                    ? QStringLiteral("Sortiva Media Organizer Has Organized ") +
                          QString::number(report.organized) + QStringLiteral(" Files.")
                    : QStringLiteral("Sortiva Media Organizer Did Not Organize Any Files."));
    }
    QString text = QStringLiteral(
        "Not all files were organized. The files may be in use by another application or "
        "have read-only settings. Please see the list for files that could not be organized. "
        "You can right click on the file to see Error Details. ");
    const QString why = QStringLiteral(
        " not organized because there already existed a file with the same name at that "
        "location, and you have the option 'Do Nothing' checked in preferences.)");
    if (report.skipped == 1)
        text += QStringLiteral("(1 file was") + why;
    else if (report.skipped >= 2)
        text += QStringLiteral("(") + QString::number(report.skipped) +
                QStringLiteral(" files were") + why;
    return text;
}

OrganizeReport OrganizeRows(OrganizeList &list, ProgressView &view, const OrganizeOptions &options,
                            const RunControl &run, const RowObserver &observer,
                            OrganizeJournal *journal) {
    OrganizeReport report;
    const QString inpath = StripTrailingSlashes(options.inpath);
    DestinationIndex index(StripTrailingSlashes(options.outpath),
                           options.dryRun ? DestinationIndex::Mode::Planning
                                          : DestinationIndex::Mode::Placing);
    std::optional<OrganizeJournal> ownJournal;
    if (options.dryRun)
        journal = nullptr;
    else if (!journal)
        journal = &ownJournal.emplace(options.inpath, options.outpath);
    if (journal)
        index.SetFolderMaker([journal](const QString &folder) { journal->MakeFolder(folder); });
    int position = 0;
    int progress = 0;
    const auto tell = [&](const OrganizeRow &row, RowOutcome outcome, const QString &detail) {
        if (observer)
            observer(row, outcome, detail);
    };
    const auto fail = [&](const OrganizeRow &row, const QString &text) {
        if (!options.dryRun)
            list.MarkBad(position, text);
        tell(row, RowOutcome::Failed, text);
        ++position;
    };

    for (;;) {
        if (position >= list.Count() || run.CancelRequested())
            break;
        const OrganizeRow row = list.Row(position);
        view.Status(1, QStringLiteral("Processing ") + ReadableName(row.relativePath));
        [&] {
            const bool mp3 = IsMp3(row.relativePath);
            const QString source = DestinationIndex::Join(inpath, row.relativePath);
            if (!FileExists(source)) {
                fail(row, MissingSourceText());
                return;
            }
            QString name = row.relativePath;
            QString richName; // all tags: a name from the richest tag of any format first
            if (options.renameFromTag && options.naming.allTags)
                richName = RichTagFileName(source, row.relativePath, options.naming);
            if (!richName.isEmpty())
                name = richName;
            else if (mp3 && options.renameFromTag) {
                Id3v1Tag tag;
                if (ReadTag(tag, source)) {
                    const QString tagName = BuildTagName(tag, TagNameFor::File, options.naming);
                    if (!tagName.isEmpty())
                        name = tagName + QStringLiteral(".mp3");
                }
            }
            if (EscapesTarget(row.folder)) {
                fail(row, CopyErrorText());
                return;
            }
            const QString folder = index.TargetFolder(row.folder);
            if (!options.dryRun)
                index.MakeTarget(folder);
            // Sub-folders of the source are flattened.
            if (name.contains(QLatin1Char('/')))
                name = FileNamePart(name);

            bool replacing = false;
            const QString wanted = name;
            for (int attempt = 0;; ++attempt) {
                // A retry numbers the wanted name afresh, never a numbered one again.
                name = wanted;
                const QString existing = index.ExistingName(folder, name);
                if (!existing.isEmpty()) {
                    const QString existingPath = DestinationIndex::Join(folder, existing);
                    if (SameFile(source, existingPath)) {
                        // The file already stands where it belongs: nothing to copy, and
                        // nothing may be deleted.
                        ++report.organized;
                        tell(row, options.dryRun ? RowOutcome::Planned : RowOutcome::Organized,
                             existingPath);
                        if (!options.dryRun)
                            list.Remove(position);
                        else
                            ++position;
                        return;
                    }
                    if (options.doNothing) {
                        if (!options.dryRun)
                            list.MarkBad(position, ClashText());
                        ++report.skipped;
                        tell(row, RowOutcome::Skipped, ClashText());
                        ++position;
                        return;
                    }
                    if (options.replaceExisting) {
                        name = existing;
                        replacing = true;
                    } else {
                        name = index.FreeName(folder, name);
                    }
                }
                const QString destination = DestinationIndex::Join(folder, name);
                if (options.dryRun) {
                    index.Added(folder, name);
                    ++report.organized;
                    tell(row, RowOutcome::Planned, destination);
                    ++position;
                    return;
                }
                const OrganizeJournal::Entry entry =
                    journal->BeginFile(source, destination, options.deleteOld, replacing);
                // The old file goes to the trash, so the new one takes a free name; where it
                // cannot be kept it is replaced in place, as it always was.
                const bool trashed = replacing && MoveToTrashSlot(destination, entry.trash);
                const Placed placed =
                    Place(source, destination, replacing && !trashed, options.deleteOld);
                const bool stands = placed == Placed::Done || placed == Placed::SourceKept;
                if (trashed && !stands)
                    RestoreFromTrash(entry.trash, destination);
                journal->EndFile(entry, stands,
                                 stands && placed == Placed::Done && options.deleteOld,
                                 destination);
                if (placed == Placed::Taken && attempt < 3) {
                    // A file appeared under that name meanwhile: look again.
                    index.Forget(folder);
                    continue;
                }
                if (placed == Placed::CopyFailed || placed == Placed::Taken) {
                    fail(row, CopyErrorText());
                    return;
                }
                index.Added(folder, name);
                ++report.organized;
                if (placed == Placed::SourceKept) {
                    list.MarkBad(position, DeleteFailedText());
                    tell(row, RowOutcome::Failed, DeleteFailedText());
                    ++position;
                    return;
                }
                if (options.deleteOld)
                    index.Removed(FolderPart(source), FileNamePart(source));
                tell(row, RowOutcome::Organized, destination);
                list.Remove(position);
                return;
            }
        }();
        view.Status(2, QString::number(list.Count()) + QStringLiteral(" Files"));
        view.SetProgress(++progress);
    }
    report.cancelled = run.CancelRequested() && position < list.Count();
    list.Flush();
    view.SetProgress(progress);
    return report;
}

void OrganizeFiles(OrganizeList &list, ProgressView &view, OrganizeOptions options,
                   const RunControl &run) {
    // Taken before anything is asked or created; held until every file is placed.
    auto lock = LockForOrganize(options.inpath);
    if (!lock)
        return;
    OrganizeJournal journal(options.inpath, options.outpath);
    const QString &outpath = options.outpath;
    if (!FolderExists(outpath)) {
        const MsgResult r = Dialogs().Message(
            ReadableName(outpath) +
                QStringLiteral(" does not exist! Would you like to create this folder now?"),
            MsgButtons::YesNo, MsgIcon::Critical);
        if (r != MsgResult::Yes) {
            Dialogs().Message(AbortedText(), MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
        journal.MakeFolderPath(outpath);
    }
    if (!options.deleteOld) {
        const MsgResult r = Dialogs().Message(
            QStringLiteral("You have chosen to organize files without deleting source files once "
                           "organized (in options). This will create double the hard drive "
                           "space used for each file. Do you want to change this option before "
                           "continuing?"),
            MsgButtons::YesNoCancel, MsgIcon::Critical);
        if (r == MsgResult::Yes) {
            options.deleteOld = true;
            Settings.deleteold = 1;
            SaveSettings();
        } else if (r != MsgResult::No) {
            Dialogs().Message(AbortedText(), MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
    }
    OrganizeReport report;
    if (list.Count() > 0) {
        view.SetProgressMax(list.Count());
        report = OrganizeRows(list, view, options, run, {}, &journal);
    }
    view.Status(1, QStringLiteral("Finished"));
    QCoreApplication::processEvents();
    if (const int pause = Seams().FinishPauseMs(); pause > 0)
        QThread::msleep(static_cast<unsigned long>(pause));
    view.SetProgress(0);
    lock.reset(); // the files are placed; the closing message may stay open a long time
    if (run.CloseRequested())
        return;
    const int left = list.Count();
    Dialogs().Message(EndingMessage(left, report), MsgButtons::Ok,
                      left == 0 ? MsgIcon::Information : MsgIcon::Critical);
}

void RunOrganize(OrganizeList &list, ProgressView &view, CommandButton &button, RunControl &run,
                 const QString &mediaFolderText, const QString &outFolderText) {
    run.Reset();
    Settings.inpath = mediaFolderText;
    Settings.outpath = outFolderText;
    SaveSettings();
    if (list.Count() == 0) {
        Dialogs().Message(QStringLiteral("You must first load a folder with the 'Load' button."),
                          MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (outFolderText.trimmed().isEmpty()) {
        Dialogs().Message(QStringLiteral("Please enter the 'Organize To' folder (or choose it "
                                         "with its '...' button) before organizing."),
                          MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const MsgResult r = Dialogs().Message(
        QStringLiteral("Are you sure you want to organize these files?\r\n\r\nNote: this action "
                       "cannot be undone!"),
        MsgButtons::YesNo, MsgIcon::Question);
    if (r != MsgResult::Yes)
        return;
    const QString caption = button.Caption();
    view.EnableButtons(false);
    button.SetCaption(kCancelCaption);
    button.SetEnabled(true);
    OrganizeFiles(list, view, OrganizeOptions::FromSettings(), run);
    button.SetCaption(caption);
    view.EnableButtons(true);
}
