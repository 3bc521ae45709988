#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Replace-list editor: shows and edits the user's "Replace With" list, saved on close.
class ReplaceListEditor : public QWidget
{
    Q_OBJECT

public:
    /** The editor, not modal, owned by @p owner (the Options window); deleted when closed. */
    explicit ReplaceListEditor(QWidget *owner);

    /** Rebuilds the rows of lv1 from the user's replace list; nothing is selected after. */
    void LoadRepList();
    /** The 1-based position of the selected row, 0 when none is selected. */
    int SelectedPosition() const;

    // The controls, named as on the form.
    QLabel *Image1 = nullptr;
    QTreeWidget *lv1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QCheckBox *chkCaseSensitive = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void SelectRow(int position);
    void AlignBoxesToColumns();
    void lv1_ItemClick(QTreeWidgetItem *item);
    void lv1_AfterLabelEdit(QTreeWidgetItem *item, int column);
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();

    bool m_filling = false; // rows or selection set by the program, not the user
};
