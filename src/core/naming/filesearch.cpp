#include "naming/filesearch.h"

#include "base/nativepath.h"
#include "base/testseams.h"
#include "base/textutil.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace {
struct Entry {
    QString name;  // the exact bytes (see nativepath.h)
    QString shown; // the readable name when the bytes are not UTF-8, for order and patterns
    QString key;   // the name case-folded, for the order
    bool dir = false;
    bool link = false; // a symbolic link (to a folder: listed, never entered)
};

// Code unit by code unit, as QString compares exactly.
std::u16string_view Units(const QString &s) {
    return std::u16string_view(reinterpret_cast<const char16_t *>(s.constData()),
                               static_cast<size_t>(s.size()));
}

bool IsHiddenName(const QString &name) {
    return name.startsWith(QLatin1Char('.'));
}

const QString &MatchName(const Entry &e) {
    return e.shown.isEmpty() ? e.name : e.shown;
}

// Reads one folder, sorted by name without regard to case (ties in exact order) so results
// never depend on the file system. Only regular files and folders (links followed) are
// kept: sockets, pipes and devices are no media, and opening a pipe would block a load.
// A folder that cannot be read is noted in @p report.
std::vector<Entry> ReadFolder(const QString &folder, SearchReport *report) {
    std::vector<Entry> entries;
    const QByteArray encoded = NativePath(folder);
    DIR *dir = Seams().FolderUnreadable(folder) ? nullptr : ::opendir(encoded.constData());
    if (!dir) {
        if (report)
            report->Unreadable(folder);
        return entries;
    }
    while (const dirent *d = ::readdir(dir)) {
        const char *raw = d->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        Entry e;
        unsigned char type = d->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            const QByteArray full = encoded + '/' + raw;
            struct stat st;
            if (type == DT_UNKNOWN) {
                if (::lstat(full.constData(), &st) != 0)
                    continue;
                e.link = S_ISLNK(st.st_mode);
            } else {
                e.link = true;
            }
            if (e.link && ::stat(full.constData(), &st) != 0)
                continue; // a broken link is nothing that can be searched or read
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR)
            e.dir = true;
        else if (type != DT_REG)
            continue;
        e.name = PathFromNative(QByteArrayView(raw, qsizetype(std::strlen(raw))));
        if (HasForeignBytes(e.name))
            e.shown = ReadableName(e.name);
        e.key = MatchName(e).toCaseFolded();
        entries.push_back(std::move(e));
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const auto ka = Units(a.key);
        const auto kb = Units(b.key);
        return ka != kb ? ka < kb : Units(a.name) < Units(b.name);
    });
    return entries;
}

bool Admitted(const Entry &e, int mask) {
    if (e.dir && !(mask & SearchAttr::Directory))
        return false;
    if (IsHiddenName(e.name) && !(mask & SearchAttr::Hidden))
        return false;
    return true;
}

// One wildcard pattern. "*" and "?" are the only special characters; everything else,
// brackets included, matches itself without regard to case.
class Pattern {
  public:
    explicit Pattern(const QString &text) {
        if (text.isEmpty()) {
            m_kind = Kind::Nothing;
        } else if (text == QLatin1String("*") || text == QLatin1String("*.*")) {
            m_kind = Kind::All;
        } else if (text.startsWith(QLatin1String("*.")) && IsLiteral(QStringView(text).mid(2))) {
            m_kind = Kind::Suffix;
            m_suffix = text.mid(1).toLower();
        } else {
            m_kind = Kind::Regex;
            QString rx;
            for (const QChar c : text) {
                if (c == QLatin1Char('*'))
                    rx += QLatin1String(".*");
                else if (c == QLatin1Char('?'))
                    rx += QLatin1Char('.');
                else
                    rx += QRegularExpression::escape(QString(c));
            }
            m_regex.setPattern(QRegularExpression::anchoredPattern(rx));
            m_regex.setPatternOptions(QRegularExpression::CaseInsensitiveOption |
                                      QRegularExpression::DotMatchesEverythingOption);
        }
    }

    bool Matches(const QString &name) const {
        switch (m_kind) {
        case Kind::Nothing:
            return false;
        case Kind::All:
            return true;
        case Kind::Suffix:
            return name.endsWith(m_suffix, Qt::CaseInsensitive);
        case Kind::Regex:
            return m_regex.match(name).hasMatch();
        }
        return false;
    }

  private:
    static bool IsLiteral(QStringView s) {
        return !s.contains(QLatin1Char('*')) && !s.contains(QLatin1Char('?'));
    }

    enum class Kind { Nothing, All, Suffix, Regex };
    Kind m_kind = Kind::Nothing;
    QString m_suffix;
    QRegularExpression m_regex;
};

std::vector<Pattern> CompilePatterns(const QString &patterns) {
    const QString list = patterns.isEmpty() ? QStringLiteral("*.*") : patterns;
    QChar sep;
    for (const char c : {';', ',', '|'}) {
        if (list.contains(QLatin1Char(c))) {
            sep = QLatin1Char(c);
            break;
        }
    }
    const QStringList parts = sep.isNull() ? QStringList{list} : list.split(sep);
    std::vector<Pattern> compiled;
    compiled.reserve(static_cast<size_t>(parts.size()));
    for (const QString &p : parts)
        compiled.emplace_back(TextUtil::Trim(p));
    return compiled;
}

void AppendMatches(QStringList &result, const QString &base, const std::vector<Entry> &entries,
                   const std::vector<Pattern> &patterns, int mask) {
    for (const Pattern &p : patterns)
        for (const Entry &e : entries)
            if (Admitted(e, mask) && p.Matches(MatchName(e)))
                result.append(base + e.name);
}

struct Pending {
    QString path;
    bool enter = true;
};

// The breadth-first walk shared by both tree searches; @p visit gets each folder's path,
// its base and its entries (empty for a linked folder, which is never read).
template <typename Visit>
void WalkTree(const QString &root, int folderMask, SearchReport *report, Visit visit) {
    if (root.size() <= 1)
        return;
    const int mask = folderMask | SearchAttr::Directory;
    std::deque<Pending> queue;
    queue.push_back({SearchFolderBase(root), true});
    queue.front().path.chop(1);
    if (queue.front().path.isEmpty())
        queue.front().path = QStringLiteral("/");
    while (!queue.empty()) {
        Pending current = std::move(queue.front());
        queue.pop_front();
        const QString base = SearchFolderBase(current.path);
        std::vector<Entry> entries;
        if (report && report->onFolder)
            report->onFolder(current.path);
        if (current.enter)
            entries = ReadFolder(current.path, report);
        visit(current.path, base, entries);
        for (const Entry &e : entries)
            if (e.dir && Admitted(e, mask))
                queue.push_back({base + e.name, !e.link});
    }
}
} // namespace

QString SearchFolderBase(const QString &folder) {
    QString p = folder;
    // Doubled separators collapse, except a leading pair (a network-style root).
    for (qsizetype i = p.indexOf(QLatin1String("//"), 2); i >= 0;
         i = p.indexOf(QLatin1String("//"), std::max<qsizetype>(i, 2)))
        p.remove(i, 1);
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}

void SearchReport::Unreadable(const QString &folder) {
    ++unreadable;
    if (examples.size() < kExamples)
        examples.append(folder);
}

QString SearchReport::Summary() const {
    QStringList shown;
    for (const QString &folder : examples)
        shown.append(ReadableName(folder));
    QString text = QString::number(unreadable) +
                   (unreadable == 1 ? QStringLiteral(" folder could not be read: ")
                                    : QStringLiteral(" folders could not be read: ")) +
                   shown.join(QStringLiteral(", "));
    if (unreadable > examples.size())
        text += QStringLiteral(", ...");
    return text;
}

QStringList FindFiles(const QString &folder, const QString &patterns, int mask,
                      SearchReport *report) {
    QStringList result;
    if (folder.size() <= 1)
        return result;
    const std::vector<Pattern> compiled = CompilePatterns(patterns);
    const QString base = SearchFolderBase(folder);
    AppendMatches(result, base, ReadFolder(folder, report), compiled, mask);
    return result;
}

QStringList FindFolders(const QString &root, int mask, SearchReport *report) {
    QStringList result;
    WalkTree(root, mask, report,
             [&](const QString &path, const QString &, const std::vector<Entry> &) {
                 result.append(path);
             });
    return result;
}

QStringList FindFilesRecursive(const QString &root, const QString &patterns, int fileMask,
                               int folderMask, SearchReport *report) {
    QStringList result;
    const std::vector<Pattern> compiled = CompilePatterns(patterns);
    WalkTree(root, folderMask, report,
             [&](const QString &, const QString &base, const std::vector<Entry> &entries) {
                 AppendMatches(result, base, entries, compiled, fileMask);
             });
    return result;
}

QStringList FolderEntryNames(const QString &folder, bool folders) {
    QStringList names;
    for (const Entry &e : ReadFolder(folder, nullptr))
        if (e.dir == folders)
            names.append(e.name);
    return names;
}
