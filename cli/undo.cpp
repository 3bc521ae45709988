#include "clicommand.h"
#include "consoledialogs.h"
#include "printable.h"
#include "progressline.h"

#include "base/nativepath.h"
#include "base/runcontrol.h"
#include "organize/organizelock.h"
#include "organize/undoorganize.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {
QString OutcomeText(UndoOutcome outcome, const QString &detail, bool dryRun) {
    switch (outcome) {
    case UndoOutcome::MovedBack:
        return dryRun ? QStringLiteral("would move back") : QStringLiteral("moved back");
    case UndoOutcome::CopyRemoved:
        return dryRun ? QStringLiteral("would remove the copy") : QStringLiteral("copy removed");
    case UndoOutcome::Restored:
        return dryRun ? QStringLiteral("would bring the replaced file back")
                      : QStringLiteral("replaced file brought back");
    case UndoOutcome::NothingToDo:
        return QStringLiteral("already in place");
    case UndoOutcome::Left:
        return QStringLiteral("left: ") + detail;
    }
    return QString();
}

int Undo(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Undoes the last organize run (of the desktop program or of sortiva-cli) that is not "
        "undone yet: moved files go back to their sources, copies are removed, replaced files "
        "come back from the trash and the folders the run made go when empty. Files changed "
        "since are left as they are. Prints one line SOURCE<TAB>OUTCOME per file, then the "
        "closing message. Exit status 0 when everything was undone, 1 when files were left."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("dry-run"), QStringLiteral("Show what would be done.")});
    parser.addOption({QStringLiteral("yes"), QStringLiteral("Really undo.")});
    ProgressLine::AddOption(parser);
    if (!parser.parse(arguments)) {
        Err(parser.errorText() + QLatin1Char('\n'));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Out(parser.helpText());
        return 0;
    }
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    if (dryRun == parser.isSet(QStringLiteral("yes")) || !parser.positionalArguments().isEmpty()) {
        Err(QStringLiteral("undo moves files back: give --dry-run to see what it would do or "
                           "--yes to do it\n"));
        return 2;
    }
    const std::optional<JournalRun> last = LastRunToUndo();
    if (!last) {
        Out(NothingToUndoText() + QLatin1Char('\n'));
        return 0;
    }
    const ConsoleDialogs console;
    std::unique_ptr<OrganizeLock> lock;
    if (!dryRun && !(lock = LockForOrganize(last->sourceFolder)))
        return 2;

    ProgressLine view(parser);
    view.Begin(dryRun ? QStringLiteral("Planning") : QStringLiteral("Undoing"),
               int(last->files.size()));
    const RunControl run; // a batch run is never cancelled
    const UndoReport report =
        UndoRun(*last, view, run, dryRun,
                [&view, dryRun](const JournalFile &f, UndoOutcome outcome, const QString &why) {
                    QString what = OutcomeText(outcome, why, dryRun);
                    if (outcome != UndoOutcome::Left && !why.isEmpty())
                        what += QStringLiteral("; ") + why;
                    view.Print(Printable(ReadableName(f.source)) + QLatin1Char('\t') +
                               Printable(what) + QLatin1Char('\n'));
                });
    view.Erase();
    if (!dryRun)
        Out(UndoEndingMessage(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
            QLatin1Char('\n'));
    std::fflush(stdout);
    return report.left.isEmpty() ? 0 : 1;
}

const CliCommand undo("undo", "Undo the last organize run", Undo);
} // namespace
