#pragma once

#include "listing/folder.h"
#include "listing/keyedcollection.h"
#include "listing/listingoptions.h"
#include "naming/filesearch.h"

#include <QObject>
#include <QString>

/** How writing a listing file ended. */
enum class SaveResult {
    Saved,      ///< the complete listing stands at the path
    NoFolders,  ///< the list is empty; nothing was created or touched
    WriteFailed ///< the file could not be created or written; an old file is unchanged
};

/**
 * The listing of one folder tree: its folders in breadth-first order with their listed
 * files, and the totals. Filled once by SearchFiles and written by SaveFiles; both report
 * through Status and Progress.
 */
class FolderList : public QObject, public KeyedCollection<Folder> {
    Q_OBJECT
  public:
    explicit FolderList(QObject *parent = nullptr);

    /** The folder whose tree is listed, without a trailing "/". */
    QString RootPath() const { return m_rootPath; }
    void SetRootPath(const QString &value) { m_rootPath = value; }
    /** Total bytes of all listed files. */
    qint64 Size() const { return m_size; }
    void SetSize(qint64 value) { m_size = value; }
    /** Total number of listed files. */
    int FileCount() const { return m_fileCount; }
    void SetFileCount(int value) { m_fileCount = value; }

    /**
     * Lists RootPath and every folder below it, breadth first, each with its files that
     * match @p fileFilter (pattern form, "*.mp3;*.wav"); hidden entries included. Folders
     * that cannot be read are listed empty and noted in Unread(). Always true.
     */
    bool SearchFiles(const QString &fileFilter);
    /** The folders the last search could not read. */
    const SearchReport &Unread() const { return m_unread; }

    /** The header of the text listing (six lines, each ending with CR LF), dated @p date. */
    QString ToText(const QDateTime &date) const;
    /** The summary table of the XHTML listing (ends with CR LF) in @p options' look. */
    QString ToHtml(const ListingOptions &options) const;
    /**
     * Writes the listing to @p filePath as XHTML or text, as @p options say, leaving out
     * folders without files when they ask for it. The file is replaced only by a complete
     * listing.
     */
    SaveResult SaveFiles(const QString &filePath, const ListingOptions &options);

  signals:
    /** A line of status text for the user. */
    void Status(const QString &text);
    /** @p value steps of @p max done in the current pass. */
    void Progress(int value, int max);

  private:
    QString m_rootPath;
    qint64 m_size = 0;
    int m_fileCount = 0;
    SearchReport m_unread;
};
