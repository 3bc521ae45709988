#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// Option warning window: late file-name sections may give poor folder names; can be switched off.
class DashWarningDialog : public QDialog
{
    Q_OBJECT

public:
    /** A modal warning owned by @p owner; it deletes itself when closed. */
    explicit DashWarningDialog(QWidget *owner);

    /** The "bad" status picture the warning and its window icon show. */
    static QIcon BadIcon();

    // The controls, named as on the form.
    std::array<QLabel *, 2> Label1{};
    QLabel *Image1 = nullptr;
    QCheckBox *chkShowWarning = nullptr;
    QPushButton *OKButton = nullptr;

    /** Closes the window by any way: the choice of the check box is stored first. */
    void done(int result) override;

private:
    void chkShowWarning_MouseUp();
};
