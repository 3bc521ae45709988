#include "organize/organizelist.h"

QString OrganizeRow::StatusKey() const {
    return status == RowStatus::Ok ? QStringLiteral("ok") : QStringLiteral("bad");
}

OrganizeList::OrganizeList(QObject *parent) : QObject(parent) {}

void OrganizeList::Clear() {
    emit aboutToReset();
    m_rows.clear();
    m_declinedCorrections.clear();
    m_shown = 0;
    const bool hadSelection = m_selected >= 0;
    m_selected = -1;
    emit resetDone();
    if (hadSelection)
        emit selectionChanged(-1);
}

void OrganizeList::Append(OrganizeRow row) {
    m_rows.push_back(std::move(row));
    if (!m_batch)
        Flush();
}

void OrganizeList::BeginBatch() {
    Flush();
    m_batch = true;
}

void OrganizeList::Flush() {
    const int count = Count();
    if (m_shown != count) {
        emit rowsAboutToBeAdded(m_shown, count - 1);
        m_shown = count;
        emit rowsAdded();
    }
    emit settled();
}

void OrganizeList::EndBatch() {
    m_batch = false;
    Flush();
}

void OrganizeList::Remove(int index) {
    if (!IsValid(index))
        return;
    if (m_shown != Count())
        Flush();
    emit rowAboutToBeRemoved(index);
    m_rows.erase(m_rows.begin() + index);
    m_shown = Count();
    int selected = m_selected;
    if (selected == index)
        selected = -1;
    else if (selected > index)
        --selected;
    const bool selectionMoved = selected != m_selected;
    m_selected = selected;
    emit rowRemoved(index);
    if (selectionMoved)
        emit selectionChanged(m_selected);
}

void OrganizeList::SetFolder(int index, const QString &folder) {
    if (!IsValid(index))
        return;
    m_rows[static_cast<size_t>(index)].folder = folder;
    emit rowChanged(index);
}

void OrganizeList::SetRelativePath(int index, const QString &relativePath) {
    if (!IsValid(index))
        return;
    m_rows[static_cast<size_t>(index)].relativePath = relativePath;
    emit rowChanged(index);
}

void OrganizeList::SetStatus(int index, RowStatus status) {
    if (!IsValid(index))
        return;
    m_rows[static_cast<size_t>(index)].status = status;
    emit rowChanged(index);
}

void OrganizeList::MarkBad(int index, const QString &errorText) {
    if (!IsValid(index))
        return;
    OrganizeRow &row = m_rows[static_cast<size_t>(index)];
    row.status = RowStatus::Bad;
    row.errorText = errorText;
    emit rowChanged(index);
}

void OrganizeList::SetSelected(int index) {
    const int selected = IsValid(index) ? index : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    emit selectionChanged(m_selected);
}

OrganizeRow OrganizeRow::FromLoad(const LoadRow &loaded) {
    OrganizeRow row;
    row.folder = loaded.name.folder;
    row.relativePath = loaded.relativePath;
    if (!loaded.name.ok) {
        row.status = RowStatus::Bad;
        row.errorText = loaded.name.ErrorText();
    }
    return row;
}
