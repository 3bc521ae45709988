#include "organize/organizelock.h"

#include "base/dialogseam.h"
#include "base/paths.h"
#include "base/settingsstore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString RealFolderPath(const QString &folder) {
    const QFileInfo info(folder);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : real;
}

QString LockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return FolderPart(SettingsStore::FileName());
}
} // namespace

QString OrganizeLock::LockFilePath(const QString &sourceFolder) {
    const QByteArray key =
        QCryptographicHash::hash(RealFolderPath(sourceFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex();
    return LockFolder() + QStringLiteral("/sortiva-organize-") + QString::fromLatin1(key) +
           QStringLiteral(".lock");
}

OrganizeLock::OrganizeLock(const QString &sourceFolder) {
    const QString path = LockFilePath(sourceFolder);
    QDir().mkpath(FolderPart(path));
    // The file stays when the run ends: removing it would let a third run lock a new file
    // while a second one still waits on the old.
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                  0600);
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return;
    m_busy = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
}

OrganizeLock::~OrganizeLock() {
    if (m_fd >= 0)
        ::close(m_fd); // closing the only descriptor lets go of the lock
}

QString OrganizeBusyText() {
    return QStringLiteral("Another organize of this folder is running.");
}

std::unique_ptr<OrganizeLock> LockForOrganize(const QString &sourceFolder) {
    auto lock = std::make_unique<OrganizeLock>(sourceFolder);
    if (!lock->Busy())
        return lock;
    Dialogs().Message(OrganizeBusyText(), MsgButtons::Ok, MsgIcon::Information);
    return nullptr;
}
