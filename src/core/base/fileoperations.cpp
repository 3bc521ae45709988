#include "base/fileoperations.h"

#include "base/nativepath.h"
#include "base/paths.h"
#include "base/testseams.h"

#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {
const QChar kSep = QLatin1Char('/');
constexpr qint64 kBlock = 1 << 20;

QByteArray Native(const QString &path) {
    return NativePath(path);
}

bool StatOf(const QByteArray &path, struct stat &st) {
    return ::stat(path.constData(), &st) == 0;
}

bool SameSize(const QByteArray &source, const QByteArray &destination) {
    struct stat s {};
    struct stat d {};
    return StatOf(source, s) && StatOf(destination, d) && S_ISREG(d.st_mode) &&
           s.st_size == d.st_size;
}

// Closes a descriptor on every way out.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    // Closing can report a deferred write error (network file systems), so it is checked.
    bool Close() {
        const int f = fd;
        fd = -1;
        const bool closed = ::close(f) == 0;
        return closed && !Seams().CloseFails();
    }
};

bool WriteAll(int fd, const char *data, qint64 size) {
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

// The kernel's copy between two files, which a test can make refuse as another file system does.
ssize_t KernelCopy(int in, int out, qint64 count) {
    if (Seams().KernelCopyRefused()) {
        errno = EXDEV;
        return -1;
    }
    return ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(count), 0);
}

// Copies @p count bytes from the current offset of @p in to @p out. The kernel copies
// between the files where it can (no trip through our memory, a shared extent on file
// systems that clone); elsewhere, plain reads and writes take over for the rest of the copy.
bool CopyBlock(int in, int out, qint64 count, bool &kernelCopy, std::vector<char> &buffer) {
    while (count > 0) {
        if (kernelCopy) {
            const ssize_t n = KernelCopy(in, out, count);
            if (n > 0) {
                count -= n;
                continue;
            }
            if (n == 0)
                return false; // the source shrank
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                return false;
            kernelCopy = false;
        }
        if (buffer.empty())
            buffer.resize(static_cast<size_t>(kBlock));
        const ssize_t got =
            ::read(in, buffer.data(), static_cast<size_t>(qMin<qint64>(count, kBlock)));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return false; // the source shrank
        if (!WriteAll(out, buffer.data(), got))
            return false;
        count -= got;
    }
    return true;
}

// Copies the first @p size bytes of @p in to @p out; false on any error or a short source.
bool CopyData(int in, int out, qint64 size) {
    const TestSeams &seams = Seams();
    std::vector<char> buffer;
    bool kernelCopy = true;
    qint64 done = 0;
    while (done < size) {
        const qint64 block = qMin(kBlock, size - done);
        const qint64 allowed = std::clamp(seams.CopyAllowance(done, block), qint64(0), block);
        if (allowed > 0 && !CopyBlock(in, out, allowed, kernelCopy, buffer))
            return false;
        done += allowed;
        if (allowed < block) {
            errno = ENOSPC;
            return false;
        }
    }
    return true;
}

MoveResult MoveNoReplaceNative(const QByteArray &from, const QByteArray &to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return MoveResult::Moved;
    if (errno == EEXIST)
        return MoveResult::Exists;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return MoveResult::NotPossible;
    // The file system cannot rename without replacing: a hard link refuses an existing
    // target just as well.
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) == 0)
            return MoveResult::Moved;
        ::unlink(to.constData());
        return MoveResult::NotPossible;
    }
    if (errno == EEXIST)
        return MoveResult::Exists;
    // No hard links either (FAT and some network shares): test, then rename.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0)
        return MoveResult::Exists;
    if (errno != ENOENT)
        return MoveResult::NotPossible;
    return ::rename(from.constData(), to.constData()) == 0 ? MoveResult::Moved
                                                           : MoveResult::NotPossible;
}

// A free hidden name for a temporary of @p name in @p folder.
QByteArray HiddenName(const QByteArray &folder, const QString &name) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray path = folder + "/." + NativePath(name) + ".part-XXXXXX";
    struct stat st;
    do {
        for (qsizetype i = path.size() - 6; i < path.size(); ++i)
            path[i] = kLetters[QRandomGenerator::global()->bounded(62)];
    } while (::lstat(path.constData(), &st) == 0);
    return path;
}

enum class Placement { NoReplace, Replace };
enum class Durability { Synced, Cached };

// The one copy: a temporary in the destination's folder that gets the destination name
// only when it is complete, with the source's permissions and times.
bool CopyAndPlace(const QString &source, const QString &destination, Placement placement,
                  Durability durability) {
    const QString destName = FileNamePart(destination);
    if (source.isEmpty() || destName.isEmpty())
        return false;
    const QByteArray to = Native(destination);

    Fd in(::open(Native(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0)
        return false;
    struct stat st;
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (placement == Placement::NoReplace && !NothingAt(destination))
        return false;

    // An unnamed file vanishes by itself if the program dies during the copy; where the
    // file system has none, a hidden name is used, which a later run sweeps away.
    const QString folder = FolderPart(AbsolutePath(destination));
    QByteArray temp;
    int fd = ::open(Native(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    const bool unnamed = fd >= 0;
    if (!unnamed) {
        temp = Native(folder + QStringLiteral("/.") + destName + QStringLiteral(".part-XXXXXX"));
        fd = ::mkostemp(temp.data(), O_CLOEXEC);
    }
    if (fd < 0)
        return false;
    Fd out(fd);

    bool ok = CopyData(in.fd, out.fd, st.st_size) && ::fchmod(out.fd, st.st_mode & 07777) == 0;
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ok = ::futimens(out.fd, times) == 0;
    }
    // A source that is deleted once its copy stands (a move) needs the data on the disk
    // first.
    if (ok && durability == Durability::Synced)
        ok = ::fsync(out.fd) == 0;

    struct stat placed {};
    if (unnamed && ok) {
        ok = ::fstat(out.fd, &placed) == 0;
        // linkat never replaces a name that exists: a new name goes straight into place, a
        // replacing one gets a hidden name first, named only for the rename that follows.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(out.fd);
        const QByteArray linkTarget =
            placement == Placement::NoReplace ? to : HiddenName(Native(folder), destName);
        ok = ok && ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, linkTarget.constData(),
                            AT_SYMLINK_FOLLOW) == 0;
        if (ok && placement == Placement::Replace)
            temp = linkTarget;
    }
    if (!out.Close() && ok) {
        // A write error reported only at close: the named file may be incomplete.
        ok = false;
        if (unnamed && placement == Placement::NoReplace) {
            struct stat now;
            if (::lstat(to.constData(), &now) == 0 && now.st_dev == placed.st_dev &&
                now.st_ino == placed.st_ino)
                ::unlink(to.constData());
        }
    }
    if (unnamed && placement == Placement::NoReplace)
        return ok;
    if (ok && placement == Placement::Replace)
        ok = SameSize(Native(source), temp) && ::rename(temp.constData(), to.constData()) == 0;
    else if (ok)
        ok = MoveNoReplaceNative(temp, to) == MoveResult::Moved;
    if (!ok && !temp.isEmpty())
        ::unlink(temp.constData());
    return ok;
}

// True for a name our copies give their temporaries: ".name.part-" and six letters or digits.
bool IsTemporaryName(const char *name) {
    const size_t length = std::strlen(name);
    constexpr size_t kTail = 12; // ".part-XXXXXX"
    if (name[0] != '.' || length < kTail + 2 || std::strncmp(name + length - kTail, ".part-", 6))
        return false;
    for (size_t i = length - 6; i < length; ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}
} // namespace

void MakeFolder(const QString &path) {
    if (path.isEmpty())
        return;
    ::mkdir(Native(path).constData(), 0777);
}

void MakeFolderPath(const QString &path) {
    QString prefix;
    for (const QChar c : path) {
        prefix += c;
        if (c == kSep && !FolderExists(prefix))
            MakeFolder(prefix);
    }
    if (!path.isEmpty() && !path.endsWith(kSep) && !FolderExists(path))
        MakeFolder(path);
}

void DeleteFile(const QString &path) {
    if (path.size() <= 3)
        return;
    const QByteArray native = Native(path);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return;
    // A link is removed itself; the permissions of its target are not ours to change.
    if (S_ISREG(st.st_mode))
        ::chmod(native.constData(), (st.st_mode & 07777) | S_IWUSR);
    ::unlink(native.constData());
}

bool CopyFile(const QString &source, const QString &destination) {
    return CopyAndPlace(source, destination, Placement::NoReplace, Durability::Synced);
}

bool CopyChecked(const QString &source, const QString &destination) {
    if (!CopyFile(source, destination))
        return false;
    if (CompleteCopy(source, destination))
        return true;
    ::unlink(Native(destination).constData());
    return false;
}

bool CopyKeepingSource(const QString &source, const QString &destination) {
    return CopyAndPlace(source, destination, Placement::NoReplace, Durability::Cached);
}

bool CopyReplacing(const QString &source, const QString &destination) {
    return CopyAndPlace(source, destination, Placement::Replace, Durability::Synced);
}

MoveResult MoveNoReplace(const QString &source, const QString &destination) {
    return MoveNoReplaceNative(Native(source), Native(destination));
}

bool MoveReplacing(const QString &source, const QString &destination) {
    return std::rename(Native(source).constData(), Native(destination).constData()) == 0;
}

bool RenameFile(const QString &oldPath, QString &newName, bool replace) {
    // A path without any "/" names no folder to rename in.
    if (!oldPath.contains(kSep))
        return false;
    const QString folder = FolderPart(oldPath);
    QString newPath = folder + kSep + newName;
    newName = newPath;

    // Renaming a file to its own name must never delete it as "the file in the way".
    if (SameFile(oldPath, newPath)) {
        if (AbsolutePath(oldPath) == AbsolutePath(newPath))
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
    if (MoveNoReplace(oldPath, newPath) == MoveResult::Moved)
        return true;
    if (!CopyFile(oldPath, newPath))
        return false;
    DeleteFile(oldPath);
    return FileExists(newPath);
}

bool SameFile(const QString &a, const QString &b) {
    struct stat sa {};
    struct stat sb {};
    return StatOf(Native(a), sa) && StatOf(Native(b), sb) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool CompleteCopy(const QString &source, const QString &destination) {
    return SameSize(Native(source), Native(destination));
}

WholeFileWriter::WholeFileWriter(const QString &path) : m_target(Native(path)) {}

WholeFileWriter::~WholeFileWriter() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
}

bool WholeFileWriter::Open() {
    const qsizetype slash = m_target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : m_target.left(slash);
    const QByteArray name = m_target.mid(slash + 1);
    if (name.isEmpty())
        return false;
    QByteArray temp = folder + "/." + name + ".part-XXXXXX";
    m_fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_temp = temp;
    // A listing is a document: readable as any new file of the user's would be.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(m_fd, 0666 & ~mask);
    return true;
}

bool WholeFileWriter::Write(const QByteArray &data) {
    if (m_fd < 0 || m_failed)
        return false;
    m_failed = !WriteAll(m_fd, data.constData(), data.size());
    return !m_failed;
}

void RemoveStaleTemporaries(const QString &folder, qint64 startNs) {
    const QByteArray native = Native(folder);
    DIR *dir = ::opendir(native.constData());
    if (!dir)
        return;
    while (const dirent *d = ::readdir(dir)) {
        if (!IsTemporaryName(d->d_name))
            continue;
        const QByteArray path = native + '/' + d->d_name;
        struct stat st;
        // The change time, which a copy's own time stamps do not set back: a temporary
        // still being written is newer than the run.
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec <= startNs)
            ::unlink(path.constData());
    }
    ::closedir(dir);
}

bool WholeFileWriter::Commit() {
    if (m_fd < 0)
        return false;
    bool ok = !m_failed && ::fsync(m_fd) == 0;
    Fd closing(m_fd);
    m_fd = -1;
    ok = closing.Close() && ok;
    ok = ok && ::rename(m_temp.constData(), m_target.constData()) == 0;
    if (ok)
        m_temp.clear();
    return ok;
}
