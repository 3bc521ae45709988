#include "organize/undoorganize.h"

#include "base/dialogseam.h"
#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/runcontrol.h"
#include "base/testseams.h"
#include "organize/organizelist.h"
#include "organize/organizelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

#include <chrono>
#include <unistd.h>

namespace {
const QString kCancelCaption = QStringLiteral("Cancel");
// The closing message names at most this many files left as they are.
constexpr qsizetype kListedLeft = 15;

QString Files(int n) {
    return QString::number(n) + (n == 1 ? QStringLiteral(" File") : QStringLiteral(" Files"));
}

// Moves a file back to where it came from, never over a file that stands there; across file
// systems by a complete copy, the organized file removed only once the copy stands.
bool MoveBack(const QString &from, const QString &to, bool &taken) {
    taken = false;
    switch (MoveNoReplace(from, to)) {
    case MoveResult::Moved:
        return true;
    case MoveResult::Exists:
        taken = true;
        return false;
    case MoveResult::NotPossible:
        break;
    }
    if (!CopyChecked(from, to)) {
        taken = !NothingAt(to);
        return false;
    }
    ::unlink(NativePath(from).constData());
    return true;
}

// What stands on the disk. A dry run plays its steps here instead of making them, so each
// file is judged as the files undone before it would leave the disk.
class Disk {
  public:
    explicit Disk(bool dryRun) : m_dryRun(dryRun) {}
    bool DryRun() const { return m_dryRun; }
    FileStamp Of(const QString &path) const {
        const auto it = m_played.constFind(path);
        return it != m_played.cend() ? *it : FileStamp::Of(path);
    }
    bool Free(const QString &path) const {
        const auto it = m_played.constFind(path);
        return it != m_played.cend() ? it->IsNull() : NothingAt(path);
    }
    /** A dry run's move of @p from to @p to. */
    void Played(const QString &from, const QString &to) {
        if (!to.isEmpty())
            m_played.insert(to, Of(from));
        m_played.insert(from, FileStamp());
    }

  private:
    bool m_dryRun;
    QHash<QString, FileStamp> m_played;
};

struct FileUndo {
    UndoOutcome outcome = UndoOutcome::NothingToDo;
    QString why;
    bool oldBack = false;
};

// Brings back the file @p f replaced, now that its name is free again.
void RestoreReplaced(const JournalFile &f, Disk &disk, FileUndo &result) {
    if (!f.replacing)
        return;
    if (f.trash.isEmpty()) {
        if (disk.Of(f.destination) != f.replaced)
            result.why = ReplacedNotKeptText();
        return;
    }
    // Only the file the run put there: once it has left the trash (put back by the run when
    // its placement failed, by an earlier undo, or from the file manager), another file
    // trashed later may carry its name.
    if (disk.Of(f.trash) != f.replaced) {
        if (disk.Of(f.destination) != f.replaced)
            result.why = ReplacedNotInTrashText();
        return;
    }
    if (!disk.Free(f.destination)) {
        result.why = SourceTakenText();
        return;
    }
    if (disk.DryRun())
        disk.Played(f.trash, f.destination);
    result.oldBack =
        disk.DryRun() || RestoreFromTrash({f.trash, TrashInfoOf(f.trash)}, f.destination);
    if (!result.oldBack)
        result.why = ReplacedNotInTrashText();
}

// A file that stayed where it was may still have had its replaced file to bring back.
FileUndo Settled(FileUndo result) {
    if (result.outcome == UndoOutcome::NothingToDo)
        result.outcome = result.oldBack         ? UndoOutcome::Restored
                         : result.why.isEmpty() ? UndoOutcome::NothingToDo
                                                : UndoOutcome::Left;
    return result;
}

FileUndo UndoFile(const JournalFile &f, Disk &disk) {
    const bool dryRun = disk.DryRun();
    FileUndo result;
    if (f.ended && !f.placed) {
        // Nothing was placed; a file it was to replace may still wait in the trash.
        RestoreReplaced(f, disk, result);
        return Settled(result);
    }
    // A placement the run could not report on ended either way: the file stands as its
    // source stood, or it never got there.
    const FileStamp placed = f.ended ? f.placedStamp : f.sourceStamp;
    const FileStamp atDest = disk.Of(f.destination);
    const FileStamp atSource = disk.Of(f.source);
    if (atDest.IsNull()) {
        if (atSource != f.sourceStamp) {
            result.outcome = UndoOutcome::Left;
            result.why = GoneSinceText();
            return result;
        }
    } else if (atDest != placed) {
        result.outcome = UndoOutcome::Left;
        result.why = ChangedSinceText();
        return result;
    } else if (atSource.IsNull()) {
        result.outcome = UndoOutcome::MovedBack;
        if (dryRun) {
            disk.Played(f.destination, f.source);
        } else {
            MakeFolderPath(FolderPart(f.source));
            bool taken = false;
            if (!MoveBack(f.destination, f.source, taken)) {
                result.outcome = UndoOutcome::Left;
                result.why = taken ? SourceTakenText() : NotMovedBackText();
                return result;
            }
        }
    } else if (atSource == f.sourceStamp) {
        // The source stayed (a copy, or a move killed before the source went).
        result.outcome = UndoOutcome::CopyRemoved;
        if (dryRun)
            disk.Played(f.destination, QString());
        else if (::unlink(NativePath(f.destination).constData()) != 0) {
            result.outcome = UndoOutcome::Left;
            result.why = NotMovedBackText();
            return result;
        }
    } else {
        result.outcome = UndoOutcome::Left;
        result.why = SourceTakenText();
        return result;
    }
    RestoreReplaced(f, disk, result);
    return Settled(result);
}

qint64 NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}
} // namespace

QString ChangedSinceText() {
    return QStringLiteral("it has changed since it was organized");
}

QString GoneSinceText() {
    return QStringLiteral("it is no longer where it was organized to");
}

QString SourceTakenText() {
    return QStringLiteral("another file now has its name");
}

QString NotMovedBackText() {
    return QStringLiteral("it could not be moved back; it may be in use or read-only");
}

QString ReplacedNotKeptText() {
    return QStringLiteral("the file it replaced could not be kept (no trash for that drive)");
}

QString ReplacedNotInTrashText() {
    return QStringLiteral("the file it replaced is no longer in the trash");
}

QString NothingToUndoText() {
    return QStringLiteral("There is no organize to undo.");
}

QString UndoQuestion(const JournalRun &run) {
    const QDateTime started = QDateTime::fromString(run.started, Qt::ISODateWithMs).toLocalTime();
    return QStringLiteral("Are you sure you want to undo the last organize?\r\n\r\n") +
           Files(run.PlacedCount()) + QStringLiteral(" organized from ") +
           ReadableName(run.sourceFolder) + QStringLiteral(" on ") +
           started.toString(QStringLiteral("yyyy-MM-dd hh:mm")) +
           QStringLiteral(" will be put back where they were.");
}

QString UndoEndingMessage(const UndoReport &report) {
    QString counts = QStringLiteral("Sortiva Media Organizer Has Put Back ") + Files(report.undone);
    if (report.restored > 0)
        counts += QStringLiteral(" and Brought Back ") + Files(report.restored) +
                  QStringLiteral(" From The Trash");
    counts += QLatin1Char('.');
    if (report.left.isEmpty() && !report.cancelled)
        return QStringLiteral("The Last Organize Has Been Undone. ") + counts;
    if (report.left.isEmpty())
        return QStringLiteral("Undo Was Cancelled. ") + counts +
               QStringLiteral(" Choose Undo Last Organize again to put back the rest.");
    QString text = QStringLiteral("Not all files could be put back. ") + counts +
                   QStringLiteral(" These were left as they are:");
    for (qsizetype i = 0; i < report.left.size() && i < kListedLeft; ++i)
        text += QStringLiteral("\r\n") + report.left[i];
    if (report.left.size() > kListedLeft)
        text += QStringLiteral("\r\n… and ") + QString::number(report.left.size() - kListedLeft) +
                QStringLiteral(" more.");
    return text;
}

UndoReport UndoRun(const JournalRun &run, ProgressView &view, const RunControl &control,
                   bool dryRun, const UndoObserver &observer) {
    UndoReport report;
    view.SetProgressMax(int(run.files.size()));
    int progress = 0;
    Disk disk(dryRun);
    for (auto it = run.files.crbegin(); it != run.files.crend(); ++it) {
        if (control.CancelRequested()) {
            report.cancelled = true;
            break;
        }
        const JournalFile &f = *it;
        view.Status(1, QStringLiteral("Undoing ") + ReadableName(f.destination));
        const FileUndo done = UndoFile(f, disk);
        if (done.outcome == UndoOutcome::MovedBack || done.outcome == UndoOutcome::CopyRemoved)
            ++report.undone;
        if (done.oldBack)
            ++report.restored;
        if (!done.why.isEmpty())
            report.left << ReadableName(f.destination) + QStringLiteral(": ") + done.why;
        if (observer)
            observer(f, done.outcome, done.why);
        view.Status(2, Files(int(run.files.size()) - ++progress) + QStringLiteral(" Left"));
        view.SetProgress(progress);
    }
    if (report.cancelled || dryRun)
        return report;
    // Newest first, so a folder goes before the folder it was made in. Only empty folders
    // go, after the hidden temporaries a killed copy may have left in them.
    const qint64 now = NowNs();
    for (auto it = run.folders.crbegin(); it != run.folders.crend(); ++it) {
        RemoveStaleTemporaries(*it, now);
        ::rmdir(NativePath(*it).constData());
    }
    MarkUndone(run.path);
    return report;
}

void RunUndo(ProgressView &view, CommandButton &button, RunControl &control) {
    control.Reset();
    const std::optional<JournalRun> last = LastRunToUndo();
    if (!last) {
        Dialogs().Message(NothingToUndoText(), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (Dialogs().Message(UndoQuestion(*last), MsgButtons::YesNo, MsgIcon::Question) !=
        MsgResult::Yes)
        return;
    // The files go back into the run's Source Media folder: no organize of it meanwhile.
    auto lock = LockForOrganize(last->sourceFolder);
    if (!lock)
        return;
    const QString caption = button.Caption();
    view.EnableButtons(false);
    button.SetCaption(kCancelCaption);
    button.SetEnabled(true);
    const UndoReport report = UndoRun(*last, view, control, false);
    view.Status(1, QStringLiteral("Finished"));
    QCoreApplication::processEvents();
    if (const int pause = Seams().FinishPauseMs(); pause > 0)
        QThread::msleep(static_cast<unsigned long>(pause));
    view.SetProgress(0);
    lock.reset();
    if (!control.CloseRequested())
        Dialogs().Message(UndoEndingMessage(report), MsgButtons::Ok,
                          report.left.isEmpty() && !report.cancelled ? MsgIcon::Information
                                                                     : MsgIcon::Critical);
    button.SetCaption(caption);
    view.EnableButtons(true);
}
