#include "naming/artistname.h"

#include "base/replacelist.h"
#include "base/textutil.h"
#include "naming/namingcontext.h"
#include "naming/namingmemo.h"
#include "naming/namingoptions.h"
#include "naming/namingtext.h"
#include "naming/smartnames.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {
using NamingMemo::AsciiSet;
using NamingMemo::PreparedRule;
using NamingText::Trimmed;
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

// The built-in pass, rule by rule as ReplaceList::ApplyAll does it; a rule whose letters
// cannot all occur in the name is skipped without a search, which keeps a load of many
// thousand files from spending its time in forty-five failed searches per name (this file's
// shortcuts together are a tenth of a load's processor time, see namingtext.h). @p prepared
// keeps the rules' letters from one name to the next.
QString ApplyBuiltIn(const ReplaceList &list, QString name, std::vector<PreparedRule> &prepared,
                     bool smartNames) {
    prepared.resize(static_cast<size_t>(list.Count()));
    AsciiSet present(name);
    for (int i = 0; i < list.Count(); ++i) {
        const ReplaceItem &r = list.At(i);
        PreparedRule &p = prepared[static_cast<size_t>(i)];
        if (p.item != &r || p.oldVal.constData() != r.OldVal().constData()) {
            p.item = &r;
            p.oldVal = r.OldVal();
            p.letters = NamingMemo::NeedleKey(r.OldVal());
        }
        if (r.OldVal().isEmpty() || !p.letters.MayOccurIn(present))
            continue;
        if (smartNames && SmartNames::SkipsRule(r)) // smarter names: no right name spelt wrong
            continue;
        if (!NamingText::Contains(name, r.OldVal(), r.Sensitivity()))
            continue;
        if (r.WholeWord())
            name = ReplaceWholeWords(name, r.OldVal(), r.NewVal(), r.Sensitivity());
        else
            NamingText::ReplaceAll(name, r.OldVal(), r.NewVal(), r.Sensitivity());
        present = AsciiSet(name);
    }
    return name;
}

void CollapseBlanks(QString &s) {
    while (NamingText::Contains(s, u"  ", Qt::CaseSensitive)) {
        s.replace(QStringLiteral("  "), QStringLiteral(" "));
        NamingText::TrimInPlace(s);
    }
}

// Distance from the first @p a to the first @p b in the context (both found without regard
// to case); 0 when either is missing.
qsizetype Gap(const QString &context, QStringView a, QStringView b) {
    const qsizetype ia = NamingText::IndexOf(context, a, Qt::CaseInsensitive);
    const qsizetype ib = NamingText::IndexOf(context, b, Qt::CaseInsensitive);
    if (ia < 0 || ib < 0)
        return 0;
    return ib - ia;
}

// The names that are known by their own spelling (and the one-letter names the rest of the
// text completes); sets @p atOnce when the answer skips the final word fix-ups.
QString SpecialName(const QString &name, const QString &context, bool &atOnce) {
    atOnce = false;
    // Every name in the table is short; longer or non-ASCII names go through Qt.
    char16_t buffer[24];
    QString spill;
    const QStringView l = NamingText::LowerShort(QStringView(name), buffer, spill);
    if (NamingText::OneOf(l, {u"rob", u"zombie", u"robzombie"}))
        return QStringLiteral("Rob Zombie");
    if (NamingText::Same(l, u"trans"))
        return QStringLiteral("Trans-Siberian Orchestra");
    if (NamingText::Same(l, u"cee"))
        return QStringLiteral("Cee Lo");
    if (NamingText::Same(l, u"36mafia"))
        return QStringLiteral("36 Mafia");
    if (NamingText::OneOf(l, {u"acdc", u"ac", u"dc"}))
        return QStringLiteral("ACDC");
    if (NamingText::OneOf(l, {u"cent", u"50 cents", u"cents"}))
        return QStringLiteral("50 Cent");
    if (NamingText::OneOf(l, {u"easy", u"eazy", u"easy e"}))
        return QStringLiteral("Eazy E");
    if (NamingText::OneOf(l, {u"three six mafia", u"three mafia", u"3 mafia", u"three 6 mafia",
                              u"3 six mafia", u"mafia", u"three six", u"six mafia"}))
        return QStringLiteral("36 Mafia");
    if (NamingText::OneOf(l, {u"zz top", u"zztop", u"zz topp"}))
        return QStringLiteral("ZZ Top");
    if (NamingText::OneOf(l, {u"2pac", u"2 pac"}))
        return QStringLiteral("Tupac");
    if (NamingText::OneOf(l, {u"t a t u", u"tatu"}))
        return QStringLiteral("T.A.T.U");
    if (NamingText::Same(l, u"c")) {
        if (Gap(context, u"c", u"murder") == 2) {
            atOnce = true;
            return QStringLiteral("C Murder");
        }
        return QStringLiteral("C");
    }
    if (NamingText::Same(l, u"cmurder"))
        return QStringLiteral("C Murder");
    if (NamingText::Same(l, u"8ball"))
        return QStringLiteral("8 Ball");
    if (NamingText::Same(l, u"bunb"))
        return QStringLiteral("Bun B");
    if (NamingText::Same(l, u"3 doors"))
        return QStringLiteral("3 Doors Down");
    if (NamingText::Same(l, u"t")) {
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
    QString result = ProperCase(Trimmed(name));
    if (NamingText::Contains(result, u"Trans-siber", Qt::CaseSensitive))
        result.replace(QLatin1String("Trans-siber"), QLatin1String("Trans-Siber"));
    if (NamingText::Contains(result, u"2pac", Qt::CaseInsensitive))
        result.replace(QLatin1String("2pac"), QLatin1String("Tupac"));
    return result;
}

// Every lower-cased word some rule of FixWord knows; any other word is left alone at once.
bool KnownFixWord(QStringView w) {
    struct Known {
        QSet<QStringView> words;
        quint64 firsts[2] = {0, 0}; // ASCII first characters of the words
        qsizetype longest = 0;
    };
    static const Known known = [] {
        Known k;
        const auto add = [&k](QStringView t) {
            k.words.insert(t);
            k.longest = std::max(k.longest, t.size());
            const char16_t f = t.front().unicode();
            if (f < 128)
                k.firsts[f >> 6] |= quint64(1) << (f & 63);
        };
        for (const QStringView u : kUpperWords)
            add(u);
        for (const QStringView t :
             {u"masterp",     u"50cent",  u"boys2men",  u"boysiimen", u"bunb",  u"crüe",  u"mötley",
              u"queensrÿche", u"karaoké", u"kareoke",   u"cee",       u"easye", u"eazye", u"jay",
              u"bun",         u"jayz",    u"8ball",     u"36mafia",   u"t",     u"e",     u"ne",
              u"cent",        u"cents",   u"eightball", u"zz",        u"r",     u"h",     u"acdc"})
            add(t);
        return k;
    }();
    // Most words are ruled out by their length or first character before any hashing.
    if (w.isEmpty() || w.size() > known.longest)
        return false;
    const char16_t f = w.front().unicode();
    if (f < 128 && ((known.firsts[f >> 6] >> (f & 63)) & 1) == 0)
        return false;
    return known.words.contains(w);
}

// A question about the whole text a name was taken from; counted when @p questions is given.
bool TextHasAny(const QString &text, std::initializer_list<QStringView> words, int *questions) {
    if (questions)
        ++*questions;
    return NamingText::ContainsAny(text, words);
}

// One word of FixArtistWords; @p w is the word lower-cased. A null result leaves the word
// as it is.
QString FixWord(QStringView word, QStringView w, bool last, bool only, const QString &wholeName,
                int *questions) {
    if (!KnownFixWord(w))
        return QString();
    if (IsUpperWord(w))
        return word.toString().toUpper();
    if (NamingText::Same(w, u"masterp"))
        return QStringLiteral("Master P");
    if (NamingText::Same(w, u"50cent"))
        return QStringLiteral("50 Cent");
    if (NamingText::OneOf(w, {u"boys2men", u"boysiimen"}))
        return QStringLiteral("Boyz II Men");
    if (NamingText::Same(w, u"bunb"))
        return QStringLiteral("Bun B");
    if (NamingText::Same(w, u"crüe"))
        return QStringLiteral("Crue");
    if (NamingText::Same(w, u"mötley"))
        return QStringLiteral("Motley");
    if (NamingText::Same(w, u"queensrÿche"))
        return QStringLiteral("Queensryche");
    if (NamingText::OneOf(w, {u"karaoké", u"kareoke"}))
        return QStringLiteral("Karaoke");
    if (NamingText::Same(w, u"cee"))
        return last ? QStringLiteral("Cee Lo") : QString();
    if (NamingText::OneOf(w, {u"easye", u"eazye"}))
        return QStringLiteral("Eazy E");
    if (NamingText::Same(w, u"jay"))
        return last ? QStringLiteral("Jay Z") : QString();
    if (NamingText::Same(w, u"bun"))
        return last ? QStringLiteral("Bun B") : QString();
    if (NamingText::Same(w, u"jayz"))
        return QStringLiteral("Jay Z");
    if (NamingText::Same(w, u"8ball"))
        return QStringLiteral("8 Ball");
    if (NamingText::Same(w, u"36mafia"))
        return QStringLiteral("36 Mafia");
    if (NamingText::Same(w, u"t")) {
        if (!last)
            return QString();
        if (TextHasAny(wholeName, {u"tpain", u"t-pain", u"t pain"}, questions))
            return QStringLiteral("T Pain");
        if (TextHasAny(wholeName, {u"t.i.", u"ti", u"t i"}, questions))
            return QStringLiteral("T.I.");
        return QString();
    }
    if (NamingText::Same(w, u"e"))
        return last && TextHasAny(wholeName, {u"e40", u"e-40", u"e 40"}, questions)
                   ? QStringLiteral("E 40")
                   : QString();
    if (NamingText::Same(w, u"ne"))
        return last && TextHasAny(wholeName, {u"yo"}, questions) ? QStringLiteral("NeYo")
                                                                 : QString();
    if (NamingText::OneOf(w, {u"cent", u"cents"}))
        return only ? QStringLiteral("50 Cent") : QString();
    if (NamingText::Same(w, u"eightball"))
        return only ? QStringLiteral("8 Ball") : QString();
    if (NamingText::Same(w, u"zz"))
        return last && TextHasAny(wholeName, {u"top"}, questions) ? QStringLiteral("ZZ Top")
                                                                  : QString();
    if (NamingText::Same(w, u"r"))
        return last && TextHasAny(wholeName, {u"r kelly", u"rkelly", u"r-kelly"}, questions)
                   ? QStringLiteral("R Kelly")
                   : QString();
    if (NamingText::Same(w, u"h"))
        return last && TextHasAny(wholeName, {u"htown", u"h-town", u"h town"}, questions)
                   ? QStringLiteral("H Town")
                   : QString();
    if (NamingText::Same(w, u"acdc"))
        return QStringLiteral("ACDC");
    return QString();
}
} // namespace

QString ProperCase(QStringView text) {
    // Plain ASCII (nearly every name) is cased in place, one character each.
    {
        QString out(text.size(), Qt::Uninitialized);
        char16_t *dst = reinterpret_cast<char16_t *>(out.data());
        bool wordStart = true;
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            char16_t c = text[i].unicode();
            if (c >= 128)
                break;
            if (IsWordBreak(c)) {
                wordStart = true;
            } else {
                if (wordStart && c >= u'a' && c <= u'z')
                    c = char16_t(c - 32);
                else if (!wordStart && c >= u'A' && c <= u'Z')
                    c = char16_t(c + 32);
                wordStart = false;
            }
            dst[i] = c;
        }
        if (i == text.size())
            return out;
    }
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
    for (const QStringView w : kUpperWords)
        if (NamingText::Same(lowerWord, w))
            return true;
    return false;
}

namespace {
QString NormalizeArtistUncached(const QString &raw, const NamingOptions &options,
                                std::vector<PreparedRule> &prepared);
} // namespace

QString NormalizeArtist(const QString &raw, const NamingOptions &options, NamingContext *context) {
    if (!context) {
        std::vector<PreparedRule> prepared;
        return NormalizeArtistUncached(raw, options, prepared);
    }
    NamingMemo::Caches &memo = context->Memo(options);
    const auto it = memo.artists.constFind(raw);
    if (it != memo.artists.cend())
        return *it;
    if (memo.artists.size() >= NamingMemo::kLimit)
        memo.artists.clear();
    const QString answer = NormalizeArtistUncached(raw, options, memo.builtInRules);
    memo.artists.insert(raw, answer);
    return answer;
}

namespace {
QString NormalizeArtistUncached(const QString &raw, const NamingOptions &options,
                                std::vector<PreparedRule> &prepared) {
    QString name = Trimmed(raw);
    const QString context = name;

    // Remarks in brackets go, unless the bracket starts the name.
    const qsizetype paren = NamingText::Find(name, u'(');
    if (paren >= 2)
        name = Trim(QStringView(name).left(paren));
    CollapseBlanks(name);

    name = ApplyBuiltIn(options.builtInRules, std::move(name), prepared, options.smartNames);

    if (name.size() > 4) {
        while (name.size() >= 4 &&
               NamingText::StartsWithIgnoringCase(name, QLatin1StringView("the ")))
            name = Trim(QStringView(name).mid(4));
    }

    if (name.size() > 4) {
        const qsizetype ft = NamingText::IndexOf(name, u" ft ", Qt::CaseInsensitive);
        if (ft >= 2) {
            if (NamingText::ContainsAny(name, {u"the devil", u"running "}))
                name = Trim(QStringView(name).left(ft));
            else
                NamingText::ReplaceAll(name, u" ft ", u" With ", Qt::CaseInsensitive);
        }
    }

    name = options.userRules.ApplyGuarded(name);

    if (name.size() > 35 && !options.smartNames)
        name = LimitNameWords(name.left(35));
    qsizetype blanks = 0;
    for (const QChar c : std::as_const(name))
        blanks += c == QLatin1Char(' ') ? 1 : 0;
    if (blanks >= 2 && !options.smartNames)
        name = LimitNameWords(name);
    if (options.smartNames) // smarter names: no word count, the numbers of a name stay
        name = SmartNames::LimitLength(name);

    while (NamingText::EndsWithIgnoringCase(name, QLatin1StringView(" and")))
        name.chop(4);
    while (NamingText::EndsWithIgnoringCase(name, QLatin1StringView(" with")))
        name.chop(5);
    name = Trimmed(name);

    // A leading track number goes, unless it is part of a known artist name.
    if (name.size() > 2 && NamingText::Find(name, u' ') >= 0) {
        const QStringView view(name);
        const qsizetype blank = view.indexOf(QLatin1Char(' '));
        const QStringView first = view.left(blank);
        if ((first.size() == 1 || first.size() == 2) && NamingText::Numeric(first)) {
            const qsizetype end = view.indexOf(QLatin1Char(' '), blank + 1);
            const QString second =
                view.mid(blank + 1, end < 0 ? -1 : end - blank - 1).toString().toLower();
            const bool artistNumber =
                NamingText::OneOf(first, {u"2", u"8", u"50", u"3", u"6", u"36"}) &&
                NamingText::OneOf(second, {u"ball", u"cent", u"pac", u"doors", u"mafia", u"boys"});
            // Smarter names drop only a zero-padded track number ("04"), not "4 Non Blondes".
            const bool trackNumber = !options.smartNames || first.front() == QLatin1Char('0');
            if (!artistNumber && trackNumber && NamingText::NumericValue(first) < 20)
                name.remove(0, first.size());
        }
    }

    bool atOnce = false;
    QString special = SpecialName(name, context, atOnce);
    // Smarter names: a special name may complete a name ("cent"), never replace a right one.
    if (options.smartNames && !SmartNames::KeepsName(name, special)) {
        special = ProperCase(Trimmed(name));
        atOnce = false;
    }
    if (atOnce)
        return special;
    return FixArtistWords(special, context, nullptr, options.smartNames);
}

} // namespace

QString FixArtistWords(const QString &name, const QString &wholeName, int *questions,
                       bool wholeNamesOnly) {
    const QString trimmed = Trimmed(name);
    const QStringView view(trimmed);
    const bool only = NamingText::Find(view, u' ') < 0;
    // Most names need no fix-up: the result is only built from the first fixed word on,
    // until then it is the text itself.
    QString result;
    bool building = false;
    char16_t buffer[16];
    QString spill;
    for (qsizetype start = 0;;) {
        qsizetype end = NamingText::Find(view, u' ', start);
        const bool last = end < 0;
        if (last)
            end = view.size();
        const QStringView word = view.mid(start, end - start);
        QString fixed;
        // No fix-up word is longer than 11 characters.
        if (word.size() <= 11) {
            const QStringView lower = NamingText::LowerShort(word, buffer, spill);
            // The rules for a last word ("Timmy T") apply to a whole name only when asked.
            fixed =
                FixWord(word, lower, last && (only || !wholeNamesOnly), only, wholeName, questions);
        }
        if (!building && !fixed.isNull()) {
            building = true;
            result.reserve(trimmed.size() + 16);
            result += view.left(start);
        }
        if (building) {
            if (fixed.isNull())
                result += word;
            else
                result += fixed;
            if (!last)
                result += QLatin1Char(' ');
        }
        if (last)
            break;
        start = end + 1;
    }
    if (!building)
        result = trimmed;
    CollapseBlanks(result);
    NamingText::TrimInPlace(result);
    return result;
}

QString LimitNameWords(const QString &name) {
    const QString trimmed = Trimmed(name);
    if (trimmed.size() <= 2 || NamingText::Find(trimmed, u' ') < 0)
        return trimmed;
    // The words as views into the text: a name has few, so no list is allocated.
    QStringView wordBuffer[40];
    std::vector<QStringView> spill;
    QStringView *wordList = wordBuffer;
    qsizetype wordCount = 0;
    {
        const QStringView view(trimmed);
        qsizetype blanks = 0;
        for (const QChar c : view)
            if (c == QLatin1Char(' '))
                ++blanks;
        if (blanks + 1 > qsizetype(std::size(wordBuffer))) {
            spill.resize(static_cast<size_t>(blanks + 1));
            wordList = spill.data();
        }
        for (qsizetype start = 0;;) {
            const qsizetype end = NamingText::Find(view, u' ', start);
            if (end < 0) {
                wordList[wordCount++] = view.mid(start);
                break;
            }
            wordList[wordCount++] = view.mid(start, end - start);
            start = end + 1;
        }
    }
    struct Words {
        const QStringView *data;
        qsizetype count;
        qsizetype size() const { return count; }
        QStringView at(qsizetype i) const { return data[i]; }
    } const words{wordList, wordCount};
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
        const bool numeric = NamingText::Numeric(w);
        if (numeric && w.size() != 4) {
            counts = false;
            if (NamingText::Same(w, u"8"))
                keep = nextIs(QLatin1String("ball"));
            else if (NamingText::Same(w, u"2"))
                keep = nextIs(QLatin1String("pac"));
            else if (NamingText::Same(w, u"50"))
                keep = nextIs(QLatin1String("cent"));
            else if (NamingText::OneOf(w, {u"112", u"702", u"504", u"36", u"3"}))
                keep = true;
            else if (NamingText::Same(w, u"40"))
                keep =
                    i > 0 && words.at(i - 1).compare(QLatin1String("e"), Qt::CaseInsensitive) == 0;
            else
                keep = false;
        } else if (numeric) {
            const double year = NamingText::NumericValue(w);
            keep = year >= 1911 && year <= 2029;
        }
        if (!keep)
            continue;
        result += w;
        result += QLatin1Char(' ');
        if (counts && ++counted > 4)
            break;
    }
    if (result.size() > 35)
        result.truncate(35);
    NamingText::TrimInPlace(result);
    return result;
}
