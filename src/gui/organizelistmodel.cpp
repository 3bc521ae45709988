#include "gui/organizelistmodel.h"

#include "organize/organizelist.h"

#include <algorithm>

OrganizeListModel::OrganizeListModel(OrganizeList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_ok(QStringLiteral(":/images/ok.svg")),
      m_bad(QStringLiteral(":/images/bad.svg"))
{
    m_removalTimer.setSingleShot(true);
    m_removalTimer.setInterval(RemovalPauseMs);
    connect(&m_removalTimer, &QTimer::timeout, this, &OrganizeListModel::ShowRemovals);

    connect(&m_list, &OrganizeList::aboutToReset, this, [this] {
        beginResetModel();
        m_pending.clear();
        m_removalTimer.stop();
    });
    connect(&m_list, &OrganizeList::resetDone, this, [this] { endResetModel(); });
    connect(&m_list, &OrganizeList::rowsAboutToBeAdded, this, [this](int first, int last) {
        ShowRemovals();
        beginInsertRows(QModelIndex(), first, last);
    });
    connect(&m_list, &OrganizeList::rowsAdded, this, [this] { endInsertRows(); });
    connect(&m_list, &OrganizeList::rowAboutToBeRemoved, this, &OrganizeListModel::RowRemoved);
    connect(&m_list, &OrganizeList::settled, this, &OrganizeListModel::ShowRemovals);
    connect(&m_list, &OrganizeList::rowChanged, this, [this](int row) {
        const int v = ViewRow(row);
        emit dataChanged(index(v, 0), index(v, 1));
    });
}

int OrganizeListModel::ListRow(int viewRow) const
{
    const auto at = std::lower_bound(m_pending.cbegin(), m_pending.cend(), viewRow);
    if (at != m_pending.cend() && *at == viewRow)
        return -1;
    return viewRow - static_cast<int>(at - m_pending.cbegin());
}

int OrganizeListModel::ViewRow(int listRow) const
{
    if (listRow < 0)
        return -1;
    int v = listRow;
    for (const int p : m_pending) {
        if (p > v)
            break;
        ++v;
    }
    return v;
}

void OrganizeListModel::RowRemoved(int listRow)
{
    const int v = ViewRow(listRow);
    m_pending.insert(std::lower_bound(m_pending.begin(), m_pending.end(), v), v);
    // The first removal after a quiet spell shows at once; a burst is shown in steps.
    if (!m_removalTimer.isActive() &&
        (!m_sinceRemovals.isValid() || m_sinceRemovals.elapsed() >= RemovalPauseMs))
        ShowRemovals();
    else if (!m_removalTimer.isActive())
        m_removalTimer.start();
}

void OrganizeListModel::ShowRemovals()
{
    m_removalTimer.stop();
    if (m_pending.empty())
        return;
    m_sinceRemovals.start();
    // From the bottom up, one notice per run of neighbouring rows.
    while (!m_pending.empty()) {
        const int last = m_pending.back();
        size_t first = m_pending.size() - 1;
        while (first > 0 && m_pending[first - 1] == m_pending[first] - 1)
            --first;
        beginRemoveRows(QModelIndex(), m_pending[first], last);
        m_pending.resize(first);
        endRemoveRows();
    }
}

int OrganizeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.ShownCount() + static_cast<int>(m_pending.size());
}

int OrganizeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant OrganizeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int r = ListRow(index.row());
    if (r < 0 || r >= m_list.ShownCount())
        return QVariant();
    const OrganizeRow &row = m_list.Row(r);
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
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole)
        return false;
    const int r = ListRow(index.row());
    if (r < 0 || r >= m_list.ShownCount())
        return false;
    if (m_onEdit)
        m_onEdit(r, value.toString());
    return true;
}
