#pragma once

#include "base/desktoptrash.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QJsonObject;

/** What the journal knows a file by: its size and modification time (nanoseconds). */
struct FileStamp {
    qint64 size = -1;
    qint64 mtimeNs = 0;

    /** The stamp of the regular file at @p path (links followed); null when there is none. */
    static FileStamp Of(const QString &path);
    bool IsNull() const { return size < 0; }
    bool operator==(const FileStamp &o) const { return size == o.size && mtimeNs == o.mtimeNs; }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};

/** The folder the journals live in: $XDG_STATE_HOME/Sortiva/journal. */
QString JournalFolder();
/** How many runs the journal keeps. */
constexpr int kJournalRuns = 10;

/**
 * A path as the journal writes it, and back. JSON text must be valid Unicode, but a path
 * may hold bytes that are not UTF-8 (held as lone U+DC80-U+DCFF): each such byte is
 * written as "%XX" and a "%" itself as "%25"; everything else stays as it reads. So the
 * journal stays readable and every path comes back with its exact bytes.
 */
QString JournalPathText(const QString &path);
QString PathFromJournalText(const QString &text);

/**
 * The journal of one organize run that copies, moves or replaces files: a JSON Lines file
 * in JournalFolder(), named by the run's start time and made with the run's first record,
 * the oldest beyond kJournalRuns removed then. Each line is written with one write() before
 * the step it records is made final, so a run killed at any moment leaves a journal that
 * undo can follow; undo judges what really happened by what stands on the disk.
 *
 * Lines: a head {"journal":1,"started","source","dest"}; {"folder"} before
 * a folder is created; {"file":n,"source","dest","size","mtime","move"} before a file is
 * placed, with "replaces":{"size","mtime"} and "trash" (the place in the desktop trash the
 * old file goes to, "" when it cannot be kept) when it replaces one; {"done":n,"placed",
 * "sourceDeleted","size","mtime"} afterwards; {"undone"} once undo has gone through it.
 */
class OrganizeJournal {
  public:
    OrganizeJournal(QString sourceFolder, QString destFolder);
    ~OrganizeJournal();
    OrganizeJournal(const OrganizeJournal &) = delete;
    OrganizeJournal &operator=(const OrganizeJournal &) = delete;

    /** Creates one missing folder level, recorded first. */
    void MakeFolder(const QString &folder);
    /** Creates every missing level of @p path, each recorded first. */
    void MakeFolderPath(const QString &path);

    /** A file the run is about to place. */
    struct Entry {
        int number = 0;
        /** Where the file it replaces goes; null when it replaces none or cannot be kept. */
        TrashSlot trash;
    };
    /**
     * Records that @p source is about to be placed at @p destination (moved when @p move);
     * when @p replacing, reserves the old file's place in the trash first.
     */
    Entry BeginFile(const QString &source, const QString &destination, bool move, bool replacing);
    /** Records how the placement of @p entry ended. */
    void EndFile(const Entry &entry, bool placed, bool sourceDeleted, const QString &destination);

    /** The journal's file; empty until the first record. */
    QString FilePath() const { return m_path; }

  private:
    bool Append(const QJsonObject &line);
    bool Open();

    QString m_source;
    QString m_dest;
    QString m_path;
    int m_fd = -1;
    bool m_failed = false;
    int m_files = 0;
};

/** One file of a journalled run, as read back. */
struct JournalFile {
    QString source;
    QString destination;
    /** The source as it was before the placement. */
    FileStamp sourceStamp;
    bool move = false;
    bool replacing = false;
    /** The file it replaced, and where that went ("" when it could not be kept). */
    FileStamp replaced;
    QString trash;
    /** The run got to record the end of the placement. */
    bool ended = false;
    bool placed = false;
    bool sourceDeleted = false;
    /** The placed file as it stood afterwards. */
    FileStamp placedStamp;
};

/** A journalled run, as read back. */
struct JournalRun {
    QString path;
    QString started;
    QString sourceFolder;
    QString destFolder;
    QStringList folders;
    QList<JournalFile> files;
    bool undone = false;

    /** The files the run placed or may have placed (killed before it could say). */
    int PlacedCount() const;
};

/** Reads a journal; a line cut short by a kill is skipped. Nothing when it has no head. */
std::optional<JournalRun> ReadJournal(const QString &path);
/** The journal files, oldest first. */
QStringList JournalFiles();
/** The newest run not yet undone. */
std::optional<JournalRun> LastRunToUndo();
/** Marks the run of journal @p path as undone. */
void MarkUndone(const QString &path);
