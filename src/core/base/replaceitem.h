#pragma once

#include <QString>

/** One text replacement rule of a replace list. */
class ReplaceItem {
  public:
    ReplaceItem() = default;
    ReplaceItem(QString oldVal, QString newVal, int caseSensitive)
        : m_oldVal(std::move(oldVal)), m_newVal(std::move(newVal)), m_caseSensitive(caseSensitive) {
    }

    /** 0: the old text is found without regard to case; any other value: exact. */
    int CaseSensitive() const { return m_caseSensitive; }
    void SetCaseSensitive(int v) { m_caseSensitive = v; }
    const QString &OldVal() const { return m_oldVal; }
    void SetOldVal(const QString &v) { m_oldVal = v; }
    const QString &NewVal() const { return m_newVal; }
    void SetNewVal(const QString &v) { m_newVal = v; }

    /**
     * True when the old text is replaced only where it stands as a word (the built-in
     * featuring markers); user rules are plain substring replacements.
     */
    bool WholeWord() const { return m_wholeWord; }
    void SetWholeWord(bool v) { m_wholeWord = v; }

    Qt::CaseSensitivity Sensitivity() const {
        return m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    }

  private:
    QString m_oldVal;
    QString m_newVal;
    int m_caseSensitive = 0;
    bool m_wholeWord = false;
};
