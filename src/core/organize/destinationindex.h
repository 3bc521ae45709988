#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <functional>

/**
 * The names under the Organize To folder, matched without regard to case: a row for
 * "Corvelle" finds an existing folder "corvelle", and "Song.mp3" meets an existing
 * "song.mp3". Each folder is listed once per run and then kept up to date with what the
 * run itself adds and removes.
 */
class DestinationIndex {
  public:
    /** Whether the run places files or only plans where they would go. */
    enum class Mode {
        Placing, ///< a name counts as taken while a file stands under it
        Planning ///< names recorded by Added() count as taken without being on disk
    };

    DestinationIndex(QString outpath, Mode mode);

    /**
     * The target folder of a folder name: the Organize To folder itself for an empty name,
     * an existing folder whose name matches without regard to case, or the path the new
     * folder will get.
     */
    QString TargetFolder(const QString &folderName);
    /** Creates a missing target folder (one level; failure is silent). */
    void MakeTarget(const QString &folder);
    /** Has MakeTarget create folders through @p make (which records them) instead. */
    void SetFolderMaker(std::function<void(const QString &folder)> make) {
        m_makeFolder = std::move(make);
    }
    /** The name of a file in @p folder matching @p name without regard to case, or "". */
    QString ExistingName(const QString &folder, const QString &name);
    /**
     * @p name, or the first free "base(1).ext", "base(2).ext"… in @p folder; a name without
     * an extension (or a dot-file like ".notes") gets the number at its end.
     */
    QString FreeName(const QString &folder, const QString &name);
    /** Records a file the run placed in @p folder. */
    void Added(const QString &folder, const QString &name);
    /** Records a file the run removed from @p folder. */
    void Removed(const QString &folder, const QString &name);
    /** Forgets what is known of @p folder (after a surprise such as a name taken meanwhile). */
    void Forget(const QString &folder);

    /** Joins a folder and a name with one "/". */
    static QString Join(const QString &folder, const QString &name);

  private:
    using Names = QHash<QString, QString>; // case-folded name -> name on disk
    Names &Files(const QString &folder);

    QString m_outpath;
    // Folder names resolved to folders that stand, and the folders known to stand.
    QHash<QString, QString> m_targets;
    QSet<QString> m_existing;
    bool m_foldersListed = false;
    bool m_planning;
    // When the run began: temporaries older than this are left over from killed runs.
    qint64 m_startNs;
    Names m_folders;
    std::function<void(const QString &)> m_makeFolder;
    QHash<QString, Names> m_files;
};
