#pragma once

#include "base/progressview.h"
#include "base/runcontrol.h"

#include <QMainWindow>

class LinkLabel;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeView;

/**
 * Main window: the two folder fields, Load and Organize, the organize list with Edit and
 * Remove, progress and status, and the column of links to the other windows.
 */
class MainWindow : public QMainWindow, public ProgressView
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /** The load handler: caption, folder fields, centring, showing, start-up questions. */
    void Form_Load();

    // ProgressView
    void Status(int index, const QString &text) override;
    void SetProgressMax(int max) override;
    void SetProgress(int value) override;
    void EnableButtons(bool enable) override;

    /** The text of status panel 1 or 2. */
    QString StatusText(int index) const;

    /** The window's outer size in twips, as the resize rules measure it. */
    QSize OuterTwips() const;

    // Controls, named as designed.
    QLabel *Image1 = nullptr;
    QLabel *lblVersion = nullptr;
    QFrame *fraOptions = nullptr;
    LinkLabel *Label1 = nullptr;
    LinkLabel *lblExport = nullptr;
    LinkLabel *Label2 = nullptr;
    LinkLabel *Label3 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *lblText[2] = {nullptr, nullptr};
    QLineEdit *txtMediaFolder = nullptr;
    QLineEdit *txtOutFolder = nullptr;
    QFrame *fraCommand = nullptr;
    QPushButton *cmdMediaBrowse = nullptr;
    QPushButton *cmdOutBrowse = nullptr;
    QPushButton *cmdLoad = nullptr;
    QPushButton *cmdOrganize = nullptr;
    QTreeView *lvFiles = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdRemove = nullptr;
    QLabel *StatusPanel[2] = {nullptr, nullptr};
    QMenu *mnuLv = nullptr;
    QAction *mnuRemove = nullptr;
    QAction *mnuEdit = nullptr;
    QAction *mnuRename = nullptr;
    QAction *mnuDelete = nullptr;
    QAction *mnuPlay = nullptr;
    QAction *mnuViewTag = nullptr;
    QAction *mnuErrorDetails = nullptr;
    QAction *mnuProperties = nullptr;

    // Commands of the organize list, defined beside the Load and Organize commands.
    void SetUpList();
    void cmdLoad_Click();
    void cmdOrganize_Click();
    void cmdMediaBrowse_Click();
    void cmdOutBrowse_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    /** Asks a running Load or Organize to stop; true when one was running. */
    bool BusyCancel();

    // The link column and the pictures.
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void lblExport_Click();
    void Image1_Click();
    void Image2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void ApplyResizeRules();

    QTimer *m_closeRetry = nullptr;
    bool m_closing = false;
    /** The Cancel and close requests of the running Load or Organize. */
    RunControl m_run;
};

/** The main window of the running program, or nullptr. */
MainWindow *RunningMainWindow();
