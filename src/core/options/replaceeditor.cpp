#include "options/replaceeditor.h"

#include "base/dialogseam.h"
#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingsstore.h"

namespace {
// Counted in characters as the user sees them, not in UTF-16 units.
qsizetype CharCount(const QString &s) {
    return s.toUcs4().size();
}
} // namespace

namespace ReplaceEditor {
QList<ReplaceRow> Rows() {
    QList<ReplaceRow> rows;
    rows.reserve(UserReplaceList.Count());
    for (int i = 0; i < UserReplaceList.Count(); ++i) {
        const ReplaceItem &item = UserReplaceList.At(i);
        rows.append({item.OldVal(), item.NewVal(),
                     item.CaseSensitive() != 0 ? QStringLiteral("Yes") : QStringLiteral("No")});
    }
    return rows;
}

bool Add(const QString &replaceThis, const QString &withThis, int caseSensitive) {
    if (replaceThis.isEmpty()) {
        Dialogs().Message(QStringLiteral("Cannot add nothing."), MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (CharCount(replaceThis) == 1) {
        Dialogs().Message(QStringLiteral("'Replace This' value must be at least 2 letters long!"),
                          MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    if (ContainsPair(replaceThis, withThis)) {
        Dialogs().Message(QStringLiteral("This item already exists in the list."), MsgButtons::Ok,
                          MsgIcon::Information);
        return false;
    }
    UserReplaceList.Add(withThis, replaceThis, caseSensitive != 0 ? 1 : 0);
    return true;
}

bool Modify(int position, const QString &replaceThis, const QString &withThis, int caseSensitive) {
    if (replaceThis.isEmpty()) {
        Dialogs().Message(QStringLiteral("Cannot Replace Nothing!"), MsgButtons::Ok,
                          MsgIcon::Critical);
        return false;
    }
    if (CharCount(replaceThis) == 1) {
        Dialogs().Message(
            QStringLiteral("'Replace This' Value Must be at least 2 characters long!"),
            MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }
    ReplaceItem *item = UserReplaceList.Item(position);
    if (!item)
        return false;
    item->SetOldVal(replaceThis);
    item->SetNewVal(withThis);
    item->SetCaseSensitive(caseSensitive != 0 ? 1 : 0);
    return true;
}

int Remove(int position) {
    if (!UserReplaceList.Item(position))
        return 0;
    UserReplaceList.Remove(position);
    return UserReplaceList.Count() >= position ? position : 0;
}

bool ClearAll() {
    if (Dialogs().Message(QStringLiteral("Are you sure you want to clear all items in the list?"),
                          MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return false;
    UserReplaceList.Clear();
    SaveSettings();
    SettingsStore::Sync();
    return true;
}

bool EditReplaceThis(int position, const QString &text) {
    ReplaceItem *item = UserReplaceList.Item(position);
    if (text.isEmpty() || !item)
        return false;
    item->SetOldVal(text);
    return true;
}
} // namespace ReplaceEditor
