#include "base/filemover.h"

#include "base/filehelpers.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileMover {
qint64 failCopyAfterBytes = -1;

namespace {
// Copies the whole of @p in to @p out; false on any error or a short write.
bool CopyData(int in, int out, qint64 size)
{
    qint64 done = 0;
    const bool limited = failCopyAfterBytes >= 0;
    while (done < size) {
        qint64 chunk = qMin<qint64>(size - done, 1 << 20);
        if (limited)
            chunk = qMin(chunk, failCopyAfterBytes - done);
        if (chunk <= 0)
            return false;
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(chunk), 0);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n == 0)
            return false; // the source shrank
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return false;
        // Plain reads and writes where the kernel cannot copy between these files.
        char buffer[128 * 1024];
        const ssize_t r = ::pread(in, buffer, static_cast<size_t>(qMin<qint64>(chunk, sizeof buffer)), done);
        if (r <= 0)
            return false;
        if (::pwrite(out, buffer, static_cast<size_t>(r), done) != r)
            return false;
        done += r;
    }
    return true;
}

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

bool StatOf(const QString &path, struct stat &st)
{
    return ::stat(Native(path).constData(), &st) == 0;
}
} // namespace

MoveResult MoveNoReplace(const QString &source, const QString &destination)
{
    const QByteArray src = Native(source);
    const QByteArray dst = Native(destination);
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) ==
        0)
        return MoveResult::Moved;
    if (errno == EEXIST)
        return MoveResult::Exists;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return MoveResult::NotPossible;
    // File systems without RENAME_NOREPLACE: a hard link is created only where no name is.
    if (::link(src.constData(), dst.constData()) != 0)
        return errno == EEXIST ? MoveResult::Exists : MoveResult::NotPossible;
    if (::unlink(src.constData()) != 0) {
        ::unlink(dst.constData());
        return MoveResult::NotPossible;
    }
    return MoveResult::Moved;
}

bool MoveReplacing(const QString &source, const QString &destination)
{
    return std::rename(Native(source).constData(), Native(destination).constData()) == 0;
}

bool CompleteCopy(const QString &source, const QString &destination)
{
    struct stat s {};
    struct stat d {};
    return StatOf(source, s) && StatOf(destination, d) && S_ISREG(d.st_mode) &&
           s.st_size == d.st_size;
}

bool CopyReplacing(const QString &source, const QString &destination)
{
    const QString folder = FolderPart(destination);
    QString temp;
    do {
        temp = folder + QStringLiteral("/.sortiva-") +
               QString::number(QRandomGenerator::global()->generate64(), 36) +
               QStringLiteral(".part");
    } while (QFile::exists(temp));
    if (!CopyFile(source, temp) || !CompleteCopy(source, temp) ||
        std::rename(Native(temp).constData(), Native(destination).constData()) != 0) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

bool CopyChecked(const QString &source, const QString &destination)
{
    if (!CopyFile(source, destination))
        return false;
    if (CompleteCopy(source, destination))
        return true;
    QFile::remove(destination);
    return false;
}

bool CopyKeepingSource(const QString &source, const QString &destination)
{
    const int in = ::open(Native(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    // An unnamed file in the target folder gets its name only when it is complete; where
    // the file system has no unnamed files, a hidden temporary name is renamed instead.
    QByteArray temp;
    int out = ::open(Native(FolderPart(destination)).constData(),
                     O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (out < 0) {
        temp = Native(FolderPart(destination) + QStringLiteral("/.") +
                      FileNamePart(destination) + QStringLiteral(".part-XXXXXX"));
        out = ::mkostemp(temp.data(), O_CLOEXEC);
    }
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = CopyData(in, out, st.st_size) && ::fchmod(out, st.st_mode & 07777) == 0;
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ok = ::futimens(out, times) == 0;
    }
    ::close(in);
    if (ok && temp.isEmpty()) {
        // linkat never replaces a name that exists.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(out);
        ok = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(destination).constData(),
                      AT_SYMLINK_FOLLOW) == 0;
    }
    if (::close(out) != 0)
        ok = false;
    if (!temp.isEmpty()) {
        if (ok)
            ok = MoveNoReplace(QFile::decodeName(temp), destination) == MoveResult::Moved;
        if (!ok)
            ::unlink(temp.constData());
    }
    return ok;
}

bool SameFile(const QString &a, const QString &b)
{
    struct stat sa {};
    struct stat sb {};
    return StatOf(a, sa) && StatOf(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
} // namespace FileMover
