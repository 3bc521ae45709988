#pragma once

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <vector>

class OrganizeList;

/**
 * The organize list as the main window's list view shows it: "Organize To This Folder"
 * with the status icon, and "Organize This File". The folder column can be edited in
 * place; a finished edit goes to the edit handler (normally EditListItem).
 *
 * A tree view lays out every row again after each removal, which an organize run of many
 * thousand rows would pay for row by row. Removals are therefore shown at most every
 * kRemovalPauseMs: rows removed in between stay as empty rows until then. View rows and
 * list rows differ only during such a pause; listRow and viewRow convert.
 */
class OrganizeListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using EditHandler = std::function<void(int listRow, const QString &text)>;
    static constexpr int kRemovalPauseMs = 100;

    explicit OrganizeListModel(OrganizeList &list, QObject *parent = nullptr);

    /** Called with the list row and the typed text when an in-place edit ends. */
    void setEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }

    /** The list row shown in view row @p row; -1 for a removed row not yet taken away. */
    int listRow(int row) const;
    /** The view row showing list row @p row. */
    int viewRow(int row) const;
    /** Takes the removed rows away from the view now. */
    void showRemovals();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  private:
    void holdRemovedRow(int row);

    OrganizeList &m_list;
    EditHandler m_editHandler;
    QIcon m_okIcon;
    QIcon m_badIcon;
    // View rows of removed list rows not yet announced, ascending.
    std::vector<int> m_heldRows;
    QTimer m_removalTimer;
    QElapsedTimer m_sinceRemovals;
};
