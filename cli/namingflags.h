#pragma once

#include "clicommand.h"
#include "naming/namingoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

/**
 * The naming flags that derive, load and organize share. Each overrides its saved option for
 * this run only, in the NamingOptions the command names its files with.
 */
namespace NamingFlags {
inline void Add(QCommandLineParser &parser) {
    parser.addOption({QStringLiteral("dash"),
                      QStringLiteral("Use section N of the file name (0 to 3; dash option)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("tag"), QStringLiteral("Name MP3 folders from the ID3 tag.")});
    parser.addOption(
        {QStringLiteral("no-tag"), QStringLiteral("Name folders from file names only.")});
    parser.addOption({QStringLiteral("primary"), QStringLiteral("Keep only the primary artist.")});
    parser.addOption(
        {QStringLiteral("no-primary"), QStringLiteral("Keep featured artists in folder names.")});
    parser.addOption({QStringLiteral("smart-names"),
                      QStringLiteral("Smarter artist names: hyphenated names, initials and "
                                     "numbers of a name stay whole.")});
    parser.addOption({QStringLiteral("no-smart-names"),
                      QStringLiteral("The default naming rules, without the smarter names.")});
    parser.addOption({QStringLiteral("all-tags"),
                      QStringLiteral("Also read ID3v2, Vorbis, FLAC, MP4 and WMA tags.")});
    parser.addOption(
        {QStringLiteral("no-all-tags"), QStringLiteral("Read only the ID3 v1 tag of MP3 files.")});
}

/** Copies the given flags into @p options; false (with a message) for a bad value. */
inline bool Apply(const QCommandLineParser &parser, NamingOptions &options) {
    const auto pair = [&parser](const char *on, const char *off, bool &field) {
        const bool yes = parser.isSet(QString::fromLatin1(on));
        const bool no = parser.isSet(QString::fromLatin1(off));
        if (yes && no) {
            Err(QStringLiteral("--%1 and --%2 exclude each other\n")
                    .arg(QLatin1String(on), QLatin1String(off)));
            return false;
        }
        if (yes || no)
            field = yes;
        return true;
    };
    if (!pair("tag", "no-tag", options.folderFromTag) ||
        !pair("primary", "no-primary", options.primaryArtistOnly) ||
        !pair("smart-names", "no-smart-names", options.smartNames) ||
        !pair("all-tags", "no-all-tags", options.allTags))
        return false;
    if (parser.isSet(QStringLiteral("dash"))) {
        bool ok = false;
        const int dash = parser.value(QStringLiteral("dash")).toInt(&ok);
        if (!ok || dash < 0 || dash > 3) {
            Err(QStringLiteral("--dash takes a number from 0 to 3\n"));
            return false;
        }
        options.dashSection = dash;
    }
    return true;
}

/** Parses; 0 to go on, otherwise the exit status (help shown or an error reported). */
inline int Parse(QCommandLineParser &parser, const QStringList &arguments) {
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        Err(parser.errorText() + QLatin1Char('\n'));
        return 2;
    }
    if (parser.isSet(help)) {
        Out(parser.helpText());
        return -1;
    }
    if (parser.isSet(version)) {
        Out(QStringLiteral("sortiva-cli ") + QCoreApplication::applicationVersion() +
            QLatin1Char('\n'));
        return -1;
    }
    return 0;
}
} // namespace NamingFlags
