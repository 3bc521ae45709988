#pragma once

#include "options/filterpresets.h"
#include "options/optionsvalues.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class ReplaceListEditor;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class DashWarningDialog;

// Options window: three pages of user options, applied on OK or Apply.
class OptionsDialog : public QWidget {
    Q_OBJECT

  public:
    /** The pages, in tab order. */
    enum class Page { General, Naming, Filter };

    /**
     * Opens the one Options window, not modal, owned by @p owner, or brings the open one
     * forward. With a @p page that page is shown; without one a new window shows its first
     * page and an open one keeps its page.
     */
    static OptionsDialog *open(QWidget *owner, std::optional<Page> page = std::nullopt);
    /** The open Options window, or nullptr. */
    static OptionsDialog *instance();
    /**
     * Closes the Options window and the windows it opened without asking anything; edits
     * not yet applied are dropped. For the owner's close handler (closing the window from
     * inside the owner's close handling asks nothing either).
     */
    static void closeWindows();

    /** The window's values as they would be applied now. */
    OptionsValues pendingValues() const;
    /** There are edits not yet applied. */
    bool hasChanges() const { return m_changed; }
    /** The replace-list editor opened from this window, or nullptr. */
    ReplaceListEditor *replaceListEditor() const;
    /** The dash-option warning while it is open, or nullptr. */
    DashWarningDialog *dashWarning() const;

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    enum class CloseReason { CloseBox, Buttons, Owner };

    explicit OptionsDialog(QWidget *owner);
    void buildGeneralPage(QWidget *page);
    void buildNamingPage(QWidget *page);
    void buildFilterPage(QWidget *page);
    void connectControls();
    void load();
    void showPage(Page page);
    void setCheckBoxes(const OptionsValues &v);
    void setFieldLists(QListWidget *available, QListWidget *chosen, const QString &stored);
    void showFolderExample();
    void showFileExample();
    void showExampleFor(QListWidget *list);
    void moveField(QListWidget *from, QListWidget *to);
    void moveFieldUp(QListWidget *list);
    void moveFieldDown(QListWidget *list);
    void commit();
    void closeBy(CloseReason reason);
    void bringOwnerToFront();

    void markChanged();
    void setFolderSource(int source);
    void setDashOption(int option);
    void warnAboutDashOption(int option);
    void choosePreset(int index);
    void editReplaceList();
    void apply();
    void applyAndClose();
    void cancel();
    void resetToDefaults();
    void showNextPage();
    bool isHelpLink(const QObject *object) const;
    void showHelp(const QObject *link);

    QTabWidget *m_pages = nullptr;

    // General page.
    QCheckBox *m_showSplashBox = nullptr;
    QCheckBox *m_replaceExistingBox = nullptr;
    QCheckBox *m_deleteSourceBox = nullptr;
    QCheckBox *m_rememberFoldersBox = nullptr;
    QCheckBox *m_confirmRemoveBox = nullptr;
    QCheckBox *m_autoAddBox = nullptr;
    QCheckBox *m_searchSubFoldersBox = nullptr;
    QCheckBox *m_skipExistingBox = nullptr;
    QLabel *m_replaceExistingHelp = nullptr;
    QLabel *m_autoAddHelp = nullptr;
    QLabel *m_skipExistingHelp = nullptr;
    QPushButton *m_editReplaceListButton = nullptr;

    // Naming page.
    QCheckBox *m_primaryArtistsBox = nullptr;
    QCheckBox *m_smartNamesBox = nullptr;
    QCheckBox *m_allTagsBox = nullptr;
    QButtonGroup *m_folderSources = nullptr; // button id = the stored folder-name source
    QLabel *m_folderFromTagHelp = nullptr;
    QButtonGroup *m_dashOptions = nullptr; // button id = the stored dash option
    QLabel *m_dashSample = nullptr;
    QLabel *m_dashExample = nullptr;
    QListWidget *m_folderFieldsAvailable = nullptr;
    QListWidget *m_folderFieldsChosen = nullptr;
    QPushButton *m_useFolderFieldButton = nullptr;
    QPushButton *m_dropFolderFieldButton = nullptr;
    QPushButton *m_folderFieldUpButton = nullptr;
    QPushButton *m_folderFieldDownButton = nullptr;
    QLabel *m_folderExample = nullptr;
    QCheckBox *m_renameFilesBox = nullptr;
    QLabel *m_renameFilesHelp = nullptr;
    QListWidget *m_fileFieldsAvailable = nullptr;
    QListWidget *m_fileFieldsChosen = nullptr;
    QPushButton *m_useFileFieldButton = nullptr;
    QPushButton *m_dropFileFieldButton = nullptr;
    QPushButton *m_fileFieldUpButton = nullptr;
    QPushButton *m_fileFieldDownButton = nullptr;
    QLabel *m_fileExample = nullptr;

    // Filter page.
    QComboBox *m_filterPreset = nullptr;
    QLineEdit *m_filterEdit = nullptr;

    QPushButton *m_defaultsButton = nullptr;
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    bool m_changed = false;
    int m_dashOption = 0;
    int m_folderSource = 0;
    QString m_fileFieldList;
    QString m_folderFieldList;
    FilterPresetChooser m_presets;
    CloseReason m_closeReason = CloseReason::CloseBox;
    bool m_ownerClosing = false;
    QPointer<ReplaceListEditor> m_editor;
    QPointer<DashWarningDialog> m_warning;
};
