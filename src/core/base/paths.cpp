#include "base/paths.h"

#include "base/nativepath.h"

#include <QLocale>

#include <sys/stat.h>

namespace {
const QChar kSep = QLatin1Char('/');
} // namespace

namespace {
// What stands at the path, links followed; false when nothing (or a dangling link) does.
bool StatOf(const QString &path, struct stat &st) {
    return ::stat(NativePath(path).constData(), &st) == 0;
}
} // namespace

bool FileExists(const QString &path) {
    struct stat st;
    return !path.isEmpty() && StatOf(path, st) && S_ISREG(st.st_mode);
}

bool FolderExists(const QString &path) {
    struct stat st;
    return path.size() > 1 && StatOf(path, st) && S_ISDIR(st.st_mode);
}

bool NothingAt(const QString &path) {
    struct stat st;
    return ::lstat(NativePath(path).constData(), &st) != 0;
}

qint64 GetFileSize(const QString &path) {
    struct stat st;
    if (path.isEmpty() || !StatOf(path, st) || !S_ISREG(st.st_mode))
        return 0;
    return st.st_size;
}

FileFacts ReadFileFacts(const QString &path) {
    FileFacts facts;
    struct stat st;
    if (path.isEmpty() || !StatOf(path, st))
        return facts;
    facts.exists = true;
    facts.folder = S_ISDIR(st.st_mode);
    facts.size = st.st_size;
    facts.modified = QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 +
                                                    st.st_mtim.tv_nsec / 1000000);
    facts.permissions = st.st_mode & 0777;
    return facts;
}

QString FolderPart(const QString &path) {
    if (path.size() > 2 && path.endsWith(kSep)) {
        qsizetype end = path.size();
        while (end > 0 && path[end - 1] == kSep)
            --end;
        return path.left(end);
    }
    const qsizetype last = path.lastIndexOf(kSep);
    return last < 0 ? path : path.left(last);
}

QString FileNamePart(const QString &path) {
    if (path.isEmpty() || path.endsWith(kSep))
        return QString();
    const qsizetype last = path.lastIndexOf(kSep);
    return last < 0 ? path : path.mid(last + 1);
}

QString NormalizePath(const QString &path) {
    if (path.size() <= 2)
        return path;
    qsizetype end = path.size();
    while (end > 0 && path[end - 1] == kSep)
        --end;
    const QString trimmed = path.left(end);
    if (trimmed.size() <= 2)
        return trimmed;
    // Runs of any length collapse, so "a///b" gives "a/b" in one step.
    QString out = trimmed.left(2);
    for (qsizetype i = 2; i < trimmed.size(); ++i) {
        if (trimmed[i] == kSep && i > 2 && trimmed[i - 1] == kSep)
            continue;
        out += trimmed[i];
    }
    return out;
}

QString NumberedName(const QString &name, qint64 n) {
    constexpr qsizetype kNameMax = 255; // bytes, on every common Linux file system
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A dot at the very start of the name makes a hidden file, not an extension.
    const bool hasExt = dot > 0;
    QString base = hasExt ? name.left(dot) : name;
    const QString tail = QLatin1Char('(') + QString::number(n) + QLatin1Char(')') +
                         (hasExt ? name.mid(dot) : QString());
    const qsizetype room = kNameMax - NativePath(tail).size();
    while (!base.isEmpty() && NativePath(base).size() > room)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() &&
                          base.at(base.size() - 2).isHighSurrogate()
                      ? 2
                      : 1);
    return base + tail;
}

QString UniqueFileName(const QString &path) {
    if (NothingAt(path))
        return path;
    const qsizetype nameStart = path.lastIndexOf(kSep) + 1;
    const QString folder = path.left(nameStart);
    const QString name = path.mid(nameStart);
    for (qint64 n = 1;; ++n) {
        const QString candidate = folder + NumberedName(name, n);
        if (NothingAt(candidate))
            return candidate;
    }
}

QString FormatSize(double bytes) {
    const QLocale locale;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (bytes >= 1024000000.0)
        return locale.toString(bytes / 1024000000.0, 'f', 2) + QStringLiteral(" Gb");
    if (bytes >= 1024000.0)
        return locale.toString(bytes / 1024000.0, 'f', 2) + QStringLiteral(" Mb");
    if (bytes >= 1024.0)
        return plain.toString(bytes / 1024.0, 'f', 2) + QStringLiteral(" Kb");
    return plain.toString(bytes, 'g', 15) + QStringLiteral(" Bytes");
}
