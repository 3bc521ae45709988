#pragma once

#include "base/replaceitem.h"

#include <QString>

#include <memory>
#include <vector>

/**
 * An ordered list of replacement rules, addressed by 1-based position or by an optional
 * key (keys compared without regard to case).
 */
class ReplaceList {
  public:
    ReplaceList() = default;
    /** A deep copy: a load names its files with a copy that later edits cannot reach. */
    ReplaceList(const ReplaceList &other);
    ReplaceList &operator=(const ReplaceList &other);
    ReplaceList(ReplaceList &&) noexcept = default;
    ReplaceList &operator=(ReplaceList &&) noexcept = default;

    /** Creates a rule (new text first) and appends it; nullptr when the key is taken. */
    ReplaceItem *Add(const QString &newVal, const QString &oldVal, int caseSensitive,
                     const QString &key = QString());
    /** Appends a copy of an existing rule; nullptr when the key is taken. */
    ReplaceItem *AddItem(const ReplaceItem &item, const QString &key = QString());
    /** The rule at a 1-based position, or nullptr when there is none. */
    ReplaceItem *Item(int position) const;
    /** The rule with that key, or nullptr. */
    ReplaceItem *Item(const QString &key) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    /** Removes the rule at a 1-based position; a missing position is ignored. */
    void Remove(int position);
    /** Removes the rule with that key; a missing key is ignored. */
    void Remove(const QString &key);
    void Clear();
    /** Enumeration in order: the rule at 0-based index @p i. */
    const ReplaceItem &At(int i) const { return *m_items[static_cast<size_t>(i)].item; }

    /** Every rule in order, every occurrence left to right (the built-in pass). */
    QString ApplyAll(const QString &name) const;
    /**
     * Every rule in order, each only when its new text does not already stand where its
     * old text first occurs (the user pass).
     */
    QString ApplyGuarded(const QString &name) const;

  private:
    struct Entry {
        std::unique_ptr<ReplaceItem> item;
        QString key;
    };
    std::vector<Entry> m_items;
};

/** The fixed rules built into the program. */
extern ReplaceList BuiltInReplaceList;
/** The user's "Replace With" rules. */
extern ReplaceList UserReplaceList;

/** Builds the built-in list, migrates old store keys, reads the user list (max 502). */
void LoadReplaceLists();
/** Writes the user list to the store, removing stale and old-form keys. */
void SaveUserReplaceList();
/** True when some user rule has exactly this old and new text. */
bool ContainsPair(const QString &oldVal, const QString &newVal);
/**
 * @p text with every occurrence of @p oldVal that stands as a word replaced by @p newVal, left
 * to right without overlapping: the character before it is no letter or digit (or it starts
 * the text) and, when @p oldVal ends in a letter or digit, neither is the one after it (or it
 * ends the text). The boundaries are judged in @p text as given.
 */
QString ReplaceWholeWords(const QString &text, QStringView oldVal, QStringView newVal,
                          Qt::CaseSensitivity cs);
/** Fills @p list with the 45 built-in rules in order. */
void BuildBuiltInReplaceList(ReplaceList &list);
