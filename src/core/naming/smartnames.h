#pragma once

#include <QString>
#include <QStringView>

class ReplaceItem;

/**
 * The rules of the "Smarter Artist Names" option. The default rules cut a file name at every
 * dash, spread initials out, count words, drop numbers and rewrite names they think
 * misspelt; on real collections that breaks names people know ("Salt-N-Pepa", "R.E.M.",
 * "4 Non Blondes", "Britney Spears"). These general rules keep such names whole; they hold
 * no list of artists. The naming rules call them only when NamingOptions::smartNames is on.
 */
namespace SmartNames {
/**
 * The file name (without its extension) before its dots become blanks: runs of single-letter
 * initials joined ("R.E.M." gives "REM", "M.C. Hammer" "MC Hammer") and a leading track
 * number written with a period ("4. Title") dropped.
 */
QString PrepareFileName(QStringView fileName);

/**
 * True when the dash at @p at joins a hyphenated name: a letter or digit on both sides, and
 * not only digits before it ("01-Title" starts with a track number).
 */
bool IsJoiningDash(QStringView text, qsizetype at);

/**
 * True when some dash of @p text has a blank or an end beside it. Without one, every dash
 * separates as it always did, so "01-artist-title" names still split.
 */
bool HasSeparatingDash(QStringView text);

/** The first artist of a comma-separated list ("Cardi B, Bad Bunny & J Balvin"). */
QString FirstListedArtist(const QString &candidate);

/** True for the built-in letter corrections that turn right spellings into wrong ones. */
bool SkipsRule(const ReplaceItem &rule);

/**
 * True when @p special keeps every letter and digit of @p name in order ("cent" and
 * "50 Cent"), so a special name completes the name rather than replacing a right one
 * ("2Pac" stays "2Pac", not "Tupac").
 */
bool KeepsName(QStringView name, QStringView special);

/** A name over 64 characters cut after its last whole word within them. */
QString LimitLength(const QString &name);

/**
 * After the default primary-artist cut: also cut at " x ", " + " and " vs ", and drop the
 * "Duet" that "Duet With" leaves behind.
 */
QString PrimaryArtist(QString folder);

/**
 * The folder name as it goes to disk: the parts of hyphenated names capitalised, words the
 * file name writes in capitals (in a name that is not all capitals) kept so, every character
 * of @p invalidChars removed, blanks collapsed and trimmed. Empty when nothing usable is left.
 */
QString FinishName(const QString &folder, QStringView context, QStringView invalidChars);
} // namespace SmartNames
