#pragma once

#include "base/progressview.h"
#include "base/runcontrol.h"
#include "gui/optionsdialog.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class LinkLabel;
class MainWindowUpdates;
class OrganizeList;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeView;
class TagWindow;

/**
 * Main window: the two folder fields, Load and Organize, the organize list with Edit and
 * Remove, progress and status, and the column of links to the other windows.
 */
class MainWindow : public QMainWindow, public ProgressView {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /**
     * Shows the window at program start: caption with the version, the stored folders,
     * centred on the screen; then the first-run question and the clean-up of an installed
     * update.
     */
    void showAtStartup();

    // ProgressView
    void Status(int index, const QString &text) override;
    void SetProgressMax(int max) override;
    void SetProgress(int value) override;
    void EnableButtons(bool enable) override;

    /** The text of status panel 1 or 2. */
    QString statusText(int index) const;

    /** The window's outer size in twips, as the resize rules measure it. */
    QSize outerTwips() const;

    /** Puts @p folder into the Source Media field (which stores it). */
    void setSourceFolder(const QString &folder);
    /** Puts @p folder into the Organize To field (which stores it). */
    void setOutFolder(const QString &folder);

  public slots:
    /** Load: fills the list from the Source Media folder; while a run goes on, cancels it. */
    void load();
    /** Organize: moves the listed files; while a run goes on, cancels it. */
    void organize();
    /** The Source Media "...": picks the folder, then loads it. */
    void browseSourceFolder();
    /** The Organize To "...": picks the folder. */
    void browseOutFolder();
    /** Asks for a new folder name for the selected row. */
    void editRow();
    /** Takes the selected row out of the list. */
    void removeRow();
    /** "Undo Last Organize": puts the files of the last organize back (Ctrl+Z). */
    void undoLastOrganize();

    /** "Edit Program Options". */
    void openOptions();
    /** "Quick Filter Settings": the Options window on its filter page. */
    void openFilterSettings();
    /** "Export To Text/Html". */
    void exportListing();
    /** "Check For Updates". */
    void checkForUpdates();
    /** The logo: the About window. */
    void showAbout();
    /** The help icon. */
    void showHelp();

  protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void buildControls();
    void buildListMenu();
    void fitCaptions();
    void setUpList();
    /** Opens the Options window on @p page, or raises the open one. */
    void openOptionsWindow(std::optional<OptionsDialog::Page> page);
    void applyResizeRules();
    /** The list's pop-up menu for a right click or the Menu key at @p pos. */
    void showListMenu(const QPoint &pos);
    /** Pops the list's menu up at @p pos for the selected row, if there is one. */
    void popUpListMenu(const QPoint &pos);
    void viewTag();
    /** After Remove or Delete took a row out of a list of @p countBefore rows. */
    void showRemoval(int countBefore);
    /** Asks the running Load or Organize to stop at the next file. */
    void cancelRun();

    LinkLabel *m_logo = nullptr;
    QLabel *m_versionLabel = nullptr;
    QFrame *m_linkFrame = nullptr;
    LinkLabel *m_optionsLink = nullptr;
    LinkLabel *m_exportLink = nullptr;
    LinkLabel *m_filterLink = nullptr;
    LinkLabel *m_updateLink = nullptr;
    LinkLabel *m_helpIcon = nullptr;
    QLabel *m_sourceFolderLabel = nullptr;
    QLabel *m_outFolderLabel = nullptr;
    QLineEdit *m_sourceFolderEdit = nullptr;
    QLineEdit *m_outFolderEdit = nullptr;
    QFrame *m_commandFrame = nullptr;
    QPushButton *m_sourceBrowseButton = nullptr;
    QPushButton *m_outBrowseButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_organizeButton = nullptr;
    QTreeView *m_list = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    /** Status panel 1: what is being done. */
    QLabel *m_activityPanel = nullptr;
    /** Status panel 2: counts. */
    QLabel *m_countPanel = nullptr;
    QMenu *m_listMenu = nullptr;
    QAction *m_removeAction = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_renameAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_playAction = nullptr;
    QAction *m_viewTagAction = nullptr;
    QAction *m_errorDetailsAction = nullptr;
    QAction *m_propertiesAction = nullptr;
    QAction *m_undoAction = nullptr;

    /** The rows the list view shows and the commands work on. */
    OrganizeList *m_organizeList = nullptr;
    QPointer<TagWindow> m_tagWindow;
    MainWindowUpdates *m_updates = nullptr;

    /**
     * A Load, Organize or undo run is going on; its button (Organize's for an undo) is the
     * Cancel button meanwhile.
     */
    bool m_busy = false;
    /** The Cancel and close requests of the running Load or Organize. */
    RunControl m_run;
    QTimer *m_closeRetry = nullptr;
    bool m_closing = false;
};
