#pragma once

#include <QDialog>

class QLabel;

/** About window: picture, product name, running version, description and credits. */
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    /** Opens the one About window (not modal, owned by @p owner), or raises it. */
    static AboutDialog *openOrRaise(QWidget *owner);
    /** The open About window, or nullptr. */
    static AboutDialog *instance();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    explicit AboutDialog(QWidget *owner);
    ~AboutDialog() override;
    void drawPicture();

    QLabel *m_picture = nullptr;
    QLabel *m_versionLabel = nullptr;
};
