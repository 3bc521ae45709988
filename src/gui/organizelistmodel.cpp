#include "gui/organizelistmodel.h"

#include "base/nativepath.h"
#include "organize/organizelist.h"

#include <algorithm>

OrganizeListModel::OrganizeListModel(OrganizeList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_okIcon(QStringLiteral(":/images/ok.svg")),
      m_badIcon(QStringLiteral(":/images/bad.svg")) {
    m_removalTimer.setSingleShot(true);
    m_removalTimer.setInterval(kRemovalPauseMs);
    connect(&m_removalTimer, &QTimer::timeout, this, &OrganizeListModel::showRemovals);

    connect(&m_list, &OrganizeList::aboutToReset, this, [this] {
        beginResetModel();
        m_heldRows.clear();
        m_removalTimer.stop();
    });
    connect(&m_list, &OrganizeList::resetDone, this, [this] { endResetModel(); });
    connect(&m_list, &OrganizeList::rowsAboutToBeAdded, this, [this](int first, int last) {
        showRemovals();
        beginInsertRows(QModelIndex(), first, last);
    });
    connect(&m_list, &OrganizeList::rowsAdded, this, [this] { endInsertRows(); });
    connect(&m_list, &OrganizeList::rowAboutToBeRemoved, this, &OrganizeListModel::holdRemovedRow);
    connect(&m_list, &OrganizeList::settled, this, &OrganizeListModel::showRemovals);
    connect(&m_list, &OrganizeList::rowChanged, this, [this](int row) {
        const int v = viewRow(row);
        emit dataChanged(index(v, 0), index(v, 1));
    });
}

int OrganizeListModel::listRow(int row) const {
    const auto at = std::lower_bound(m_heldRows.cbegin(), m_heldRows.cend(), row);
    if (at != m_heldRows.cend() && *at == row)
        return -1;
    return row - static_cast<int>(at - m_heldRows.cbegin());
}

int OrganizeListModel::viewRow(int row) const {
    if (row < 0)
        return -1;
    int v = row;
    for (const int p : m_heldRows) {
        if (p > v)
            break;
        ++v;
    }
    return v;
}

void OrganizeListModel::holdRemovedRow(int row) {
    const int v = viewRow(row);
    m_heldRows.insert(std::lower_bound(m_heldRows.begin(), m_heldRows.end(), v), v);
    // The first removal after a quiet spell shows at once; a burst is shown in steps.
    if (!m_removalTimer.isActive() &&
        (!m_sinceRemovals.isValid() || m_sinceRemovals.elapsed() >= kRemovalPauseMs))
        showRemovals();
    else if (!m_removalTimer.isActive())
        m_removalTimer.start();
}

void OrganizeListModel::showRemovals() {
    m_removalTimer.stop();
    if (m_heldRows.empty())
        return;
    m_sinceRemovals.start();
    // From the bottom up, one notice per run of neighbouring rows.
    while (!m_heldRows.empty()) {
        const int last = m_heldRows.back();
        size_t first = m_heldRows.size() - 1;
        while (first > 0 && m_heldRows[first - 1] == m_heldRows[first] - 1)
            --first;
        beginRemoveRows(QModelIndex(), m_heldRows[first], last);
        m_heldRows.resize(first);
        endRemoveRows();
    }
}

int OrganizeListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_list.ShownCount() + static_cast<int>(m_heldRows.size());
}

int OrganizeListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant OrganizeListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return QVariant();
    const int r = listRow(index.row());
    if (r < 0 || r >= m_list.ShownCount())
        return QVariant();
    const OrganizeRow &row = m_list.Row(r);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == 0 ? row.folder : ReadableName(row.relativePath);
    case Qt::DecorationRole:
        if (index.column() == 0)
            return row.status == RowStatus::Ok ? m_okIcon : m_badIcon;
        return QVariant();
    case Qt::ToolTipRole:
        return row.errorText.isEmpty() ? QVariant() : QVariant(row.errorText);
    default:
        return QVariant();
    }
}

QVariant OrganizeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return QStringLiteral("Organize To This Folder");
    if (section == 1)
        return QStringLiteral("Organize This File");
    return QVariant();
}

Qt::ItemFlags OrganizeListModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool OrganizeListModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole)
        return false;
    const int r = listRow(index.row());
    if (r < 0 || r >= m_list.ShownCount())
        return false;
    if (m_editHandler)
        m_editHandler(r, value.toString());
    return true;
}
