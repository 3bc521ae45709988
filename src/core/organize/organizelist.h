#pragma once

#include "organize/loadscan.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <deque>

/**
 * The button of a long command (Load, Organize): while the command runs its caption is
 * "Cancel" and it stays enabled, so that a click can cancel (the window turns that click
 * into a request on the run's RunControl).
 */
class CommandButton {
  public:
    virtual ~CommandButton() = default;
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString &caption) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

/** The status icon of a row. */
enum class RowStatus { Ok, Bad };

/** One row of the organize list. */
struct OrganizeRow {
    /** Target folder under the Organize To folder; may be empty. */
    QString folder;
    /** The file's path below the Source Media folder ("Live/song.mp3"). */
    QString relativePath;
    RowStatus status = RowStatus::Ok;
    /** Why a "bad" row failed; empty for rows without error. */
    QString errorText;

    /** The icon key: "ok" or "bad". */
    QString StatusKey() const;
    /** The list row for a row the load scan named. */
    static OrganizeRow FromLoad(const LoadRow &loaded);
};

/**
 * The rows of the main list, in the order the load added them, with at most one selected
 * row. Rows are addressed by 0-based index; removing a row moves the later rows up.
 * Views follow through the signals; appends made inside a batch are announced together at
 * Flush(), so a load of many rows costs the view one notice per batch.
 */
class OrganizeList : public QObject {
    Q_OBJECT
  public:
    explicit OrganizeList(QObject *parent = nullptr);

    int Count() const { return static_cast<int>(m_rows.size()); }
    /** Rows announced to views so far (equal to Count() outside a batch). */
    int ShownCount() const { return m_shown; }
    const OrganizeRow &Row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    bool IsValid(int index) const { return index >= 0 && index < Count(); }

    /** Removes every row and the selection, and forgets the declined corrections. */
    void Clear();
    /** Appends a row; outside a batch it is announced at once. */
    void Append(OrganizeRow row);
    /** Starts holding back the notices of appended rows; only Append is allowed inside. */
    void BeginBatch();
    /**
     * Announces the rows appended since the last notice, and tells views that a burst of
     * changes is over (views that hold back removals show them now).
     */
    void Flush();
    /** Announces what is pending and ends the batch. */
    void EndBatch();

    /** Removes one row; a selection on it is dropped, a later selection moves up. */
    void Remove(int index);
    void SetFolder(int index, const QString &folder);
    void SetRelativePath(int index, const QString &relativePath);
    void SetStatus(int index, RowStatus status);
    /** Sets the "bad" icon and the error text together. */
    void MarkBad(int index, const QString &errorText);

    /** The selected row, or -1. */
    int Selected() const { return m_selected; }
    bool HasSelection() const { return m_selected >= 0; }
    /** Selects a row; -1 (or an invalid index) clears the selection. */
    void SetSelected(int index);

    /**
     * True when the user declined to correct every row named @p folder (compared without
     * regard to case) since the list was last cleared: a load asks that question once a name.
     */
    bool CorrectionDeclined(const QString &folder) const {
        return m_declinedCorrections.contains(folder.toCaseFolded());
    }
    void DeclineCorrection(const QString &folder) {
        m_declinedCorrections.insert(folder.toCaseFolded());
    }

  signals:
    void aboutToReset();
    void resetDone();
    void rowsAboutToBeAdded(int first, int last);
    void rowsAdded();
    /** A burst of changes (a load step, an organize run) is over. */
    void settled();
    void rowAboutToBeRemoved(int index);
    void rowRemoved(int index);
    void rowChanged(int index);
    void selectionChanged(int index);

  private:
    // A deque: the organize run removes rows near the front one by one, which a vector
    // would pay for with a move of every later row.
    std::deque<OrganizeRow> m_rows;
    QSet<QString> m_declinedCorrections;
    int m_shown = 0;
    int m_selected = -1;
    bool m_batch = false;
};
