#include "naming/foldername.h"

#include "base/textutil.h"
#include "naming/artistname.h"
#include "naming/namingcontext.h"
#include "naming/namingmemo.h"
#include "naming/namingoptions.h"
#include "naming/smartnames.h"
#include "naming/tagname.h"
#include "tags/id3v1tag.h"
#include "tags/richtag.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {
using NamingMemo::ByteRange;
using NamingMemo::TagAnswer;
using NamingMemo::TailAnswers;
using TextUtil::IsNumeric;
using TextUtil::Trim;

constexpr QStringView kNumberArtistSections[] = {u"40", u"2", u"50",  u"112", u"8",
                                                 u"3",  u"6", u"504", u"702"};
constexpr QStringView kNumberWords[] = {u"one",  u"two", u"three",  u"four",
                                        u"five", u"six", u"seven",  u"eight",
                                        u"nine", u"ten", u"eleven", u"twelve"};
constexpr QStringView kNumberPrefixes[] = {u"three", u"seven", u"eight", u"four", u"nine",
                                           u"one",   u"two",   u"six",   u"ten"};
constexpr QStringView kFrontDropped = u"- .,_~%()][";

bool IsOneOf(QStringView text, std::initializer_list<QStringView> words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

bool ContainsAnyOf(const QString &text, std::initializer_list<QStringView> words) {
    return std::any_of(words.begin(), words.end(),
                       [&text](QStringView w) { return text.contains(w, Qt::CaseInsensitive); });
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
        while (folder.contains(QLatin1String("  ")))
            folder.replace(QLatin1String("  "), QLatin1String(" "));
        folder = Trim(folder);
        if (folder.isEmpty() || folder == u"." || folder == u"..")
            return Bad();
    }
    FolderNameResult r;
    r.folder = std::move(folder);
    r.ok = true;
    r.fromTag = fromTag;
    return r;
}

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
    return std::find(std::begin(kNumberArtistSections), std::end(kNumberArtistSections), section) !=
           std::end(kNumberArtistSections);
}

QString NextSection(int k, const QStringList &sections) {
    if (k < 0 || k >= sections.size() - 1)
        return QString();
    const QString &t = sections.at(k + 1);
    if (IsNumeric(t))
        return IsNumberArtistSection(t) ? t : QString();
    return t;
}

bool IsNumberWord(const QString &text) {
    const QString l = text.toLower();
    if (std::find(std::begin(kNumberWords), std::end(kNumberWords), l) != std::end(kNumberWords))
        return true;
    if (l.endsWith(u"teen"))
        return true;
    return std::any_of(std::begin(kNumberPrefixes), std::end(kNumberPrefixes),
                       [&l](QStringView p) { return l.startsWith(p); });
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

// The file name of @p relativePath made ready to cut into sections: its extension and the
// characters that only separate words go, runs of separators shrink to one. Empty when
// nothing is left of the name; the result is also the text the special-artist checks read.
std::optional<QString> CleanFileName(const QString &relativePath, bool smartNames) {
    QString name = relativePath.mid(relativePath.lastIndexOf(QLatin1Char('/')) + 1);
    // Dots: leading ones go, the extension goes, the others become blanks.
    bool dotsToBlanks = false;
    if (name.contains(QLatin1Char('.'))) {
        qsizetype dots = 0;
        while (dots < name.size() && name.at(dots) == QLatin1Char('.'))
            ++dots;
        name.remove(0, dots);
        if (name.isEmpty())
            return std::nullopt;
        const qsizetype ext = name.lastIndexOf(QLatin1Char('.'));
        if (ext >= 0)
            name = Trim(QStringView(name).left(ext));
        dotsToBlanks = true;
    }
    // Smarter names: initials joined and a "4." track number dropped before the dots become
    // blanks.
    if (smartNames)
        name = SmartNames::PrepareFileName(name);
    if (dotsToBlanks)
        name.replace(QLatin1Char('.'), QLatin1Char(' '));
    qsizetype front = 0;
    while (front < name.size() && kFrontDropped.contains(name.at(front)))
        ++front;
    name.remove(0, front);

    for (const char c : {']', '[', '~', '_'})
        name.replace(QLatin1Char(c), QLatin1Char(' '));
    name.replace(QLatin1String("%20"), QLatin1String(" "));
    name.replace(QLatin1Char('&'), QLatin1String("And"));
    for (const char c : {'{', '}', ';'})
        name.replace(QLatin1Char(c), QLatin1Char(' '));
    while (name.contains(QLatin1String("--")))
        name.replace(QLatin1String("--"), QLatin1String("-"));
    while (name.contains(QLatin1String(",,")))
        name.replace(QLatin1String(",,"), QLatin1String(","));
    while (name.contains(QLatin1String("  "))) {
        name.replace(QLatin1String("  "), QLatin1String(" "));
        name = Trim(name);
    }
    return name;
}

// The one section of a text without "-", "," or blanks: stops at brackets and at digits,
// except the digits of "UB40" and "E 40".
QString SingleSection(const QString &text) {
    QString section;
    for (const QChar c : text) {
        if (section.size() >= 35 || c == QLatin1Char('[') || c == QLatin1Char('('))
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') &&
            !IsOneOf(section.toUpper(), {u"UB", u"UB4", u"E", u"E ", u"E 4"}))
            break;
        section += c;
    }
    return section;
}

// The sections of the cleaned name, cut at "-", else ",", else blanks; a name with none of
// them is one section. Empty when that section is empty.
QStringList SplitSections(const QString &cleaned, bool smartNames) {
    // Smarter names: a dash inside a hyphenated name ("Salt-N-Pepa") does not cut it.
    if (smartNames && cleaned.contains(QLatin1Char('-')) &&
        SmartNames::HasSeparatingDash(cleaned)) {
        QStringList sections;
        qsizetype start = 0;
        for (qsizetype at = cleaned.indexOf(QLatin1Char('-')); at >= 0;
             at = cleaned.indexOf(QLatin1Char('-'), at + 1)) {
            if (SmartNames::IsJoiningDash(cleaned, at))
                continue;
            sections.append(cleaned.mid(start, at - start));
            start = at + 1;
        }
        sections.append(cleaned.mid(start));
        return sections;
    }
    for (const char c : {'-', ',', ' '})
        if (cleaned.contains(QLatin1Char(c)))
            return cleaned.split(QLatin1Char(c));
    const QString single = SingleSection(cleaned);
    return single.isEmpty() ? QStringList() : QStringList{single};
}

// The artist candidate from section @p dash on: short sections and numbers that start
// artist names take the next section, track numbers are skipped, number words and a lone
// article take the following sections. @p k ends at the last section used; empty when
// nothing is left.
QString ChooseCandidate(const QStringList &sections, int dash, bool smartNames, int &k) {
    const int upper = static_cast<int>(sections.size()) - 1;
    QString candidate = Trim(sections.at(dash));
    k = dash;

    // A one-letter section takes the next one with it ("K-lan" gives "K lan"). (With
    // smarter names a lone digit is a track number, skipped below.)
    while (k <= upper && candidate.size() <= 1 && !(smartNames && IsNumeric(candidate))) {
        candidate = candidate + QLatin1Char(' ') + Trim(NextSection(k, sections));
        ++k;
    }

    // Track numbers are skipped; numbers that start artist names take the next section.
    candidate = Trim(candidate);
    while (!candidate.isEmpty() && IsNumeric(candidate)) {
        // (With smarter names a number followed by a separator is a track number; "50-Cent"
        // is one section there.)
        if (!smartNames && IsOneOf(candidate, {u"8", u"50", u"2", u"3", u"6", u"504"})) {
            candidate = candidate + QLatin1Char(' ') + Trim(NextSection(k, sections));
            break;
        }
        if (IsOneOf(candidate, {u"112", u"702"}))
            break;
        candidate = Trim(NextSection(k, sections));
        ++k;
    }
    if (candidate.isEmpty())
        return candidate;

    // Number words and a lone article take the following sections with them. (Smarter names
    // stop a number-word artist, "Three Dog Night", at its section's end.)
    if (candidate.compare(QLatin1String("tmd"), Qt::CaseInsensitive) == 0 ||
        (!smartNames && IsNumberWord(candidate)) ||
        (k < upper && candidate.compare(QLatin1String("the"), Qt::CaseInsensitive) == 0)) {
        QString start = candidate;
        QString next = NextSection(k, sections);
        while (k < upper && IsNumberWord(next)) {
            start = start + QLatin1Char(' ') + next;
            ++k;
            next = Trim(NextSection(k, sections));
        }
        candidate = next.isEmpty() ? start : start + QLatin1Char(' ') + next;
    }
    return candidate;
}

// A name that came out as a bare number: the first wordy section outside the chosen one
// names the folder (or "E 40" there); may be empty.
QString FolderFromOtherSections(const QStringList &sections, int dash, const NamingOptions &options,
                                NamingContext *context) {
    QString folder;
    for (int i = 0; i < sections.size(); ++i) {
        const QString &s = sections.at(i);
        if (i == dash - 1 || i == dash) {
            if (s == u"40" && i >= 1 && sections.at(i - 1).toUpper() == u"E") {
                folder += QLatin1Char(' ');
                folder += s;
            }
            continue;
        }
        if (!s.isEmpty() && !IsNumeric(s)) {
            folder += QLatin1Char(' ') + NormalizeArtist(s, options, context);
            break;
        }
    }
    return folder;
}

// @p trans tells whether the cleaned file name holds "trans" (without regard to case);
// @p questions counts the questions asked of that name.
QString SpecialArtists(QString folder, const QString &cleaned, bool trans, int &questions) {
    const auto has = [&](std::initializer_list<QStringView> words) {
        ++questions;
        return ContainsAnyOf(cleaned, words);
    };
    if (folder == u"Trans") {
        if (has({u"trans-siberian"}))
            folder = QStringLiteral("Trans-Siberian Orchestra");
    } else if (trans && has({u"transiberian", u"transsiberian"})) {
        folder = QStringLiteral("Trans-Siberian Orchestra");
    } else if (folder.left(15).toLower() == u"one hit wonders" && has({u"one hit wonders"})) {
        folder = QStringLiteral("One Hit Wonders");
    }

    const QString u = folder.toUpper();
    if (u == u"E") {
        if (has({u"e 40", u"e-40", u"e40"}))
            folder = QStringLiteral("E 40");
    } else if (u == u"C") {
        if (has({u"c murder", u"c-murder", u"cmurder"}))
            folder = QStringLiteral("C Murder");
    } else if (u == u"ALL") {
        if (has({u"rejects"}))
            folder = QStringLiteral("All American Rejects");
        else if (has({u"saints"}))
            folder = QStringLiteral("All Saints");
    } else if (u == u"DEF") {
        if (has({u"lep"}))
            folder = QStringLiteral("Def Lepard");
    }

    const QString l = folder.left(16).toLower();
    if (l.left(16) == u"three doors down")
        folder = QStringLiteral("Three Doors Down");
    else if (l.left(8) == u"504 boys")
        folder = QStringLiteral("504 Boys");
    else if (l.left(11) == u"three mafia")
        folder = QStringLiteral("36 Mafia");
    return folder;
}

// Only the primary artist: cut at " with ", else at " and " (but never inside
// "X and the Y", which is one band).
QString PrimaryArtist(QString folder) {
    for (;;) {
        qsizetype p = folder.indexOf(QLatin1String(" with "), 0, Qt::CaseInsensitive);
        if (p < 0) {
            if (folder.contains(QLatin1String(" and the "), Qt::CaseInsensitive))
                break;
            p = folder.indexOf(QLatin1String(" and "), 0, Qt::CaseInsensitive);
        }
        if (p <= 0)
            break;
        folder.truncate(p);
    }
    return folder;
}
} // namespace

FolderNameResult DeriveFolderName(const QString &relativePath, const QString &fullPath,
                                  const NamingOptions &options, NamingContext *context) {
    FolderNameResult fromTag;
    if (DeriveFromTag(relativePath, fullPath, options, context, fromTag))
        return fromTag;

    const std::optional<QString> cleanedName = CleanFileName(relativePath, options.smartNames);
    if (!cleanedName)
        return Bad();
    const QString &cleaned = *cleanedName;
    const QStringList sections = SplitSections(cleaned, options.smartNames);
    const int dash = std::max(0, options.dashSection);
    if (sections.size() <= dash)
        return Bad();
    int k = dash;
    QString candidate = ChooseCandidate(sections, dash, options.smartNames, k);
    if (candidate.isEmpty())
        return Bad();
    if (options.smartNames && options.primaryArtistOnly) // smarter names: a list's first
        candidate = SmartNames::FirstListedArtist(candidate);

    // Names are remembered by candidate when they did not depend on the rest of the name
    // beyond whether "trans" occurs in it.
    const bool trans = cleaned.contains(QLatin1String("trans"), Qt::CaseInsensitive);
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
    if (IsNumeric(folder) && folder != u"112" && folder != u"702") {
        memo = nullptr; // the answer depends on the other sections
        folder = FolderFromOtherSections(sections, dash, options, context);
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
