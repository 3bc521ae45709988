#pragma once

#include <QList>
#include <QString>

/** One row of the replace-list editor. */
struct ReplaceRow {
    QString replaceThis;
    QString withThis;
    QString caseSensitive; // "Yes" or "No"
};

/**
 * The editing rules of the "Replace With" list editor, acting on the user's replace list.
 * Positions are 1-based like the list; 0 means no row is selected. Invalid input is
 * reported through the dialog seam and changes nothing.
 */
namespace ReplaceEditor {
/** The rows to show, one per rule in list order. */
QList<ReplaceRow> Rows();
/** Appends a rule; false after a message (empty, one character, pair already there). */
bool Add(const QString &replaceThis, const QString &withThis, int caseSensitive);
/** Overwrites rule @p position; false after a message or without a selection. */
bool Modify(int position, const QString &replaceThis, const QString &withThis, int caseSensitive);
/** Removes rule @p position; returns the row to select afterwards, 0 for none. */
int Remove(int position);
/** Asks, and on Yes empties the list and saves all settings at once. */
bool ClearAll();
/** An in-place edit of the first column; false (refused) for empty text. */
bool EditReplaceThis(int position, const QString &text);
} // namespace ReplaceEditor
