#pragma once

#include <QString>
#include <QtGlobal>

/**
 * The few places where tests reach into a running command: faults that a test cannot
 * bring about through the file system (a full disk, a file held open by another program)
 * and waits that only slow a test down. The program runs on the defaults; a test installs
 * its own subclass for as long as it needs it.
 */
class TestSeams {
  public:
    virtual ~TestSeams() = default;

    /**
     * How many bytes of the next @p block a file copy may write, @p written bytes into the
     * copy. An answer below @p block writes that much and then fails the copy the way a
     * full disk does.
     */
    virtual qint64 CopyAllowance(qint64 written, qint64 block) const {
        Q_UNUSED(written);
        return block;
    }
    /**
     * True makes the kernel refuse to copy between two files (EXDEV), as it does across file
     * systems (a USB stick, a network share): copies then take the plain read/write path.
     */
    virtual bool KernelCopyRefused() const { return false; }
    /**
     * True makes closing a copy report a write error the disk deferred until then, as a
     * network file system may.
     */
    virtual bool CloseFails() const { return false; }
    /**
     * Called just before an organize run places a file at @p destination: another program
     * may take that name in this moment.
     */
    virtual void BeforePlacing(const QString &destination) const { Q_UNUSED(destination); }
    /** True when the organize run can neither delete nor move @p sourcePath. */
    virtual bool SourceLocked(const QString &sourcePath) const {
        Q_UNUSED(sourcePath);
        return false;
    }
    /**
     * True makes reading @p folder fail as a folder without read permission does (tests run
     * as root too, which can read every folder).
     */
    virtual bool FolderUnreadable(const QString &folder) const {
        Q_UNUSED(folder);
        return false;
    }
    /** The pause after an organize run shows "Finished", in milliseconds. */
    virtual int FinishPauseMs() const { return 500; }
    /**
     * How often a running load refreshes its status text and progress bar, in
     * milliseconds; 0 shows every step.
     */
    virtual int LoadStatusIntervalMs() const { return 50; }
    /** How long a download may receive nothing before it fails, in milliseconds. */
    virtual int TransferStallMs() const { return 30000; }
    /**
     * How long the update description, a few hundred bytes, may take to arrive whole, in
     * milliseconds: a server dripping a byte now and then never stalls, but must not keep
     * the check waiting for ever.
     */
    virtual int DescriptionDeadlineMs() const { return 60000; }
    /** The largest setup program fetched when the update description names no size. */
    virtual qint64 SetupSizeLimit() const { return qint64(512) * 1024 * 1024; }
};

/** The seams in force: the installed ones, else the defaults. */
const TestSeams &Seams();

/**
 * Installs @p seams (not owned; they must outlive their use); nullptr restores the
 * defaults. Only tests call this.
 */
void InstallTestSeams(const TestSeams *seams);
