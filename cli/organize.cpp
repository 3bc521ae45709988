#include "clicommand.h"
#include "consoledialogs.h"
#include "namingflags.h"
#include "printable.h"
#include "progressline.h"

#include "base/extensionfilter.h"
#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/progressview.h"
#include "base/runcontrol.h"
#include "base/settings.h"
#include "organize/loadscan.h"
#include "organize/organizeengine.h"
#include "organize/organizejournal.h"
#include "organize/organizelist.h"
#include "organize/organizelock.h"
#include "tags/genres.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

bool Exclusive(const QCommandLineParser &parser, const char *a, const char *b) {
    if (parser.isSet(QString::fromLatin1(a)) && parser.isSet(QString::fromLatin1(b))) {
        Err(QStringLiteral("--%1 and --%2 exclude each other\n")
                .arg(QLatin1String(a), QLatin1String(b)));
        return false;
    }
    return true;
}

int Organize(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads SOURCE as the Load command does and organizes the rows into DEST with the saved "
        "options, each flag overriding its option for this run. Asks nothing. Prints one line "
        "RELATIVE-PATH<TAB>OUTCOME per row (organized, skipped, failed: TEXT, or with --dry-run "
        "the planned destination), then the closing message. Exit status 0 when every row was "
        "organized, 1 when rows are left."));
    parser.addOption({QStringLiteral("dry-run"), QStringLiteral("Plan only; touch no file.")});
    parser.addOption({QStringLiteral("yes"), QStringLiteral("Really copy, move and create.")});
    parser.addOption(
        {QStringLiteral("move"), QStringLiteral("Delete each source once organized.")});
    parser.addOption({QStringLiteral("copy"), QStringLiteral("Keep the source files.")});
    parser.addOption(
        {QStringLiteral("replace"), QStringLiteral("Replace an existing file of the same name.")});
    parser.addOption({QStringLiteral("skip-existing"),
                      QStringLiteral("Leave a row when its file already exists at DEST.")});
    parser.addOption(
        {QStringLiteral("rename-from-tag"), QStringLiteral("Name MP3 files after their ID3 tag.")});
    parser.addOption({QStringLiteral("recursive"), QStringLiteral("Search sub-folders too.")});
    parser.addOption({QStringLiteral("filter"),
                      QStringLiteral("Extensions to load, comma separated (mp3,wma; * for all)."),
                      QStringLiteral("LIST")});
    NamingFlags::Add(parser);
    ProgressLine::AddOption(parser);
    parser.addPositionalArgument(QStringLiteral("SOURCE"),
                                 QStringLiteral("The Source Media folder."));
    parser.addPositionalArgument(QStringLiteral("DEST"), QStringLiteral("The Organize To folder."));
    if (const int status = NamingFlags::Parse(parser, arguments))
        return status < 0 ? 0 : status;
    NamingOptions naming = NamingOptions::FromSettings();
    if (!NamingFlags::Apply(parser, naming) || !Exclusive(parser, "dry-run", "yes") ||
        !Exclusive(parser, "move", "copy") || !Exclusive(parser, "replace", "skip-existing"))
        return 2;
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 2) {
        Err(QStringLiteral("organize needs SOURCE and DEST\n"));
        return 2;
    }
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    if (!dryRun && !parser.isSet(QStringLiteral("yes"))) {
        Err(QStringLiteral("organize moves and copies files: give --dry-run to see the plan or "
                           "--yes to carry it out\n"));
        return 2;
    }
    if (parser.isSet(QStringLiteral("recursive")))
        Settings.recursivesearch = 1;
    if (parser.isSet(QStringLiteral("filter")))
        Settings.filter = FilterToPatterns(parser.value(QStringLiteral("filter")));
    Settings.inpath = folders[0];
    Settings.outpath = folders[1];
    if (!FolderExists(Settings.inpath)) {
        Err(QStringLiteral("Folder does not exist!\n"));
        return 2;
    }
    if (Settings.outpath.isEmpty()) {
        Err(QStringLiteral("DEST must not be empty\n"));
        return 2;
    }
    if (GenreCount() == 0)
        LoadGenres();

    OrganizeOptions options = OrganizeOptions::FromSettings();
    options.naming = naming; // the naming flags rename files too, not only the load's folders
    options.dryRun = dryRun;
    if (parser.isSet(QStringLiteral("move")))
        options.deleteOld = true;
    if (parser.isSet(QStringLiteral("copy")))
        options.deleteOld = false;
    if (parser.isSet(QStringLiteral("replace"))) {
        options.replaceExisting = true;
        options.doNothing = false;
    }
    if (parser.isSet(QStringLiteral("skip-existing")))
        options.doNothing = true;
    if (parser.isSet(QStringLiteral("rename-from-tag")))
        options.renameFromTag = true;

    // A real run holds the folder from before its load to its end (a plan touches nothing).
    const ConsoleDialogs console;
    std::unique_ptr<OrganizeLock> lock;
    if (!dryRun && !(lock = LockForOrganize(options.inpath)))
        return 2;

    ProgressLine view(parser); // the progress line
    OrganizeList list;
    list.BeginBatch();
    LoadScanOptions scan = LoadScanOptions::FromSettings();
    scan.naming = naming;
    SearchReport unread;
    unread.onFolder = [&view](const QString &folder) { view.Reading(folder); };
    LoadScan(
        scan,
        [&](const LoadRow &loaded, int number, int total) {
            if (number == 1)
                view.Begin(QStringLiteral("Naming"), total);
            view.Step(number);
            list.Append(OrganizeRow::FromLoad(loaded));
            return true;
        },
        false, &unread);
    list.EndBatch();

    // What the run creates and places is journalled, so `undo` can take it back.
    OrganizeJournal journal(options.inpath, options.outpath);
    if (!dryRun)
        journal.MakeFolderPath(options.outpath);
    const RunControl run; // a batch run is never cancelled
    int planned = 0;
    view.Begin(dryRun ? QStringLiteral("Planning") : QStringLiteral("Organizing"), list.Count());
    const OrganizeReport report = OrganizeRows(
        list, view, options, run,
        [&planned, &view](const OrganizeRow &row, RowOutcome outcome, const QString &detail) {
            QString what;
            switch (outcome) {
            case RowOutcome::Organized:
                what = QStringLiteral("organized");
                break;
            case RowOutcome::Skipped:
                what = QStringLiteral("skipped");
                break;
            case RowOutcome::Failed:
                what = QStringLiteral("failed: ") + detail;
                break;
            case RowOutcome::Planned:
                ++planned;
                what = ReadableName(detail);
                break;
            }
            view.Print(Printable(ReadableName(row.relativePath)) + QLatin1Char('\t') +
                       Printable(what) + QLatin1Char('\n'));
        },
        dryRun ? nullptr : &journal);
    view.Erase();
    const int left = list.Count() - planned;
    Out(EndingMessage(left, report) + QLatin1Char('\n'));
    std::fflush(stdout);
    if (unread.unreadable > 0)
        Err(Printable(unread.Summary()) + QStringLiteral(". Their files were not organized.\n"));
    return left == 0 && unread.unreadable == 0 ? 0 : 1;
}

const CliCommand organize("organize", "Load SOURCE and organize it into DEST", Organize);
} // namespace
