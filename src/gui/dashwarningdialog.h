#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// Option warning window: late file-name sections may give poor folder names; can be switched off.
class DashWarningDialog : public QDialog {
    Q_OBJECT

  public:
    /** A modal warning owned by @p owner; it deletes itself when closed. */
    explicit DashWarningDialog(QWidget *owner);

    /** Closes the window by any way: the choice of the check box is stored first. */
    void done(int result) override;

  private:
    /** The "bad" status picture the warning and its window icon show. */
    static QIcon badIcon();
    void storeChoice();

    QLabel *m_warningText = nullptr;
    QLabel *m_adviceText = nullptr;
    QLabel *m_picture = nullptr;
    QCheckBox *m_dontShowAgainBox = nullptr;
    QPushButton *m_okButton = nullptr;
};
