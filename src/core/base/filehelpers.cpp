#include "base/filehelpers.h"

#include "base/appinfo.h"
#include "base/dialogseam.h"
#include "base/textutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {
const QChar kSep = QLatin1Char('/');

CopyChunkHook &ChunkHook()
{
    static CopyChunkHook hook;
    return hook;
}

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

// Closes a descriptor on every way out.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    // Closing can report a deferred write error (network file systems), so it is checked.
    bool Close()
    {
        const int f = fd;
        fd = -1;
        return ::close(f) == 0;
    }
};

bool WriteAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Moves a finished file into place only when nothing stands at the target: a file that
// appeared meanwhile is never replaced.
bool RenameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // The file system cannot rename without replacing: a hard link refuses an existing
    // target just as well.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno == EEXIST)
        return false;
    // No hard links either (FAT and some network shares): test, then rename.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0 || errno != ENOENT)
        return false;
    return ::rename(from.constData(), to.constData()) == 0;
}

bool CopyContents(int in, int out)
{
    constexpr qint64 kBlock = 1 << 20;
    std::vector<char> buffer(static_cast<size_t>(kBlock));
    qint64 written = 0;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        const qint64 block = got;
        qint64 allowed = block;
        if (const CopyChunkHook &hook = ChunkHook())
            allowed = std::clamp(hook(written, block), qint64(0), block);
        if (!WriteAll(out, buffer.data(), allowed))
            return false;
        written += allowed;
        if (allowed < block) {
            errno = ENOSPC;
            return false;
        }
    }
}

bool NothingAt(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}
} // namespace

void SetCopyChunkHook(CopyChunkHook hook)
{
    ChunkHook() = std::move(hook);
}

CopyFaultInjector::CopyFaultInjector(qint64 failAfterBytes)
{
    SetCopyChunkHook([failAfterBytes](qint64 written, qint64 block) {
        return qMin(block, qMax<qint64>(0, failAfterBytes - written));
    });
}

CopyFaultInjector::~CopyFaultInjector()
{
    SetCopyChunkHook({});
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isFile();
}

bool FolderExists(const QString &path)
{
    if (path.size() <= 1)
        return false;
    return QFileInfo(path).isDir();
}

void MakeFolder(const QString &path)
{
    if (path.isEmpty())
        return;
    QDir().mkdir(path);
}

void MakeFolderPath(const QString &path)
{
    QString prefix;
    for (const QChar c : path) {
        prefix += c;
        if (c == kSep && !FolderExists(prefix))
            MakeFolder(prefix);
    }
    if (!path.isEmpty() && !path.endsWith(kSep) && !FolderExists(path))
        MakeFolder(path);
}

bool CopyFile(const QString &source, const QString &destination)
{
    const QFileInfo destInfo(destination);
    if (source.isEmpty() || destInfo.fileName().isEmpty())
        return false;
    const QByteArray from = Native(source);
    const QByteArray to = Native(destination);

    Fd in(::open(from.constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0)
        return false;
    struct stat st;
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (!NothingAt(destination))
        return false;

    // The copy grows under a hidden temporary name in the target folder, so the
    // destination name only ever shows a complete file.
    QByteArray temp = Native(destInfo.absolutePath() + QStringLiteral("/.") +
                             destInfo.fileName() + QStringLiteral(".part-XXXXXX"));
    Fd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (out.fd < 0)
        return false;

    bool ok = CopyContents(in.fd, out.fd);
    if (ok)
        ok = ::fchmod(out.fd, st.st_mode & 07777) == 0;
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ok = ::futimens(out.fd, times) == 0;
    }
    // The source may be deleted once the copy reports success (a move), so the data must
    // be on the disk first.
    if (ok)
        ok = ::fsync(out.fd) == 0;
    if (!out.Close())
        ok = false;
    if (ok)
        ok = RenameNoReplace(temp, to);
    if (!ok)
        ::unlink(temp.constData());
    return ok;
}

void DeleteFile(const QString &path)
{
    if (path.size() <= 3)
        return;
    const QFileInfo info(path);
    // A link is removed itself; the permissions of its target are not ours to change.
    if (info.isFile() && !info.isSymLink())
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    if (!info.isDir() || info.isSymLink())
        QFile::remove(path);
}

qint64 GetFileSize(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

bool RenameFile(const QString &oldPath, QString &newName, bool replace)
{
    // A path without any "/" names no folder to rename in.
    if (!oldPath.contains(kSep))
        return false;
    const QString folder = FolderPart(oldPath);
    QString newPath = folder + kSep + newName;
    newName = newPath;

    // Renaming a file to its own name must never delete it as "the file in the way".
    struct stat oldSt, newSt;
    if (::stat(Native(oldPath).constData(), &oldSt) == 0 &&
        ::stat(Native(newPath).constData(), &newSt) == 0 && oldSt.st_dev == newSt.st_dev &&
        oldSt.st_ino == newSt.st_ino) {
        if (QFileInfo(oldPath).absoluteFilePath() == QFileInfo(newPath).absoluteFilePath())
            return true;
        // The same file under another spelling (a case-insensitive file system).
        return ::rename(Native(oldPath).constData(), Native(newPath).constData()) == 0;
    }

    if (replace && FileExists(newPath))
        DeleteFile(newPath);
    if (!NothingAt(newPath)) {
        newPath = UniqueFileName(newPath);
        newName = newPath;
    }
    if (RenameNoReplace(Native(oldPath), Native(newPath)))
        return true;
    if (!CopyFile(oldPath, newPath))
        return false;
    DeleteFile(oldPath);
    return FileExists(newPath);
}

QString FolderPart(const QString &path)
{
    if (path.size() > 2 && path.endsWith(kSep)) {
        qsizetype end = path.size();
        while (end > 0 && path[end - 1] == kSep)
            --end;
        return path.left(end);
    }
    const qsizetype last = path.lastIndexOf(kSep);
    return last < 0 ? path : path.left(last);
}

QString FileNamePart(const QString &path)
{
    if (path.isEmpty() || path.endsWith(kSep))
        return QString();
    const qsizetype last = path.lastIndexOf(kSep);
    return last < 0 ? path : path.mid(last + 1);
}

QString NormalizePath(const QString &path)
{
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

QString UniqueFileName(const QString &path)
{
    if (NothingAt(path))
        return path;
    const qsizetype nameStart = path.lastIndexOf(kSep) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // A dot at the very start of the name makes a hidden file, not an extension.
    const bool hasExt = dot > nameStart;
    const QString base = hasExt ? path.left(dot) : path;
    const QString ext = hasExt ? path.mid(dot) : QString();
    for (qint64 n = 1;; ++n) {
        const QString candidate = base + QLatin1Char('(') + QString::number(n) +
                                  QLatin1Char(')') + ext;
        if (NothingAt(candidate))
            return candidate;
    }
}

QString FormatSize(double bytes)
{
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

ShellCommand PrepareShellRun(const QString &file, const QString &verb)
{
    ShellCommand cmd;
    if (file.size() < 2)
        return cmd;
    cmd.file = TextUtil::Trim(file);
    if (cmd.file.isEmpty())
        return cmd;
    cmd.valid = true;
    cmd.folder = FolderPart(cmd.file);
    if (cmd.folder.isEmpty() && cmd.file.startsWith(kSep))
        cmd.folder = kSep;
    cmd.verb = verb.isEmpty() ? QStringLiteral("open") : verb;
    const QChar quote = QLatin1Char('"');
    if (cmd.file.contains(QLatin1Char(' ')) && !cmd.file.startsWith(quote) &&
        !cmd.file.endsWith(quote))
        cmd.file = quote + cmd.file + quote;
    return cmd;
}

bool ShellRun(const QString &file, const QString &verb, const QString &parameters, int showMode)
{
    Q_UNUSED(parameters);
    Q_UNUSED(showMode);
    const ShellCommand cmd = PrepareShellRun(file, verb);
    if (!cmd.valid || cmd.verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return false;
    QString path = cmd.file;
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return Dialogs().OpenPath(path);
}

void ShowFileProperties(const QString &path)
{
    Dialogs().ShowProperties(path);
}

QString ShowFileDialog(bool save, const QString &filter, const QString &cancelValue,
                       const QString &title, const QString &defaultExt,
                       const QString &startFolder)
{
    const QString result = Dialogs().FileDialog(
        save, filter.isEmpty() ? QStringLiteral("All Files (*.*)|*.*") : filter, cancelValue,
        title.isEmpty() ? QStringLiteral("Select File...") : title, defaultExt,
        startFolder.isEmpty() ? ProgramFolder() : startFolder);
    return result.isEmpty() ? cancelValue : result;
}

QString BrowseForFolder(const QString &title, const QString &startFolder, int flags)
{
    Q_UNUSED(flags);
    return Dialogs().BrowseForFolder(title,
                                     startFolder.isEmpty() ? QDir::currentPath() : startFolder);
}

int ChooseColorDialog(int initialColor)
{
    return Dialogs().ChooseColor(initialColor);
}
