#pragma once

#include <QString>
#include <QStringView>

class NamingContext;
struct NamingOptions;

/**
 * Proper case: each word's first character upper case, the others lower case. Only
 * blanks, tabs, line breaks and NUL separate words, so "trans-siberian" gives
 * "Trans-siberian".
 */
QString ProperCase(QStringView text);

/** True when the lower-cased word is one of the short names always written in capitals. */
bool IsUpperWord(QStringView lowerWord);

/**
 * The folder name proposed for a raw artist text: brackets, disc numbers, leading
 * articles and track numbers dropped, "featuring" forms turned into "With", both replace
 * lists of @p options applied, special names mapped, proper case and word fix-ups. May be
 * empty. With a @p context the answer is remembered for the rest of the load.
 */
QString NormalizeArtist(const QString &raw, const NamingOptions &options,
                        NamingContext *context = nullptr);

/**
 * Word-by-word fix-ups (capitals for short names, split artist names joined), decided in
 * part by what @p wholeName, the text the name was taken from, contains. Words joined by
 * single blanks, trimmed. When @p questions is given it grows by one per question asked of
 * @p wholeName, so a cache knows whether the answer depended on more than @p name. With
 * @p wholeNamesOnly the rules for a name's last word ("jay" to "Jay Z") apply only when it is
 * the only word.
 */
QString FixArtistWords(const QString &name, const QString &wholeName, int *questions = nullptr,
                       bool wholeNamesOnly = false);

/**
 * At most five counted words, stray numbers dropped (years and a few artist numbers kept),
 * at most 35 characters, trimmed.
 */
QString LimitNameWords(const QString &name);
