#include "naming/smartnames.h"

#include "base/replaceitem.h"

#include <QSet>

#include <initializer_list>

namespace {
bool IsWordChar(QChar c) {
    return c.isLetter() || c.isDigit();
}

bool WordCharAt(QStringView text, qsizetype at) {
    return at >= 0 && at < text.size() && IsWordChar(text[at]);
}

// A single-letter initial at @p at: a letter that no letter or digit touches, except the
// dot after it.
bool IsInitial(QStringView text, qsizetype at) {
    return at < text.size() && text[at].isLetter() && !WordCharAt(text, at - 1) &&
           !WordCharAt(text, at + 1);
}

// The letters and digits of a text, lower-cased: what a reader compares two names by.
QString Letters(QStringView text) {
    QString out;
    for (const QChar c : text)
        if (IsWordChar(c))
            out += c.toLower();
    return out;
}

// Cuts @p folder before the first of @p marks (without regard to case) that has text
// before it.
void CutAtFirst(QString &folder, std::initializer_list<QLatin1StringView> marks) {
    qsizetype cut = -1;
    for (const QLatin1StringView m : marks) {
        const qsizetype p = folder.indexOf(m, 0, Qt::CaseInsensitive);
        if (p > 0 && (cut < 0 || p < cut))
            cut = p;
    }
    if (cut >= 0)
        folder.truncate(cut);
}
} // namespace

namespace SmartNames {
QString PrepareFileName(QStringView fileName) {
    QStringView name = fileName;
    // "4. Title": a number with a period is a track number, while "4 Non Blondes" is a name.
    qsizetype digits = 0;
    while (digits < name.size() && name[digits].isDigit())
        ++digits;
    if (digits > 0 && digits + 1 < name.size() && name[digits] == QLatin1Char('.') &&
        !name[digits + 1].isDigit())
        name = name.mid(digits + 1);

    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size();) {
        // A run of initials, each a single letter followed by a dot; the last dot may be
        // missing ("B.o.B"). Two or more letters are joined.
        QString letters;
        qsizetype j = i;
        while (IsInitial(name, j)) {
            const bool dot = j + 1 < name.size() && name[j + 1] == QLatin1Char('.');
            if (!dot && letters.isEmpty())
                break;
            letters += name[j];
            j += dot ? 2 : 1;
            if (!dot)
                break;
        }
        if (letters.size() >= 2 && !WordCharAt(name, j)) {
            out += letters;
            i = j;
        } else {
            out += name[i];
            ++i;
        }
    }
    return out;
}

bool IsJoiningDash(QStringView text, qsizetype at) {
    if (!WordCharAt(text, at - 1) || !WordCharAt(text, at + 1))
        return false;
    // "01-Title": the dash after a leading number ends a track number.
    for (qsizetype i = 0; i < at; ++i)
        if (!text[i].isDigit())
            return true;
    return false;
}

bool HasSeparatingDash(QStringView text) {
    for (qsizetype i = text.indexOf(QLatin1Char('-')); i >= 0;
         i = text.indexOf(QLatin1Char('-'), i + 1))
        if (!WordCharAt(text, i - 1) || !WordCharAt(text, i + 1))
            return true;
    return false;
}

QString FirstListedArtist(const QString &candidate) {
    // "10,000 Maniacs" has no blank after its comma; a list has one.
    const qsizetype comma = candidate.indexOf(QLatin1String(", "));
    return comma > 0 ? candidate.left(comma) : candidate;
}

bool SkipsRule(const ReplaceItem &rule) {
    // Def Leppard, Joan Osborne, Britney Spears and Hilary Duff are spelt right; "genuine"
    // is a word.
    static const QSet<QString> wrongings{QStringLiteral(" leppard"), QStringLiteral("osborne"),
                                         QStringLiteral("britney "), QStringLiteral("hilary"),
                                         QStringLiteral("genuine")};
    return wrongings.contains(rule.OldVal());
}

bool KeepsName(QStringView name, QStringView special) {
    return Letters(special).contains(Letters(name));
}

QString LimitLength(const QString &name) {
    // Long enough for "Bob Seger And The Silver Bullet Band", short enough for a folder.
    constexpr qsizetype kLimit = 64;
    if (name.size() <= kLimit)
        return name;
    const qsizetype blank = name.lastIndexOf(QLatin1Char(' '), kLimit);
    return (blank > 0 ? name.left(blank) : name.left(kLimit)).trimmed();
}

QString PrimaryArtist(QString folder) {
    CutAtFirst(folder,
               {QLatin1StringView(" x "), QLatin1StringView(" + "), QLatin1StringView(" vs ")});
    folder = folder.trimmed();
    if (folder.endsWith(QLatin1String(" duet"), Qt::CaseInsensitive))
        folder.chop(5);
    return folder.trimmed();
}

QString FinishName(const QString &folder, QStringView context, QStringView invalidChars) {
    // Words the file name writes in capitals ("REM", "SZA"), unless it shouts throughout.
    QSet<QString> capitals;
    bool lowerSeen = false;
    for (const QChar c : context)
        lowerSeen = lowerSeen || c.isLower();
    for (qsizetype i = 0; lowerSeen && i < context.size();) {
        qsizetype end = i;
        while (end < context.size() && IsWordChar(context[end]))
            ++end;
        const QStringView word = context.mid(i, end - i);
        bool letter = false;
        bool upper = word.size() >= 2;
        for (const QChar c : word) {
            letter = letter || c.isLetter();
            upper = upper && !c.isLower();
        }
        if (letter && upper)
            capitals.insert(word.toString().toLower());
        i = end == i ? i + 1 : end;
    }

    QString out;
    out.reserve(folder.size());
    for (qsizetype i = 0; i < folder.size();) {
        if (!IsWordChar(folder[i])) {
            if (!invalidChars.contains(folder[i]))
                out += folder[i].unicode() < 32 ? QLatin1Char(' ') : folder[i];
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < folder.size() && IsWordChar(folder[end]))
            ++end;
        QString word = folder.mid(i, end - i);
        if (capitals.contains(word.toLower()))
            word = word.toUpper();
        else if (i > 0 && folder[i - 1] == QLatin1Char('-') && IsJoiningDash(folder, i - 1) &&
                 word.front().isLower())
            word.front() = word.front().toUpper(); // "Salt-N-Pepa", "Jay-Z"
        out += word;
        i = end;
    }
    out = out.simplified();
    if (out == QLatin1String(".") || out == QLatin1String(".."))
        return QString();
    return out;
}
} // namespace SmartNames
