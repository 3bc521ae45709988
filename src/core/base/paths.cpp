#include "base/paths.h"

#include <QFileInfo>
#include <QLocale>

namespace {
const QChar kSep = QLatin1Char('/');
} // namespace

bool FileExists(const QString &path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isFile();
}

bool FolderExists(const QString &path) {
    if (path.size() <= 1)
        return false;
    return QFileInfo(path).isDir();
}

bool NothingAt(const QString &path) {
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

qint64 GetFileSize(const QString &path) {
    if (path.isEmpty())
        return 0;
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
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

QString UniqueFileName(const QString &path) {
    if (NothingAt(path))
        return path;
    const qsizetype nameStart = path.lastIndexOf(kSep) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // A dot at the very start of the name makes a hidden file, not an extension.
    const bool hasExt = dot > nameStart;
    const QString base = hasExt ? path.left(dot) : path;
    const QString ext = hasExt ? path.mid(dot) : QString();
    for (qint64 n = 1;; ++n) {
        const QString candidate =
            base + QLatin1Char('(') + QString::number(n) + QLatin1Char(')') + ext;
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
