#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>

class OrganizeList;

/**
 * The organize list as the main window's list view shows it: "Organize To This Folder"
 * with the status icon, and "Organize This File". The folder column can be edited in
 * place; a finished edit goes to the edit handler (normally EditListItem).
 */
class OrganizeListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using EditHandler = std::function<void(int row, const QString &text)>;

    explicit OrganizeListModel(OrganizeList &list, QObject *parent = nullptr);

    /** Called with the row and the typed text when an in-place edit ends. */
    void SetEditHandler(EditHandler handler) { m_onEdit = std::move(handler); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    OrganizeList &m_list;
    EditHandler m_onEdit;
    QIcon m_ok;
    QIcon m_bad;
};
