#include "naming/artistname.h"

#include "base/replacelist.h"
#include "base/textutil.h"
#include "naming/namingcontext.h"
#include "naming/namingmemo.h"
#include "naming/namingoptions.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace {
using TextUtil::Trim;

constexpr QStringView kUpperWords[] = {
    u"ugk", u"nas", u"big", u"bj",  u"abba", u"3lw", u"tq",  u"tj",  u"atl", u"b2k",
    u"ccr", u"i",   u"ii",  u"iii", u"jd",   u"d4l", u"swv", u"icp", u"dkg", u"fyc",
    u"kd",  u"psc", u"ti",  u"tso", u"ub40", u"mjg", u"mc",  u"dmc", u"dj",  u"aka",
    u"dmx", u"tlc", u"mtv", u"nwa", u"pm",   u"la",  u"tka",
};
static_assert(std::size(kUpperWords) == 37);

bool IsWordBreak(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == 0;
}

bool IsOneOf(QStringView text, std::initializer_list<QStringView> words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

bool ContainsAnyOf(const QString &text, std::initializer_list<QStringView> words) {
    return std::any_of(words.begin(), words.end(),
                       [&text](QStringView w) { return text.contains(w, Qt::CaseInsensitive); });
}

void CollapseBlanks(QString &s) {
    while (s.contains(QLatin1String("  "))) {
        s.replace(QLatin1String("  "), QLatin1String(" "));
        s = Trim(s);
    }
}

// Distance from the first @p a to the first @p b in the context (both found without regard
// to case); 0 when either is missing.
qsizetype Gap(const QString &context, QStringView a, QStringView b) {
    const qsizetype ia = context.indexOf(a, 0, Qt::CaseInsensitive);
    const qsizetype ib = context.indexOf(b, 0, Qt::CaseInsensitive);
    if (ia < 0 || ib < 0)
        return 0;
    return ib - ia;
}

// The names that are known by their own spelling (and the one-letter names the rest of the
// text completes); sets @p atOnce when the answer skips the final word fix-ups.
QString SpecialName(const QString &name, const QString &context, bool &atOnce) {
    atOnce = false;
    const QString l = name.toLower();
    if (IsOneOf(l, {u"rob", u"zombie", u"robzombie"}))
        return QStringLiteral("Rob Zombie");
    if (l == u"trans")
        return QStringLiteral("Trans-Siberian Orchestra");
    if (l == u"cee")
        return QStringLiteral("Cee Lo");
    if (l == u"36mafia")
        return QStringLiteral("36 Mafia");
    if (IsOneOf(l, {u"acdc", u"ac", u"dc"}))
        return QStringLiteral("ACDC");
    if (IsOneOf(l, {u"cent", u"50 cents", u"cents"}))
        return QStringLiteral("50 Cent");
    if (IsOneOf(l, {u"easy", u"eazy", u"easy e"}))
        return QStringLiteral("Eazy E");
    if (IsOneOf(l, {u"three six mafia", u"three mafia", u"3 mafia", u"three 6 mafia",
                    u"3 six mafia", u"mafia", u"three six", u"six mafia"}))
        return QStringLiteral("36 Mafia");
    if (IsOneOf(l, {u"zz top", u"zztop", u"zz topp"}))
        return QStringLiteral("ZZ Top");
    if (IsOneOf(l, {u"2pac", u"2 pac"}))
        return QStringLiteral("Tupac");
    if (IsOneOf(l, {u"t a t u", u"tatu"}))
        return QStringLiteral("T.A.T.U");
    if (l == u"c") {
        if (Gap(context, u"c", u"murder") == 2) {
            atOnce = true;
            return QStringLiteral("C Murder");
        }
        return QStringLiteral("C");
    }
    if (l == u"cmurder")
        return QStringLiteral("C Murder");
    if (l == u"8ball")
        return QStringLiteral("8 Ball");
    if (l == u"bunb")
        return QStringLiteral("Bun B");
    if (l == u"3 doors")
        return QStringLiteral("3 Doors Down");
    if (l == u"t") {
        const qsizetype pain = Gap(context, u"t", u"pain");
        if (pain == 1 || pain == 2) {
            atOnce = true;
            return QStringLiteral("T Pain");
        }
        const qsizetype i = Gap(context, u"t", u"i");
        if (i == 1 || i == 2) {
            atOnce = true;
            return QStringLiteral("T.I.");
        }
        return QStringLiteral("T");
    }
    QString result = ProperCase(Trim(name));
    result.replace(QLatin1String("Trans-siber"), QLatin1String("Trans-Siber"));
    if (result.contains(QLatin1String("2pac"), Qt::CaseInsensitive))
        result.replace(QLatin1String("2pac"), QLatin1String("Tupac"));
    return result;
}

// A question about the whole text a name was taken from; counted when @p questions is given.
bool TextHasAny(const QString &text, std::initializer_list<QStringView> words, int *questions) {
    if (questions)
        ++*questions;
    return ContainsAnyOf(text, words);
}

// One word of FixArtistWords; @p w is the word lower-cased. A null result leaves the word
// as it is.
QString FixWord(QStringView word, QStringView w, bool last, bool only, const QString &wholeName,
                int *questions) {
    if (IsUpperWord(w))
        return word.toString().toUpper();
    if (w == u"masterp")
        return QStringLiteral("Master P");
    if (w == u"50cent")
        return QStringLiteral("50 Cent");
    if (IsOneOf(w, {u"boys2men", u"boysiimen"}))
        return QStringLiteral("Boyz II Men");
    if (w == u"bunb")
        return QStringLiteral("Bun B");
    if (w == u"crüe")
        return QStringLiteral("Crue");
    if (w == u"mötley")
        return QStringLiteral("Motley");
    if (w == u"queensrÿche")
        return QStringLiteral("Queensryche");
    if (IsOneOf(w, {u"karaoké", u"kareoke"}))
        return QStringLiteral("Karaoke");
    if (w == u"cee")
        return last ? QStringLiteral("Cee Lo") : QString();
    if (IsOneOf(w, {u"easye", u"eazye"}))
        return QStringLiteral("Eazy E");
    if (w == u"jay")
        return last ? QStringLiteral("Jay Z") : QString();
    if (w == u"bun")
        return last ? QStringLiteral("Bun B") : QString();
    if (w == u"jayz")
        return QStringLiteral("Jay Z");
    if (w == u"8ball")
        return QStringLiteral("8 Ball");
    if (w == u"36mafia")
        return QStringLiteral("36 Mafia");
    if (w == u"t") {
        if (!last)
            return QString();
        if (TextHasAny(wholeName, {u"tpain", u"t-pain", u"t pain"}, questions))
            return QStringLiteral("T Pain");
        if (TextHasAny(wholeName, {u"t.i.", u"ti", u"t i"}, questions))
            return QStringLiteral("T.I.");
        return QString();
    }
    if (w == u"e")
        return last && TextHasAny(wholeName, {u"e40", u"e-40", u"e 40"}, questions)
                   ? QStringLiteral("E 40")
                   : QString();
    if (w == u"ne")
        return last && TextHasAny(wholeName, {u"yo"}, questions) ? QStringLiteral("NeYo")
                                                                 : QString();
    if (IsOneOf(w, {u"cent", u"cents"}))
        return only ? QStringLiteral("50 Cent") : QString();
    if (w == u"eightball")
        return only ? QStringLiteral("8 Ball") : QString();
    if (w == u"zz")
        return last && TextHasAny(wholeName, {u"top"}, questions) ? QStringLiteral("ZZ Top")
                                                                  : QString();
    if (w == u"r")
        return last && TextHasAny(wholeName, {u"r kelly", u"rkelly", u"r-kelly"}, questions)
                   ? QStringLiteral("R Kelly")
                   : QString();
    if (w == u"h")
        return last && TextHasAny(wholeName, {u"htown", u"h-town", u"h town"}, questions)
                   ? QStringLiteral("H Town")
                   : QString();
    if (w == u"acdc")
        return QStringLiteral("ACDC");
    return QString();
}
} // namespace

QString ProperCase(QStringView text) {
    QString out;
    out.reserve(text.size());
    bool wordStart = true;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text[i].unicode();
        qsizetype len = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            len = 2;
        }
        i += len;
        if (IsWordBreak(c)) {
            wordStart = true;
        } else if (c < 128) {
            if (wordStart && c >= U'a' && c <= U'z')
                c -= 32;
            else if (!wordStart && c >= U'A' && c <= U'Z')
                c += 32;
            wordStart = false;
        } else {
            c = wordStart ? QChar::toUpper(c) : QChar::toLower(c);
            wordStart = false;
        }
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(static_cast<char16_t>(c));
        }
    }
    return out;
}

bool IsUpperWord(QStringView lowerWord) {
    return std::find(std::begin(kUpperWords), std::end(kUpperWords), lowerWord) !=
           std::end(kUpperWords);
}

namespace {
QString NormalizeArtistUncached(const QString &raw, const NamingOptions &options);
} // namespace

QString NormalizeArtist(const QString &raw, const NamingOptions &options, NamingContext *context) {
    if (!context)
        return NormalizeArtistUncached(raw, options);
    NamingMemo::Caches &memo = context->Memo(options);
    const auto it = memo.artists.constFind(raw);
    if (it != memo.artists.cend())
        return *it;
    if (memo.artists.size() >= NamingMemo::kLimit)
        memo.artists.clear();
    const QString answer = NormalizeArtistUncached(raw, options);
    memo.artists.insert(raw, answer);
    return answer;
}

namespace {
QString NormalizeArtistUncached(const QString &raw, const NamingOptions &options) {
    QString name = Trim(raw);
    const QString context = name;

    // Remarks in brackets go, unless the bracket starts the name.
    const qsizetype paren = name.indexOf(QLatin1Char('('));
    if (paren >= 2)
        name = Trim(QStringView(name).left(paren));
    CollapseBlanks(name);

    name = options.builtInRules.ApplyAll(name);

    if (name.size() > 4) {
        while (name.size() >= 4 && name.startsWith(QLatin1String("the "), Qt::CaseInsensitive))
            name = Trim(QStringView(name).mid(4));
    }

    if (name.size() > 4) {
        const qsizetype ft = name.indexOf(QLatin1String(" ft "), 0, Qt::CaseInsensitive);
        if (ft >= 2) {
            if (ContainsAnyOf(name, {u"the devil", u"running "}))
                name = Trim(QStringView(name).left(ft));
            else
                name.replace(QLatin1String(" ft "), QLatin1String(" With "), Qt::CaseInsensitive);
        }
    }

    name = options.userRules.ApplyGuarded(name);

    if (name.size() > 35)
        name = LimitNameWords(name.left(35));
    qsizetype blanks = 0;
    for (const QChar c : std::as_const(name))
        blanks += c == QLatin1Char(' ') ? 1 : 0;
    if (blanks >= 2)
        name = LimitNameWords(name);

    while (name.endsWith(QLatin1String(" and"), Qt::CaseInsensitive))
        name.chop(4);
    while (name.endsWith(QLatin1String(" with"), Qt::CaseInsensitive))
        name.chop(5);
    name = Trim(name);

    // A leading track number goes, unless it is part of a known artist name.
    if (name.size() > 2 && name.contains(QLatin1Char(' '))) {
        const QStringView view(name);
        const qsizetype blank = view.indexOf(QLatin1Char(' '));
        const QStringView first = view.left(blank);
        if ((first.size() == 1 || first.size() == 2) && TextUtil::IsNumeric(first)) {
            const qsizetype end = view.indexOf(QLatin1Char(' '), blank + 1);
            const QString second =
                view.mid(blank + 1, end < 0 ? -1 : end - blank - 1).toString().toLower();
            const bool artistNumber =
                IsOneOf(first, {u"2", u"8", u"50", u"3", u"6", u"36"}) &&
                IsOneOf(second, {u"ball", u"cent", u"pac", u"doors", u"mafia", u"boys"});
            if (!artistNumber && TextUtil::NumericValue(first).value_or(0) < 20)
                name.remove(0, first.size());
        }
    }

    bool atOnce = false;
    const QString special = SpecialName(name, context, atOnce);
    if (atOnce)
        return special;
    return FixArtistWords(special, context);
}

} // namespace

QString FixArtistWords(const QString &name, const QString &wholeName, int *questions) {
    const QString trimmed = Trim(name);
    const QList<QStringView> words = QStringView(trimmed).split(QLatin1Char(' '));
    const bool only = words.size() == 1;
    QString result;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringView word = words.at(i);
        const bool last = i + 1 == words.size();
        const QString fixed =
            FixWord(word, word.toString().toLower(), last, only, wholeName, questions);
        result += fixed.isNull() ? word : QStringView(fixed);
        if (!last)
            result += QLatin1Char(' ');
    }
    CollapseBlanks(result);
    return Trim(result);
}

QString LimitNameWords(const QString &name) {
    const QString trimmed = Trim(name);
    if (trimmed.size() <= 2 || !trimmed.contains(QLatin1Char(' ')))
        return trimmed;
    const QList<QStringView> words = QStringView(trimmed).split(QLatin1Char(' '));
    QString result;
    result.reserve(trimmed.size() + 1);
    int counted = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringView w = words.at(i);
        const bool hasNext = i + 1 < words.size();
        const auto nextIs = [&](QLatin1StringView s) {
            return hasNext && words.at(i + 1).compare(s, Qt::CaseInsensitive) == 0;
        };
        bool keep = true;
        bool counts = true;
        const bool numeric = TextUtil::IsNumeric(w);
        if (numeric && w.size() != 4) {
            counts = false;
            if (w == u"8")
                keep = nextIs(QLatin1String("ball"));
            else if (w == u"2")
                keep = nextIs(QLatin1String("pac"));
            else if (w == u"50")
                keep = nextIs(QLatin1String("cent"));
            else if (IsOneOf(w, {u"112", u"702", u"504", u"36", u"3"}))
                keep = true;
            else if (w == u"40")
                keep =
                    i > 0 && words.at(i - 1).compare(QLatin1String("e"), Qt::CaseInsensitive) == 0;
            else
                keep = false;
        } else if (numeric) {
            const double year = TextUtil::NumericValue(w).value_or(0);
            keep = year >= 1911 && year <= 2029;
        }
        if (!keep)
            continue;
        result += w;
        result += QLatin1Char(' ');
        if (counts && ++counted > 4)
            break;
    }
    return Trim(QStringView(result).left(35));
}
