#include "clicommand.h"
#include "namingflags.h"
#include "printable.h"

#include "base/nativepath.h"
#include "naming/foldername.h"
#include "naming/namingcontext.h"
#include "tags/genres.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
int Derive(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints, per NAME, STATUS<TAB>FOLDER<TAB>NAME as the Load command would "
                       "name its folder. A NAME that is an existing file has its tag read."));
    NamingFlags::Add(parser);
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("File names or relative paths."),
                                 QStringLiteral("NAME..."));
    if (const int status = NamingFlags::Parse(parser, arguments))
        return status < 0 ? 0 : status;
    NamingOptions naming = NamingOptions::FromSettings();
    if (!NamingFlags::Apply(parser, naming))
        return 2;
    const QStringList names = parser.positionalArguments();
    if (names.isEmpty()) {
        Err(QStringLiteral("derive needs at least one NAME\n"));
        return 2;
    }
    if (GenreCount() == 0)
        LoadGenres();
    NamingContext context;
    for (const QString &name : names) {
        const QString shown = ReadableName(name);
        const FolderNameResult r = DeriveFolderName(shown, name, naming, &context);
        Out(r.Status() + QLatin1Char('\t') + Printable(r.folder) + QLatin1Char('\t') +
            Printable(shown) + QLatin1Char('\n'));
    }
    return 0;
}

const CliCommand derive("derive", "Print the folder name derived for each file name", Derive);
} // namespace
