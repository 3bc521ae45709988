#pragma once

#include <QString>

#include <memory>

/**
 * The advisory lock (flock) an organize run holds on its Source Media folder for the whole
 * run. Two runs on one folder at once (two windows, or a window and sortiva-cli) would each
 * meet the other's copies as clashes and place the same files twice under numbered names.
 * The lock is keyed by the folder's real path, so two spellings of one folder share it; its
 * file lives in $XDG_RUNTIME_DIR, else in the settings folder. The kernel lets go of it when
 * the process ends, however it ends.
 */
class OrganizeLock {
  public:
    /** Tries to take the lock of @p sourceFolder without waiting. */
    explicit OrganizeLock(const QString &sourceFolder);
    ~OrganizeLock();
    OrganizeLock(const OrganizeLock &) = delete;
    OrganizeLock &operator=(const OrganizeLock &) = delete;

    /**
     * True when another run holds the folder. A lock that cannot be had for any other
     * reason (no writable folder, a file system without locks) does not stop the run.
     */
    bool Busy() const { return m_busy; }

    /** The lock file of @p sourceFolder. */
    static QString LockFilePath(const QString &sourceFolder);

  private:
    int m_fd = -1;
    bool m_busy = false;
};

/** What a run that finds its folder locked tells the user. */
QString OrganizeBusyText();

/**
 * Takes the lock for a run on @p sourceFolder. When another run holds it, tells the user
 * OrganizeBusyText() through the dialog seam and returns nothing: the run must not start.
 */
std::unique_ptr<OrganizeLock> LockForOrganize(const QString &sourceFolder);
