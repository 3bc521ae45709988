#include "naming/organizelistmodel.h"

#include "naming/organizelist.h"

OrganizeListModel::OrganizeListModel(OrganizeList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_ok(QStringLiteral(":/images/ok.svg")),
      m_bad(QStringLiteral(":/images/bad.svg"))
{
    connect(&m_list, &OrganizeList::aboutToReset, this, [this] { beginResetModel(); });
    connect(&m_list, &OrganizeList::resetDone, this, [this] { endResetModel(); });
    connect(&m_list, &OrganizeList::rowsAboutToBeAdded, this,
            [this](int first, int last) { beginInsertRows(QModelIndex(), first, last); });
    connect(&m_list, &OrganizeList::rowsAdded, this, [this] { endInsertRows(); });
    connect(&m_list, &OrganizeList::rowAboutToBeRemoved, this,
            [this](int row) { beginRemoveRows(QModelIndex(), row, row); });
    connect(&m_list, &OrganizeList::rowRemoved, this, [this] { endRemoveRows(); });
    connect(&m_list, &OrganizeList::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, 1)); });
}

int OrganizeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.ShownCount();
}

int OrganizeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant OrganizeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.ShownCount())
        return QVariant();
    const OrganizeRow &row = m_list.Row(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == 0 ? row.folder : row.relativePath;
    case Qt::DecorationRole:
        if (index.column() == 0)
            return row.status == RowStatus::Ok ? m_ok : m_bad;
        return QVariant();
    case Qt::ToolTipRole:
        return row.errorText.isEmpty() ? QVariant() : QVariant(row.errorText);
    default:
        return QVariant();
    }
}

QVariant OrganizeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return QStringLiteral("Organize To This Folder");
    if (section == 1)
        return QStringLiteral("Organize This File");
    return QVariant();
}

Qt::ItemFlags OrganizeListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool OrganizeListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole ||
        index.row() >= m_list.ShownCount())
        return false;
    if (m_onEdit)
        m_onEdit(index.row(), value.toString());
    return true;
}
