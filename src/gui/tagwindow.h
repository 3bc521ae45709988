#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

/** The tag properties window: the ID3 v1.1 tag of MP3 files as lines; a click copies a value. */
class TagWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TagWindow(QWidget *owner = nullptr);

    /**
     * Shows the name, size and location of the file at @p path and appends its tag lines to
     * those already listed.
     */
    void showFile(const QString &path);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    /** Puts the value of the selected tag line on the clipboard. */
    void copySelectedValue();

    QLineEdit *m_locationEdit = nullptr;
    QLabel *m_fileNameLabel = nullptr;
    QLabel *m_fileSizeLabel = nullptr;
    QLabel *m_detailLabel = nullptr;
    QListWidget *m_tagList = nullptr;
};
