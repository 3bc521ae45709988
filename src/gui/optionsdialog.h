#pragma once

#include "options/filterpresets.h"
#include "options/optionsvalues.h"

#include <QPointer>
#include <QWidget>

#include <array>

class ReplaceListEditor;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class DashWarningDialog;

// Options window: three pages of user options, applied on OK or Apply.
class OptionsDialog : public QWidget
{
    Q_OBJECT

public:
    /**
     * Opens the one Options window, not modal, owned by @p owner, or brings the open one
     * forward. @p tab >= 0 selects that page (2 is "File Search Filtering"); with -1 a new
     * window shows its first page and an open one keeps its page.
     */
    static OptionsDialog *Open(QWidget *owner, int tab = -1);
    /** The open Options window, or nullptr. */
    static OptionsDialog *Instance();
    /**
     * Closes the Options window and the windows it opened without asking anything; edits
     * not yet applied are dropped. For the owner's close handler (closing the window from
     * inside the owner's close handling asks nothing either).
     */
    static void CloseWindows();

    /** Copies the pending values of the window into Settings (nothing is saved). */
    void ApplySettings();
    /** Shows the folder example of List2 and takes it as the pending folder field list. */
    void CreateFolderTitle();
    /** Shows the file example of List3 and takes it as the pending file field list. */
    void CreateFileTitle();
    /** The window's values as they would be applied now. */
    OptionsValues PendingValues() const;
    /** There are edits not yet applied. */
    bool IsChanged() const { return m_changed; }
    /** The replace-list editor opened from this window, or nullptr. */
    ReplaceListEditor *Editor() const;
    /** The warning window while it is open, or nullptr. */
    DashWarningDialog *Warning() const;

    // The controls, named as on the form.
    QTabWidget *tb1 = nullptr;
    std::array<QWidget *, 3> Frame{};
    QCheckBox *chkLoadSplash = nullptr;
    QCheckBox *chkReplaceExisting = nullptr;
    QCheckBox *chkDeleteFiles = nullptr;
    QCheckBox *chkRememberFolders = nullptr;
    QCheckBox *chkPromptRemove = nullptr;
    QCheckBox *chkAutoAdd = nullptr;
    QCheckBox *chkRecursiveSearch = nullptr;
    QCheckBox *chkDoNothing = nullptr;
    QCheckBox *chkRemoveSubArtists = nullptr;
    QCheckBox *chkRenameFiles = nullptr;
    QPushButton *Command15 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *lblExport = nullptr;
    std::array<QRadioButton *, 2> Option1{};
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 4> optDash{};
    QLabel *lblLink = nullptr;
    std::array<QLabel *, 4> lblText{}; // indices 2 and 3 exist
    QLabel *lblExample = nullptr;
    QLabel *Label1 = nullptr;
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QLabel *lblResult = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *List4 = nullptr;
    QListWidget *List3 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QLabel *lblSong = nullptr;
    QLabel *Label8 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLineEdit *txtFileFilter = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class CloseReason { CloseBox, Buttons, Owner };

    explicit OptionsDialog(QWidget *owner);
    void BuildPage1();
    void BuildPage2();
    void BuildPage3();
    void Form_Load();
    void SetCheckBoxes(const OptionsValues &v);
    void SetFieldLists(QListWidget *available, QListWidget *chosen, const QString &stored);
    void MoveListItem(QListWidget *from, QListWidget *to);
    void MoveUp(QListWidget *list);
    void MoveDown(QListWidget *list);
    void RetitleFor(QListWidget *list);
    void Commit();
    void CloseBy(CloseReason reason);
    void BringOwnerToFront();

    void CheckBox_Click();
    void Option1_Click(int index);
    void optDash_Click(int index);
    void optDash_MouseUp(int index);
    void Combo1_Click(int index);
    void Command15_Click();
    void Command14_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void NextTab();
    void ShowHelp(QObject *link);

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
