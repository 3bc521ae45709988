#include "base/desktoptrash.h"

#include "base/fileoperations.h"
#include "base/nativepath.h"
#include "base/paths.h"

#include <QDateTime>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool DeviceOf(const QString &path, dev_t &device) {
    struct stat st;
    if (::stat(NativePath(path).constData(), &st) != 0)
        return false;
    device = st.st_dev;
    return true;
}

QString HomeTrash() {
    QByteArray data = qgetenv("XDG_DATA_HOME");
    // The base directory rules ignore a relative value.
    if (!data.startsWith('/'))
        data = qgetenv("HOME") + "/.local/share";
    return PathFromNative(data) + QStringLiteral("/Trash");
}

QString Under(const QString &folder, const QString &name) {
    return folder.endsWith(QLatin1Char('/')) ? QString(folder + name)
                                             : QString(folder + QLatin1Char('/') + name);
}

// The nearest folder at or above @p path that stands.
QString NearestExisting(QString path) {
    while (path.size() > 1 && !FolderExists(path))
        path = FolderPart(path);
    return path.isEmpty() ? QStringLiteral("/") : path;
}

// The top folder of the file system that holds @p folder: the highest folder above it on
// the same device.
QString TopOf(const QString &folder, dev_t device) {
    QString top = folder;
    while (top.size() > 1) {
        QString parent = FolderPart(top);
        if (parent.isEmpty())
            parent = QStringLiteral("/");
        dev_t d;
        if (!DeviceOf(parent, d) || d != device)
            break;
        top = parent;
    }
    return top;
}

// A trash folder of our own: a real folder (not a link) that we own, made when missing.
bool UsableTrash(const QString &trash) {
    MakeFolderPath(trash + QStringLiteral("/files"));
    MakeFolder(trash + QStringLiteral("/info"));
    struct stat st;
    const QByteArray native = NativePath(trash);
    return ::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && FolderExists(trash + QStringLiteral("/files")) &&
           FolderExists(trash + QStringLiteral("/info"));
}

// The trash for a file in @p folder and the form its info file gives the path in: absolute
// in the home trash, relative to the top folder in a file system's own trash.
bool TrashFor(const QString &folder, QString &trash, QString &relativeTo) {
    dev_t device;
    if (!DeviceOf(folder, device))
        return false;
    const QString home = HomeTrash();
    dev_t homeDevice;
    if (DeviceOf(NearestExisting(home), homeDevice) && homeDevice == device) {
        trash = home;
        relativeTo.clear();
        return UsableTrash(trash);
    }
    const QString top = TopOf(folder, device);
    const QString uid = QString::number(::getuid());
    const QString shared = Under(top, QStringLiteral(".Trash"));
    struct stat st;
    // A shared trash counts only with the sticky bit and not as a link, so another user
    // cannot have planted it.
    if (::lstat(NativePath(shared).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        (st.st_mode & S_ISVTX) && UsableTrash(shared + QLatin1Char('/') + uid)) {
        trash = shared + QLatin1Char('/') + uid;
        relativeTo = top;
        return true;
    }
    trash = Under(top, QStringLiteral(".Trash-") + uid);
    relativeTo = top;
    return UsableTrash(trash);
}

QByteArray InfoText(const QString &path, const QString &relativeTo) {
    QString shown = path;
    if (!relativeTo.isEmpty()) {
        shown = path.mid(relativeTo.size());
        while (shown.startsWith(QLatin1Char('/')))
            shown.remove(0, 1);
    }
    return "[Trash Info]\nPath=" + NativePath(shown).toPercentEncoding("/") + "\nDeletionDate=" +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toUtf8() +
           "\n";
}
} // namespace

TrashSlot ReserveTrashSlot(const QString &path) {
    const QString absolute = AbsolutePath(path);
    const QString name = FileNamePart(absolute);
    QString trash;
    QString relativeTo;
    if (name.isEmpty() || !TrashFor(FolderPart(absolute), trash, relativeTo))
        return {};
    const QByteArray info = InfoText(absolute, relativeTo);
    for (int n = 1; n < 10000; ++n) {
        const QString candidate = n == 1 ? name : name + QLatin1Char('.') + QString::number(n);
        TrashSlot slot{trash + QStringLiteral("/files/") + candidate,
                       trash + QStringLiteral("/info/") + candidate + QStringLiteral(".trashinfo")};
        if (!NothingAt(slot.file))
            continue;
        // Creating the info file claims the name, as the layout asks of every program.
        const int fd = ::open(NativePath(slot.info).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        const bool written = ::write(fd, info.constData(), size_t(info.size())) == info.size();
        ::close(fd);
        if (written && NothingAt(slot.file))
            return slot;
        ::unlink(NativePath(slot.info).constData());
        if (!written)
            return {};
    }
    return {};
}

void ReleaseTrashSlot(const TrashSlot &slot) {
    if (!slot.IsNull())
        ::unlink(NativePath(slot.info).constData());
}

bool MoveToTrashSlot(const QString &path, const TrashSlot &slot) {
    if (!slot.IsNull() && MoveNoReplace(path, slot.file) == MoveResult::Moved)
        return true;
    ReleaseTrashSlot(slot);
    return false;
}

bool RestoreFromTrash(const TrashSlot &slot, const QString &path) {
    if (slot.IsNull() || !FileExists(slot.file))
        return false;
    if (MoveNoReplace(slot.file, path) != MoveResult::Moved)
        return false;
    ReleaseTrashSlot(slot);
    return true;
}

QString TrashInfoOf(const QString &trashedFile) {
    const QString files = FolderPart(trashedFile);
    return FolderPart(files) + QStringLiteral("/info/") + FileNamePart(trashedFile) +
           QStringLiteral(".trashinfo");
}
