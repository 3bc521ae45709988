#include "clicommand.h"
#include "namingflags.h"
#include "printable.h"
#include "progressline.h"

#include "base/extensionfilter.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "organize/loadscan.h"
#include "tags/genres.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {
int Load(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs the Load command's search and naming on DIR and prints one line "
                       "STATUS<TAB>FOLDER<TAB>RELATIVE-PATH per row, then a summary on "
                       "standard error."));
    parser.addOption({QStringLiteral("recursive"), QStringLiteral("Search sub-folders too.")});
    parser.addOption({QStringLiteral("no-recursive"), QStringLiteral("Search DIR only.")});
    parser.addOption({QStringLiteral("filter"),
                      QStringLiteral("Extensions to load, comma separated (mp3,wma; * for all)."),
                      QStringLiteral("LIST")});
    NamingFlags::Add(parser);
    ProgressLine::AddOption(parser);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The Source Media folder."));
    if (const int status = NamingFlags::Parse(parser, arguments))
        return status < 0 ? 0 : status;
    LoadScanOptions options = LoadScanOptions::FromSettings();
    if (!NamingFlags::Apply(parser, options.naming))
        return 2;
    if (parser.isSet(QStringLiteral("recursive")) && parser.isSet(QStringLiteral("no-recursive"))) {
        Err(QStringLiteral("--recursive and --no-recursive exclude each other\n"));
        return 2;
    }
    if (parser.isSet(QStringLiteral("recursive")))
        options.recursive = true;
    if (parser.isSet(QStringLiteral("no-recursive")))
        options.recursive = false;
    if (parser.isSet(QStringLiteral("filter")))
        options.filter = FilterToPatterns(parser.value(QStringLiteral("filter")));
    const QStringList dirs = parser.positionalArguments();
    if (dirs.size() != 1) {
        Err(QStringLiteral("load needs exactly one DIR\n"));
        return 2;
    }
    options.inpath = dirs.first();
    if (!FolderExists(options.inpath)) {
        Err(QStringLiteral("Folder does not exist!\n"));
        return 2;
    }
    if (GenreCount() == 0)
        LoadGenres();

    ProgressLine progress(parser);
    int rows = 0;
    int bad = 0;
    SearchReport unread;
    unread.onFolder = [&progress](const QString &folder) { progress.Reading(folder); };
    // Rows go out in blocks: one write per row costs more than naming the row.
    QString block;
    block.reserve(1 << 16);
    LoadScan(
        options,
        [&](const LoadRow &row, int number, int total) {
            if (number == 1)
                progress.Begin(QStringLiteral("Naming"), total);
            progress.Step(number);
            ++rows;
            if (!row.name.ok)
                ++bad;
            block += row.name.ok ? QStringView(u"ok\t") : QStringView(u"bad\t");
            AppendPrintable(block, row.name.folder);
            block += QLatin1Char('\t');
            AppendPrintable(block, ReadableName(row.relativePath));
            block += QLatin1Char('\n');
            if (block.size() > (1 << 15)) {
                progress.Print(block);
                block.resize(0); // keeps the buffer, unlike clear()
            }
            return true;
        },
        false, &unread);
    progress.Print(block);
    std::fflush(stdout);
    progress.Erase();
    Err(QStringLiteral("%1 files, %2 without a folder name\n").arg(rows).arg(bad));
    if (unread.unreadable == 0)
        return 0;
    Err(Printable(unread.Summary()) + QLatin1Char('\n'));
    return 1;
}

const CliCommand load("load", "Print the rows a Load of DIR would give", Load);
} // namespace
