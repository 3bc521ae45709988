#pragma once

#include <QString>
#include <QStringList>

/** The ID3 field names offered for folder and file names, in their order. */
QStringList Id3FieldNames();

/** The entries in order, each followed by @p separator, the final separator dropped. */
QString JoinListItems(const QStringList &items, const QString &separator);

/**
 * Moves the names of a stored comma list into @p chosen, in order, taking each one out of
 * @p available (exact comparison). An empty @p stored changes nothing.
 */
void FillFieldLists(QStringList &available, QStringList &chosen, const QString &stored);

/**
 * Moves entry @p selected of @p from to the end of @p to. Returns the entry of @p from to
 * select afterwards: the same position, the last entry when the list got shorter, -1 when
 * it is empty. Without a valid selection nothing moves and @p selected comes back.
 */
int MoveListItem(QStringList &from, int selected, QStringList &to);

/** Moves entry @p selected one place up; returns the new selection (unchanged when at 0). */
int MoveListItemUp(QStringList &list, int selected);
/** Moves entry @p selected one place down; returns the new selection (unchanged at the end). */
int MoveListItemDown(QStringList &list, int selected);

/** The folder example of the chosen fields: "Album" when none is chosen. */
QString FolderTitleExample(const QStringList &chosen);
/** The file example of the chosen fields: "Song.mp3" when none is chosen. */
QString FileTitleExample(const QStringList &chosen);
