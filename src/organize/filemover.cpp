#include "organize/filemover.h"

#include "organize/filehelpers.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileMover {
namespace {
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

bool SameFile(const QString &a, const QString &b)
{
    struct stat sa {};
    struct stat sb {};
    return StatOf(a, sa) && StatOf(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
} // namespace FileMover
