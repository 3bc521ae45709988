#include "options/fieldlists.h"

QStringList Id3FieldNames() {
    return {QStringLiteral("Song"),  QStringLiteral("Artist"), QStringLiteral("Album"),
            QStringLiteral("Genre"), QStringLiteral("Year"),   QStringLiteral("Track")};
}

QString JoinListItems(const QStringList &items, const QString &separator) {
    return items.join(separator);
}

void FillFieldLists(QStringList &available, QStringList &chosen, const QString &stored) {
    if (stored.isEmpty())
        return;
    const QStringList names = stored.split(QLatin1Char(','));
    for (const QString &name : names) {
        chosen.append(name);
        available.removeAll(name);
    }
}

int MoveListItem(QStringList &from, int selected, QStringList &to) {
    if (selected < 0 || selected >= from.size())
        return selected;
    to.append(from.takeAt(selected));
    if (from.isEmpty())
        return -1;
    return selected < from.size() ? selected : static_cast<int>(from.size()) - 1;
}

int MoveListItemUp(QStringList &list, int selected) {
    if (selected <= 0 || selected >= list.size())
        return selected;
    list.move(selected, selected - 1);
    return selected - 1;
}

int MoveListItemDown(QStringList &list, int selected) {
    if (selected < 0 || selected >= list.size() - 1)
        return selected;
    list.move(selected, selected + 1);
    return selected + 1;
}

QString FolderTitleExample(const QStringList &chosen) {
    const QString text = JoinListItems(chosen, QStringLiteral(" - "));
    return text.isEmpty() ? QStringLiteral("Album") : text;
}

QString FileTitleExample(const QStringList &chosen) {
    const QString text = JoinListItems(chosen, QStringLiteral(" - "));
    return (text.isEmpty() ? QStringLiteral("Song") : text) + QStringLiteral(".mp3");
}
