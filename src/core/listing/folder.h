#pragma once

#include "listing/filelist.h"

#include <QString>

#include <memory>

/** One listed folder of a directory listing, owning its listed files. */
class Folder {
  public:
    Folder();

    /** The folder's own name: the part of Path after its last "/" (the whole path if none). */
    QString Title() const { return m_title; }
    void SetTitle(const QString &value) { m_title = value; }
    /** The full path without a trailing "/". */
    QString Path() const { return m_path; }
    void SetPath(const QString &value) { m_path = value; }
    /** A free key; the search leaves it empty. */
    QString Key() const { return m_key; }
    void SetKey(const QString &value) { m_key = value; }
    /** The sum of the listed files' lengths, formatted for display. */
    QString Size() const { return m_size; }
    void SetSize(const QString &value) { m_size = value; }
    /** The folder's listed files. */
    FileList &Files() { return *m_files; }
    const FileList &Files() const { return *m_files; }
    /** Replaces the file list; null gives an empty one. */
    void SetFiles(std::shared_ptr<FileList> files);

    /** "Rock (12.50 Mb - 5 files)". */
    QString ToString() const;
    /** ToString, a blank, then PathWithoutDrive(@p parentPath). */
    QString ToFormat(const QString &parentPath) const;
    /** "/music/Rock (5 Files)". */
    QString ToStatus() const;
    /**
     * The folder's row of the XHTML listing on colour numbers @p background and @p text,
     * naming @p parentPath after the counts.
     */
    QString ToHtml(const QString &parentPath, int background, int text) const;

  private:
    QString m_title;
    QString m_path;
    QString m_key;
    QString m_size;
    std::shared_ptr<FileList> m_files;
};
