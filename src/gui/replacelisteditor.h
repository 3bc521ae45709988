#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Replace-list editor: shows and edits the user's "Replace With" list, saved on close.
class ReplaceListEditor : public QWidget {
    Q_OBJECT

  public:
    /** The editor, not modal, owned by @p owner (the Options window); deleted when closed. */
    explicit ReplaceListEditor(QWidget *owner);

    /** The 1-based position of the selected row, 0 when none is selected. */
    int selectedPosition() const;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    /** Rebuilds the rows from the user's replace list; nothing is selected after. */
    void loadRows();
    void selectRow(int position);
    void alignBoxesToColumns();
    void showRule(QTreeWidgetItem *item);
    void replaceThisEdited(QTreeWidgetItem *item, int column);
    void addRule();
    void removeRule();
    void modifyRule();
    void clearAll();

    QLabel *m_banner = nullptr;
    QTreeWidget *m_list = nullptr;
    QLineEdit *m_replaceThisEdit = nullptr;
    QLineEdit *m_withThisEdit = nullptr;
    QCheckBox *m_caseSensitiveBox = nullptr;
    QPushButton *m_clearAllButton = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    bool m_filling = false; // rows or selection set by the program, not the user
};
