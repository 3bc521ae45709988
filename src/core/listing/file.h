#pragma once

#include <QString>

/** One listed file of a directory listing. */
class File {
  public:
    /** The file name: the part of Path after its last "/". */
    QString Title() const { return m_title; }
    void SetTitle(const QString &value) { m_title = value; }
    /** The full path as the search returned it. */
    QString Path() const { return m_path; }
    void SetPath(const QString &value) { m_path = value; }
    /** The length already formatted for display ("2.00 Kb"). */
    QString Size() const { return m_size; }
    void SetSize(const QString &value) { m_size = value; }
    /** A free key; the search leaves it empty. */
    QString Key() const { return m_key; }
    void SetKey(const QString &value) { m_key = value; }

    /** "song.mp3 (3.51 Mb)", with " - " and the path appended when @p includePath. */
    QString ToString(bool includePath = false) const;
    /** The file's row of the XHTML listing on colour numbers @p background and @p text. */
    QString ToHtml(int background, int text) const;
    /** ToHtml appended to @p out, with the colours already as page text. */
    void AppendHtml(QString &out, const QString &bgColor, const QString &fontColor) const;

  private:
    QString m_title;
    QString m_path;
    QString m_size;
    QString m_key;
};
