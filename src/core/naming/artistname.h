#pragma once

#include <QString>
#include <QStringView>

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
 * lists applied, special names mapped, proper case and word fix-ups. May be empty.
 */
QString NormalizeArtist(const QString &raw);

/**
 * Word-by-word fix-ups (capitals for short names, split artist names joined), decided in
 * part by what @p context contains. Words joined by single blanks, trimmed.
 */
QString FixArtistWords(const QString &name, const QString &context);

/**
 * At most five counted words, stray numbers dropped (years and a few artist numbers kept),
 * at most 35 characters, trimmed.
 */
QString LimitNameWords(const QString &name);

/**
 * While an object of this class lives, NormalizeArtist on this thread remembers its answers:
 * a load names thousands of files after the same few hundred artists and albums. The
 * replace lists must not change meanwhile (a load keeps the window locked).
 */
class NormalizeArtistMemo
{
public:
    NormalizeArtistMemo();
    ~NormalizeArtistMemo();
    NormalizeArtistMemo(const NormalizeArtistMemo &) = delete;
    NormalizeArtistMemo &operator=(const NormalizeArtistMemo &) = delete;

private:
    NormalizeArtistMemo *m_outer;
};
