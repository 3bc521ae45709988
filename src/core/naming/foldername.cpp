#include "naming/foldername.h"

#include "base/textutil.h"
#include "naming/artistname.h"
#include "naming/namingcontext.h"
#include "naming/namingmemo.h"
#include "naming/namingoptions.h"
#include "naming/namingtext.h"
#include "naming/smartnames.h"
#include "naming/tagname.h"
#include "tags/id3v1tag.h"
#include "tags/richtag.h"

#include <QHash>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace {
using NamingMemo::ByteRange;
using NamingMemo::TagAnswer;
using NamingMemo::TailAnswers;
using NamingText::Numeric;
using TextUtil::Trim;

constexpr QStringView kNumberArtistSections[] = {u"40", u"2", u"50",  u"112", u"8",
                                                 u"3",  u"6", u"504", u"702"};
constexpr QStringView kNumberWords[] = {u"one",  u"two", u"three",  u"four",
                                        u"five", u"six", u"seven",  u"eight",
                                        u"nine", u"ten", u"eleven", u"twelve"};
constexpr QStringView kNumberPrefixes[] = {u"three", u"seven", u"eight", u"four", u"nine",
                                           u"one",   u"two",   u"six",   u"ten"};
constexpr char16_t kFrontDropped[] = u"- .,_~%()][";

bool IsFrontDropped(QChar c) {
    for (const char16_t d : kFrontDropped)
        if (d != 0 && c == QChar(d))
            return true;
    return false;
}

FolderNameResult Bad() {
    return FolderNameResult{};
}

// A derived name becomes a folder on disk: whatever a replace rule or an odd file name let
// through, it must never name another place (separators, "." or "..") or carry control
// characters that break the list and the listing files.
FolderNameResult Finish(QString folder, bool fromTag) {
    if (!folder.isEmpty()) {
        // Proper case already treated tabs and line breaks as word breaks: they become blanks.
        for (QChar &c : folder)
            if (c.unicode() < 32)
                c = QLatin1Char(' ');
        folder.remove(QLatin1Char('/'));
        while (NamingText::Contains(folder, u"  ", Qt::CaseSensitive))
            folder.replace(QLatin1String("  "), QLatin1String(" "));
        folder = NamingText::Trimmed(folder);
        if (folder.isEmpty() || NamingText::Same(folder, u".") || NamingText::Same(folder, u".."))
            return Bad();
    }
    FolderNameResult r;
    r.folder = std::move(folder);
    r.ok = true;
    r.fromTag = fromTag;
    return r;
}

// The one-section scan of a text without "-", "," or blanks: stops at brackets and at
// digits, except the digits of "UB40" and "E 40".
QString SingleSection(const QString &text) {
    QString section;
    for (const QChar c : text) {
        if (section.size() >= 35 || c == QLatin1Char('[') || c == QLatin1Char('('))
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const QString upper = section.toUpper();
            if (!NamingText::OneOf(upper, {u"UB", u"UB4", u"E", u"E ", u"E 4"}))
                break;
        }
        section += c;
    }
    return section;
}

bool StartsWithCi(QStringView text, QStringView prefix) {
    return text.size() >= prefix.size() &&
           text.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// @p trans tells whether the cleaned file name holds "trans" (without regard to case);
// @p questions counts the questions asked of that name.
QString SpecialArtists(QString folder, const QString &cleaned, bool trans, int &questions) {
    const auto has = [&](std::initializer_list<QStringView> words) {
        ++questions;
        return NamingText::ContainsAny(cleaned, words);
    };
    if (NamingText::Same(folder, u"Trans")) {
        if (has({u"trans-siberian"}))
            folder = QStringLiteral("Trans-Siberian Orchestra");
    } else if (trans && has({u"transiberian", u"transsiberian"})) {
        folder = QStringLiteral("Trans-Siberian Orchestra");
    } else if (StartsWithCi(folder, u"one hit wonders") &&
               folder.left(15).toLower() == u"one hit wonders" && has({u"one hit wonders"})) {
        folder = QStringLiteral("One Hit Wonders");
    }

    // Only one- and three-letter names are in the table (and no letter of theirs has a
    // second upper-case form), so other names skip the upper-casing.
    if (folder.size() == 1 || folder.size() == 3) {
        const QString u = folder.toUpper();
        if (NamingText::Same(u, u"E")) {
            if (has({u"e 40", u"e-40", u"e40"}))
                folder = QStringLiteral("E 40");
        } else if (NamingText::Same(u, u"C")) {
            if (has({u"c murder", u"c-murder", u"cmurder"}))
                folder = QStringLiteral("C Murder");
        } else if (NamingText::Same(u, u"ALL")) {
            if (has({u"rejects"}))
                folder = QStringLiteral("All American Rejects");
            else if (has({u"saints"}))
                folder = QStringLiteral("All Saints");
        } else if (NamingText::Same(u, u"DEF")) {
            if (has({u"lep"}))
                folder = QStringLiteral("Def Lepard");
        }
    }

    // The beginnings below start with "t" or "5", which only "T", "t" and "5" lower-case to.
    const QChar first = folder.isEmpty() ? QChar() : folder.front();
    if (first == u't' || first == u'T' || first == u'5') {
        const QString l = folder.left(16).toLower();
        if (NamingText::Same(l.left(16), u"three doors down"))
            folder = QStringLiteral("Three Doors Down");
        else if (NamingText::Same(l.left(8), u"504 boys"))
            folder = QStringLiteral("504 Boys");
        else if (NamingText::Same(l.left(11), u"three mafia"))
            folder = QStringLiteral("36 Mafia");
    }
    return folder;
}

// Only the primary artist: cut at " with ", else at " and " (but never inside
// "X and the Y", which is one band).
QString PrimaryArtist(QString folder) {
    for (;;) {
        qsizetype p = NamingText::IndexOf(folder, u" with ", Qt::CaseInsensitive);
        if (p < 0) {
            if (NamingText::Contains(folder, u" and the ", Qt::CaseInsensitive))
                break;
            p = NamingText::IndexOf(folder, u" and ", Qt::CaseInsensitive);
        }
        if (p <= 0)
            break;
        folder.truncate(p);
    }
    return folder;
}

// The sections of a file name, as views into its cleaned text; a name has few, so they
// live on the stack unless there are many.
class SectionStore {
  public:
    void push_back(QStringView v) {
        if (m_count < qsizetype(std::size(m_fixed))) {
            m_fixed[m_count] = v;
        } else {
            if (m_more.empty())
                m_more.assign(std::begin(m_fixed), std::end(m_fixed));
            m_more.push_back(v);
        }
        ++m_count;
    }
    qsizetype size() const { return m_count; }
    QStringView operator[](qsizetype i) const {
        return m_more.empty() ? m_fixed[i] : m_more[size_t(i)];
    }

  private:
    QStringView m_fixed[24];
    std::vector<QStringView> m_more;
    qsizetype m_count = 0;
};

struct SectionViews {
    const SectionStore &items;
    qsizetype size() const { return items.size(); }
    QStringView at(qsizetype i) const { return items[i]; }
};
QString NextSection(int k, const SectionViews &sections);

// The byte ranges of the tag block that the folder name is built from, in the list's order.
void PrepareTagKey(std::vector<ByteRange> &ranges, const NamingOptions &options) {
    ranges.clear();
    // The same reading of the list as BuildTagName's; a name it ignores adds nothing.
    const QString list =
        options.folderNameFields.isEmpty() ? QStringLiteral("Album") : options.folderNameFields;
    const auto add = [&ranges](int offset, int width) {
        for (const ByteRange &r : ranges)
            if (r.offset == offset)
                return; // a field named twice adds nothing new to the key
        ranges.push_back({offset, width});
    };
    for (const QStringView name : QStringView(list).split(QLatin1Char(','))) {
        if (name == QLatin1String("Song"))
            add(3, Id3v1Tag::TitleWidth);
        else if (name == QLatin1String("Artist"))
            add(33, Id3v1Tag::ArtistWidth);
        else if (name == QLatin1String("Album"))
            add(63, Id3v1Tag::AlbumWidth);
        else if (name == QLatin1String("Year"))
            add(93, Id3v1Tag::YearWidth);
        else if (name == QLatin1String("Track"))
            add(126, 1);
        else if (name == QLatin1String("Genre"))
            add(127, 1);
    }
}

// The bytes that decide the tag's name, copied into @p key; returns their count.
// Each field at most once: the six fit in one block's size.
qsizetype TagKey(const std::vector<ByteRange> &ranges, const char (&block)[Id3v1Tag::BlockSize],
                 char (&key)[Id3v1Tag::BlockSize]) {
    qsizetype n = 0;
    for (const ByteRange &r : ranges) {
        std::memcpy(key + n, block + r.offset, static_cast<size_t>(r.width));
        n += r.width;
    }
    return n;
}

// The folder name from a name built of tag fields.
TagAnswer NameFromTagName(const QString &built, const NamingOptions &options,
                          NamingContext *context) {
    QString name = NormalizeArtist(built, options, context);
    if (options.smartNames) // smarter names: a folder safe on every system
        name = SmartNames::FinishName(name, name, options.invalidNameChars);
    if (name.isEmpty())
        return TagAnswer{};
    return TagAnswer{true, Finish(name, true)};
}

// The name from a tag block that carries the marker.
TagAnswer NameFromTag(const char (&block)[Id3v1Tag::BlockSize], const NamingOptions &options,
                      NamingContext *context) {
    Id3v1Tag tag;
    tag.FromBlock(QByteArray::fromRawData(block, Id3v1Tag::BlockSize));
    return NameFromTagName(BuildTagName(tag, TagNameFor::Folder, options), options, context);
}

// All tags: the name from the richest tag of any format that has one; without a name from
// it the file goes on as before (an MP3 to its v1 block, the others to their file name).
TagAnswer NameFromRichTag(const QString &relativePath, const QString &fullPath,
                          const NamingOptions &options, NamingContext *context) {
    RichTag tag;
    if (!ReadsRichTag(relativePath) || !ReadRichTag(tag, fullPath))
        return TagAnswer{};
    return NameFromTagName(BuildTagName(tag, TagNameFor::Folder, options), options, context);
}
} // namespace

bool IsNumberArtistSection(QStringView section) {
    for (const QStringView s : kNumberArtistSections)
        if (section == s)
            return true;
    return false;
}

QString NextSection(int k, const QStringList &sections) {
    if (k < 0 || k >= sections.size() - 1)
        return QString();
    const QString &t = sections.at(k + 1);
    if (Numeric(t))
        return IsNumberArtistSection(t) ? t : QString();
    return t;
}

namespace {
QString NextSection(int k, const SectionViews &sections) {
    if (k < 0 || k >= sections.size() - 1)
        return QString();
    const QStringView t = sections.at(k + 1);
    if (Numeric(t))
        return IsNumberArtistSection(t) ? t.toString() : QString();
    return t.toString();
}

} // namespace

bool IsNumberWord(const QString &text) {
    // Every number word begins with one of these letters or ends in "teen"; only the ASCII
    // letters themselves lower-case to them, so other texts are settled without a copy.
    if (text.isEmpty())
        return false;
    const char16_t first = NamingText::Fold(text.front().unicode());
    if (first != u'o' && first != u't' && first != u'f' && first != u's' && first != u'e' &&
        first != u'n' &&
        !NamingText::Contains(QStringView(text).right(4), u"teen", Qt::CaseInsensitive))
        return false;
    char16_t buffer[16];
    QString spill;
    const QStringView l = NamingText::LowerShort(QStringView(text), buffer, spill);
    for (const QStringView w : kNumberWords)
        if (NamingText::Same(l, w))
            return true;
    if (l.size() >= 4 && NamingText::Same(l.right(4), u"teen"))
        return true;
    for (const QStringView p : kNumberPrefixes)
        if (l.size() >= p.size() && NamingText::Same(l.left(p.size()), p))
            return true;
    return false;
}

namespace {
// The name from the file's tag when the options ask for one and the tag gives one.
bool DeriveFromTag(const QString &relativePath, const QString &fullPath,
                   const NamingOptions &options, NamingContext *context, FolderNameResult &result) {
    if (!options.folderFromTag)
        return false;
    if (options.allTags) {
        const TagAnswer rich = NameFromRichTag(relativePath, fullPath, options, context);
        if (rich.named) {
            result = rich.result;
            return true;
        }
    }
    if (!IsMp3(relativePath))
        return false;
    char block[Id3v1Tag::BlockSize];
    if (!ReadTagBlock(fullPath, block) || !TagBlockHasMarker(block))
        return false;
    TagAnswer r;
    if (context) {
        NamingMemo::Caches &memo = context->Memo(options);
        if (!memo.tagKeyReady) {
            PrepareTagKey(memo.tagKeyRanges, options);
            memo.tagKeyReady = true;
        }
        char keyBytes[Id3v1Tag::BlockSize];
        const qsizetype keySize = TagKey(memo.tagKeyRanges, block, keyBytes);
        const auto it = memo.tags.constFind(QByteArray::fromRawData(keyBytes, keySize));
        if (it != memo.tags.cend()) {
            r = *it;
        } else {
            r = NameFromTag(block, options, context);
            if (memo.tags.size() >= NamingMemo::kLimit)
                memo.tags.clear();
            memo.tags.insert(QByteArray(keyBytes, keySize), r);
        }
    } else {
        r = NameFromTag(block, options, context);
    }
    if (!r.named)
        return false;
    result = r.result;
    return true;
}
} // namespace

FolderNameResult DeriveFolderName(const QString &relativePath, const QString &fullPath,
                                  const NamingOptions &options, NamingContext *context) {
    FolderNameResult fromTag;
    if (DeriveFromTag(relativePath, fullPath, options, context, fromTag))
        return fromTag;

    QStringView name = QStringView(relativePath).mid(NamingText::FindLast(relativePath, u'/') + 1);
    // Dots: leading ones go, the extension goes, the others become blanks.
    bool dotsToBlanks = false;
    if (name.contains(QLatin1Char('.'))) {
        qsizetype dots = 0;
        while (dots < name.size() && name.at(dots) == QLatin1Char('.'))
            ++dots;
        name = name.mid(dots);
        if (name.isEmpty())
            return Bad();
        const qsizetype ext = NamingText::FindLast(name, u'.');
        if (ext >= 0) {
            name = name.left(ext);
            while (!name.isEmpty() && name.front() == QLatin1Char(' '))
                name = name.mid(1);
            while (!name.isEmpty() && name.back() == QLatin1Char(' '))
                name.chop(1);
        }
        dotsToBlanks = true;
    }
    // Smarter names: initials joined and a "4." track number dropped before the dots become
    // blanks.
    QString smartFileName;
    if (options.smartNames) {
        smartFileName = SmartNames::PrepareFileName(name);
        name = smartFileName;
    }
    // (A dot turned blank is dropped at the front like the dot itself would be.)
    qsizetype front = 0;
    while (front < name.size() && IsFrontDropped(name.at(front)))
        ++front;
    name = name.mid(front);

    // One pass does the cleaning replacements: brackets, "~", "_", ";" and "%20" become
    // blanks, "&" becomes "And", and runs of "-", "," and blanks shrink to one. Each
    // replacement brings in no character another one looks for, so one pass answers as
    // the replacements one after another do. Blanks at the ends go only when a run of
    // blanks was found.
    QString cleaned(name.size() * 3, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(cleaned.data());
    qsizetype n = 0;
    bool blankRun = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char16_t c = name[i].unicode();
        // Letters, digits and anything beyond ASCII (most of a name) pass as they are.
        if (char16_t((c | 0x20) - u'a') < 26 || char16_t(c - u'0') < 10 || c >= 128) {
            out[n++] = c;
            continue;
        }
        switch (c) {
        case u'.':
            if (dotsToBlanks)
                c = u' ';
            break;
        case u']':
        case u'[':
        case u'~':
        case u'_':
        case u'{':
        case u'}':
        case u';':
            c = u' ';
            break;
        case u'%':
            if (i + 2 < name.size() && name[i + 1] == QLatin1Char('2') &&
                name[i + 2] == QLatin1Char('0')) {
                c = u' ';
                i += 2;
            }
            break;
        case u'&':
            out[n++] = u'A';
            out[n++] = u'n';
            c = u'd';
            break;
        default:
            break;
        }
        if ((c == u'-' || c == u',' || c == u' ') && n > 0 && out[n - 1] == c) {
            if (c == u' ')
                blankRun = true;
            continue;
        }
        out[n++] = c;
    }
    qsizetype first = 0;
    if (blankRun) {
        while (first < n && out[first] == u' ')
            ++first;
        while (n > first && out[n - 1] == u' ')
            --n;
    }
    cleaned.truncate(n);
    if (first > 0)
        cleaned.remove(0, first);

    // The sections, as views into the cleaned name (or into the one-section scan).
    QString single;
    SectionStore sectionStore;
    QChar separator;
    for (const char c : {'-', ',', ' '}) {
        if (NamingText::Find(cleaned, char16_t(c)) >= 0) {
            separator = QLatin1Char(c);
            break;
        }
    }
    if (!separator.isNull()) {
        const QStringView view(cleaned);
        // Smarter names: a dash inside a hyphenated name ("Salt-N-Pepa") does not cut it.
        const bool keepHyphens = options.smartNames && separator == QLatin1Char('-') &&
                                 SmartNames::HasSeparatingDash(view);
        for (qsizetype start = 0;;) {
            qsizetype end = NamingText::Find(view, separator.unicode(), start);
            while (keepHyphens && end >= 0 && SmartNames::IsJoiningDash(view, end))
                end = NamingText::Find(view, separator.unicode(), end + 1);
            if (end < 0) {
                sectionStore.push_back(view.mid(start));
                break;
            }
            sectionStore.push_back(view.mid(start, end - start));
            start = end + 1;
        }
    } else {
        if (cleaned.isEmpty())
            return Bad();
        single = SingleSection(cleaned);
        if (single.isEmpty())
            return Bad();
        sectionStore.push_back(single);
    }
    const SectionViews sections{sectionStore};

    const int dash = std::max(0, options.dashSection);
    const int upper = static_cast<int>(sections.size()) - 1;
    if (upper < dash)
        return Bad();
    QString candidate = Trim(sections.at(dash));
    int k = dash;

    // A one-letter section takes the next one with it ("K-lan" gives "K lan").
    // (With smarter names a lone digit is a track number, skipped below.)
    while (k <= upper && candidate.size() <= 1 && !(options.smartNames && Numeric(candidate))) {
        candidate = candidate + QLatin1Char(' ') + NamingText::Trimmed(NextSection(k, sections));
        ++k;
    }

    // Track numbers are skipped; numbers that start artist names take the next section.
    candidate = NamingText::Trimmed(candidate);
    while (!candidate.isEmpty() && Numeric(candidate)) {
        // (With smarter names a number followed by a separator is a track number; "50-Cent"
        // is one section there.)
        if (!options.smartNames &&
            NamingText::OneOf(candidate, {u"8", u"50", u"2", u"3", u"6", u"504"})) {
            candidate =
                candidate + QLatin1Char(' ') + NamingText::Trimmed(NextSection(k, sections));
            break;
        }
        if (NamingText::OneOf(candidate, {u"112", u"702"}))
            break;
        candidate = NamingText::Trimmed(NextSection(k, sections));
        ++k;
    }
    if (candidate.isEmpty())
        return Bad();

    // Number words and a lone article take the following sections with them.
    // (Smarter names stop a number-word artist, "Three Dog Night", at its section's end.)
    if (NamingText::SameIgnoringCase(candidate, QLatin1StringView("tmd")) ||
        (!options.smartNames && IsNumberWord(candidate)) ||
        (k < upper && NamingText::SameIgnoringCase(candidate, QLatin1StringView("the")))) {
        QString start = candidate;
        QString next = NextSection(k, sections);
        while (k < upper && IsNumberWord(next)) {
            start = start + QLatin1Char(' ') + next;
            ++k;
            next = NamingText::Trimmed(NextSection(k, sections));
        }
        candidate = next.isEmpty() ? start : start + QLatin1Char(' ') + next;
        if (candidate.isEmpty())
            return Bad();
    }

    if (options.smartNames && options.primaryArtistOnly) // smarter names: a list's first
        candidate = SmartNames::FirstListedArtist(candidate);

    const bool trans = NamingText::Contains(cleaned, u"trans", Qt::CaseInsensitive);
    const int slot = (trans ? 1 : 0) | (options.primaryArtistOnly ? 2 : 0);
    QHash<QString, TailAnswers> *memo = context ? &context->Memo(options).tails : nullptr;
    if (memo) {
        const auto it = memo->constFind(candidate);
        if (it != memo->cend() && it->known[slot])
            return it->result[slot];
    }
    // Questions asked of the rest of the file name; an answer that needed none is kept.
    int questions = 0;
    const auto remember = [&](FolderNameResult r) {
        if (memo && questions == 0) {
            if (memo->size() >= NamingMemo::kLimit)
                memo->clear();
            TailAnswers &a = (*memo)[candidate];
            a.result[slot] = r;
            a.known[slot] = true;
        }
        return r;
    };

    QString folder = NormalizeArtist(candidate, options, context);
    if (folder.isEmpty())
        return remember(Bad());

    // A name that came out as a bare number: take the first wordy section elsewhere.
    if (Numeric(folder) && folder != u"112" && folder != u"702") {
        memo = nullptr; // the answer depends on the other sections
        folder.clear();
        for (int i = 0; i <= upper; ++i) {
            const QStringView s = sections.at(i);
            if (i == dash - 1 || i == dash) {
                if (NamingText::Same(s, u"40") && i >= 1 &&
                    sections.at(i - 1).toString().toUpper() == u"E") {
                    folder += QLatin1Char(' ');
                    folder += s;
                }
                continue;
            }
            if (!s.isEmpty() && !Numeric(s)) {
                folder += QLatin1Char(' ') + NormalizeArtist(s.toString(), options, context);
                break;
            }
        }
    }

    const QString beforeSpecial = folder;
    folder = SpecialArtists(folder, cleaned, trans, questions);
    if (options.smartNames && !SmartNames::KeepsName(beforeSpecial, folder))
        folder = beforeSpecial; // smarter names: special names only for whole names
    if (options.primaryArtistOnly)
        folder = PrimaryArtist(folder);
    if (options.smartNames && options.primaryArtistOnly)
        folder = SmartNames::PrimaryArtist(folder);
    folder = FixArtistWords(folder, cleaned, &questions, options.smartNames);
    if (options.smartNames) { // smarter names: safe on every system, never empty
        ++questions;          // the capitals are read from the whole file name
        folder = SmartNames::FinishName(folder, cleaned, options.invalidNameChars);
        if (folder.isEmpty())
            return remember(Bad());
    }
    return remember(Finish(folder, false));
}
