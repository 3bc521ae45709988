#include "clicommand.h"
#include "printable.h"
#include "progressline.h"

#include "base/extensionfilter.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "base/settings.h"
#include "listing/folderlist.h"
#include "listing/listingoptions.h"

#include <QCommandLineParser>

namespace {
int RunExportCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a directory listing of ROOT and every folder below it to FILE, as XHTML or "
        "text, with the page look of the desktop program. Options not given are taken from "
        "its saved settings."));
    parser.addHelpOption();
    const QCommandLineOption html(QStringLiteral("html"), QStringLiteral("Write an XHTML page."));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Write a text listing."));
    const QCommandLineOption filter(
        QStringLiteral("filter"),
        QStringLiteral("Extensions to list: \"mp3,wav\" (\"*\" for all) or patterns "
                       "\"*.mp3;*.wav\"."),
        QStringLiteral("LIST"));
    const QCommandLineOption noEmpty(QStringLiteral("no-empty"),
                                     QStringLiteral("Leave out folders without listed files."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replace FILE when it exists."));
    parser.addOptions({html, text, filter, noEmpty, force});
    ProgressLine::AddOption(parser);
    parser.addPositionalArgument(QStringLiteral("ROOT"), QStringLiteral("The folder to list."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The listing to write."));
    if (!parser.parse(arguments)) {
        Err(parser.errorText() + QLatin1Char('\n'));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Out(parser.helpText());
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2 || (parser.isSet(html) && parser.isSet(text))) {
        Err(QStringLiteral("Usage: sortiva-cli export [--html | --text] [--filter LIST] "
                           "[--no-empty] [--force] ROOT FILE\n"));
        return 2;
    }

    // The saved choices, with those given on the command line for this run only.
    ListingOptions options = ListingOptions::From(Settings, HtmlPageSettings);
    if (parser.isSet(html))
        options.html = true;
    else if (parser.isSet(text))
        options.html = false;
    if (parser.isSet(noEmpty))
        options.noEmpty = true;
    QString patterns = Settings.dlistfilter;
    if (parser.isSet(filter)) {
        // Taken as typed in the export dialog ("mp3,wav"), or as stored ("*.mp3;*.wav").
        const QString list = parser.value(filter);
        const bool patternForm =
            list.contains(QLatin1String("*.")) || list.contains(QLatin1Char(';'));
        patterns = patternForm ? list : FilterToPatterns(list);
    }

    const QString root = NormalizePath(AbsolutePath(args.at(0)));
    if (!FolderExists(root)) {
        Err(QLatin1String("Unable to read directory! (") + Printable(ReadableName(root)) +
            QLatin1String(")\n"));
        return 2;
    }
    const QString file = args.at(1);
    if (!NothingAt(file) && !parser.isSet(force)) {
        Err(QLatin1String("This list file already exists! (") + Printable(ReadableName(file)) +
            QLatin1String(") Use --force to replace it.\n"));
        return 1;
    }

    FolderList list;
    QString lastStatus;
    QObject::connect(&list, &FolderList::Status,
                     [&lastStatus](const QString &status) { lastStatus = status; });
    // Each pass counts folders: the search names the one it has just read.
    ProgressLine progress(parser);
    bool searching = true;
    QObject::connect(&list, &FolderList::Progress, [&](int value, int max) {
        if (value == 0) {
            progress.Begin(searching ? QStringLiteral("Reading") : QStringLiteral("Writing"), max,
                           QStringLiteral("folders"));
            return;
        }
        const auto folder = searching ? list.Item(value) : nullptr;
        progress.Step(value, folder ? folder->Path() : QString());
    });
    list.SetRootPath(root);
    progress.Reading(root);
    list.SearchFiles(patterns);
    searching = false;
    const SaveResult saved = list.SaveFiles(file, options);
    progress.Erase();
    switch (saved) {
    case SaveResult::Saved:
        Out(lastStatus + QLatin1Char('\n'));
        if (list.Unread().unreadable == 0)
            return 0;
        Err(Printable(list.Unread().Summary()) + QLatin1Char('\n'));
        return 1;
    case SaveResult::NoFolders:
        Err(QStringLiteral("No folders to save!\n"));
        return 1;
    case SaveResult::WriteFailed:
        break;
    }
    Err(QLatin1String("Unable to write the list file! (") + Printable(ReadableName(file)) +
        QLatin1String(")\n"));
    return 1;
}

const CliCommand exportCommand("export", "Write a directory listing as XHTML or text",
                               RunExportCommand);
} // namespace
