#include "clicommand.h"
#include "namingflags.h"

#include "base/extensionfilter.h"
#include "base/nativepath.h"
#include "base/paths.h"
#include "organize/loadscan.h"
#include "tags/genres.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {
// Appends the name, through OneLine only where it needs it: most names hold no tab or
// line break.
void AppendPrintable(QString &block, const QString &name) {
    const char16_t *p = reinterpret_cast<const char16_t *>(name.constData());
    const qsizetype n = name.size();
    char16_t lowest = 0xFFFF; // one sweep without early exit: the compiler can vectorise it
    for (qsizetype i = 0; i < n; ++i)
        lowest = std::min(lowest, p[i]);
    if (lowest < 32) {
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == u'\t' || p[i] == u'\n' || p[i] == u'\r') {
                block += OneLine(name);
                return;
            }
        }
    }
    block += QStringView(p, n);
}

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

    int rows = 0;
    int bad = 0;
    SearchReport unread;
    // Rows go out in blocks: one write per row costs more than naming the row.
    QString block;
    block.reserve(1 << 16);
    LoadScan(
        options,
        [&](const LoadRow &row, int, int) {
            ++rows;
            if (!row.name.ok)
                ++bad;
            block += row.name.ok ? QStringView(u"ok\t") : QStringView(u"bad\t");
            AppendPrintable(block, row.name.folder);
            block += QLatin1Char('\t');
            AppendPrintable(block, ReadableName(row.relativePath));
            block += QLatin1Char('\n');
            if (block.size() > (1 << 15)) {
                Out(block);
                block.resize(0); // keeps the buffer, unlike clear()
            }
            return true;
        },
        false, &unread);
    Out(block);
    std::fflush(stdout);
    Err(QStringLiteral("%1 files, %2 without a folder name\n").arg(rows).arg(bad));
    if (unread.unreadable == 0)
        return 0;
    Err(unread.Summary() + QLatin1Char('\n'));
    return 1;
}

const CliCommand load("load", "Print the rows a Load of DIR would give", Load);
} // namespace
