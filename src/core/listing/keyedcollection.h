#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

/**
 * The collection interface shared by the listing classes: members in insertion order with
 * 1-based positions, each under an optional key that is unique and compared without regard
 * to case. Members are shared, so one stays alive while any holder still refers to it.
 */
template <typename T> class KeyedCollection {
  public:
    using Member = std::shared_ptr<T>;

    /**
     * Appends @p member, under @p key when it is not empty, and returns it; the
     * caller's reference is cleared. A null member or a key already in use adds nothing,
     * returns null and leaves the caller's reference as it was.
     */
    Member Add(Member &member, const QString &key = QString()) {
        if (!member)
            return nullptr;
        const QString folded = key.isEmpty() ? QString() : key.toCaseFolded();
        if (!key.isEmpty() && m_byKey.contains(folded))
            return nullptr;
        Member added = std::move(member);
        member.reset();
        m_members.append(added);
        m_keys.append(folded);
        if (!key.isEmpty())
            m_byKey.insert(folded, added);
        return added;
    }

    /** The member at 1-based @p index; null outside 1 to Count. */
    Member Item(int index) const {
        if (index < 1 || index > m_members.size())
            return nullptr;
        return m_members.at(index - 1);
    }
    /** The member under @p key (any case); null when no member carries it. */
    Member Item(const QString &key) const {
        if (key.isEmpty())
            return nullptr;
        return m_byKey.value(key.toCaseFolded());
    }

    int Count() const { return static_cast<int>(m_members.size()); }

    /** Removes the member at 1-based @p index; false when there is none. */
    bool Remove(int index) {
        if (index < 1 || index > m_members.size())
            return false;
        const qsizetype i = index - 1;
        if (!m_keys.at(i).isEmpty())
            m_byKey.remove(m_keys.at(i));
        m_members.removeAt(i);
        m_keys.removeAt(i);
        return true;
    }
    /** Removes the member under @p key (any case); false when there is none. */
    bool Remove(const QString &key) {
        const Member m = Item(key);
        if (!m)
            return false;
        return Remove(static_cast<int>(m_members.indexOf(m)) + 1);
    }

    /**
     * The members in insertion order. The list is a snapshot, so the collection may change
     * while it is being enumerated.
     */
    QList<Member> Snapshot() const { return m_members; }

    auto begin() const { return m_members.cbegin(); }
    auto end() const { return m_members.cend(); }

  private:
    QList<Member> m_members;
    QList<QString> m_keys; // case-folded key of each member, empty for none
    QHash<QString, Member> m_byKey;
};
