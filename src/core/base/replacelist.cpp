#include "base/replacelist.h"

#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "base/textutil.h"

#include <algorithm>

ReplaceList BuiltInReplaceList;
ReplaceList UserReplaceList;

ReplaceList::ReplaceList(const ReplaceList &other) {
    *this = other;
}

ReplaceList &ReplaceList::operator=(const ReplaceList &other) {
    if (this == &other)
        return *this;
    std::vector<Entry> items;
    items.reserve(other.m_items.size());
    for (const Entry &e : other.m_items)
        items.push_back({std::make_unique<ReplaceItem>(*e.item), e.key});
    m_items = std::move(items);
    return *this;
}

ReplaceItem *ReplaceList::Add(const QString &newVal, const QString &oldVal, int caseSensitive,
                              const QString &key) {
    return AddItem(ReplaceItem(oldVal, newVal, caseSensitive), key);
}

ReplaceItem *ReplaceList::AddItem(const ReplaceItem &item, const QString &key) {
    if (!key.isEmpty() && Item(key))
        return nullptr;
    m_items.push_back({std::make_unique<ReplaceItem>(item), key});
    return m_items.back().item.get();
}

ReplaceItem *ReplaceList::Item(int position) const {
    if (position < 1 || position > Count())
        return nullptr;
    return m_items[static_cast<size_t>(position - 1)].item.get();
}

ReplaceItem *ReplaceList::Item(const QString &key) const {
    if (key.isEmpty())
        return nullptr;
    for (const auto &e : m_items)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0)
            return e.item.get();
    return nullptr;
}

void ReplaceList::Remove(int position) {
    if (position < 1 || position > Count())
        return;
    m_items.erase(m_items.begin() + (position - 1));
}

void ReplaceList::Remove(const QString &key) {
    if (key.isEmpty())
        return;
    auto it = std::find_if(m_items.begin(), m_items.end(), [&](const Entry &e) {
        return e.key.compare(key, Qt::CaseInsensitive) == 0;
    });
    if (it != m_items.end())
        m_items.erase(it);
}

void ReplaceList::Clear() {
    m_items.clear();
}

QString ReplaceList::ApplyAll(const QString &name) const {
    QString n = name;
    for (const auto &e : m_items) {
        const ReplaceItem &r = *e.item;
        if (r.OldVal().isEmpty())
            continue;
        if (r.WholeWord())
            n = ReplaceWholeWords(n, r.OldVal(), r.NewVal(), r.Sensitivity());
        else
            n.replace(r.OldVal(), r.NewVal(), r.Sensitivity());
    }
    return n;
}

namespace {
// A letter or digit ends a word; a character beyond the basic plane is read whole.
bool IsWordCharacter(char32_t c) {
    return QChar::isLetter(c) || QChar::isDigit(c);
}

bool WordCharacterBefore(QStringView text, qsizetype at) {
    if (at <= 0)
        return false;
    char32_t c = text[at - 1].unicode();
    if (QChar::isLowSurrogate(c) && at >= 2 && text[at - 2].isHighSurrogate())
        c = QChar::surrogateToUcs4(text[at - 2], text[at - 1]);
    return IsWordCharacter(c);
}

bool WordCharacterAt(QStringView text, qsizetype at) {
    if (at >= text.size())
        return false;
    char32_t c = text[at].unicode();
    if (QChar::isHighSurrogate(c) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(text[at], text[at + 1]);
    return IsWordCharacter(c);
}
} // namespace

QString ReplaceWholeWords(const QString &text, QStringView oldVal, QStringView newVal,
                          Qt::CaseSensitivity cs) {
    if (oldVal.isEmpty())
        return text;
    // "ft." must not stand before a letter, but the dot itself already ends the marker.
    const bool checkAfter = WordCharacterBefore(oldVal, oldVal.size());
    const QStringView view(text);
    QString out;
    qsizetype copied = 0;
    bool replaced = false;
    for (qsizetype at = view.indexOf(oldVal, 0, cs); at >= 0; at = view.indexOf(oldVal, at, cs)) {
        const qsizetype end = at + oldVal.size();
        if (WordCharacterBefore(view, at) || (checkAfter && WordCharacterAt(view, end))) {
            ++at; // inside a word: look again one character on
            continue;
        }
        out += view.mid(copied, at - copied);
        out += newVal;
        copied = end;
        at = end;
        replaced = true;
    }
    if (!replaced)
        return text;
    out += view.mid(copied);
    return out;
}

QString ReplaceList::ApplyGuarded(const QString &name) const {
    QString n = name;
    for (const auto &e : m_items) {
        const ReplaceItem &r = *e.item;
        if (r.OldVal().isEmpty())
            continue;
        const qsizetype oldAt = n.indexOf(r.OldVal(), 0, r.Sensitivity());
        if (oldAt < 0)
            continue;
        // An empty new text "occurs" at the start of every name; comparing its position
        // would stop a deleting rule exactly when its old text begins the name.
        if (!r.NewVal().isEmpty() && n.indexOf(r.NewVal(), 0, r.Sensitivity()) == oldAt)
            continue;
        n.replace(r.OldVal(), r.NewVal(), r.Sensitivity());
    }
    return n;
}

void BuildBuiltInReplaceList(ReplaceList &list) {
    struct Rule {
        const char *oldVal;
        const char *newVal;
        int caseSensitive;
        bool wholeWord = false;
    };
    // The featuring markers are words: "Bill Withers" and "Feathers" keep their letters.
    static const Rule rules[] = {
        {"with", "ft", 0, true},
        {" F ", " ft ", 0},
        {"ft.", "ft ", 0, true},
        {"feat.", "ft ", 0, true},
        {"fea.", "ft ", 0, true},
        {"featuring.", "ft ", 0, true},
        {"featuring", "ft", 0, true},
        {"feat", "ft", 0, true},
        {"f.", "ft", 0, true},
        {"cd1", "", 0},
        {"cd2", "", 0},
        {"cd3", "", 0},
        {".", " ", 0},
        {"(", "", 0},
        {")", "", 0},
        {",", "", 0},
        {"'", "", 0},
        {"&", "And", 0},
        {"metalica", "metallica", 0},
        {"mettalica", "metallica", 0},
        {" leppard", " lepard", 0},
        {"deff ", "def ", 0},
        {"heuy", "huey", 0},
        {"osborne", "osbourne", 0},
        {"cheryl crow", "sheryl crow", 0},
        {"britney ", "britany ", 0},
        {" speers", " spears", 0},
        {"hilary", "hillary", 0},
        {"areosmith", "aerosmith", 0},
        {"hilery", "hillary", 0},
        {"hillery", "hillary", 0},
        {"kendals", "kendalls", 0},
        {"agulera", "aguilera", 0},
        {"agulara", "aguilera", 0},
        {"aguilara", "aguilera", 0},
        {"marylin", "marilyn", 0},
        {"pantara", "pantera", 0},
        {"uncle cracker", "uncle kracker", 0},
        {"Trans-siber", "Trans-Siber", 1},
        {"?", "", 0},
        {"genuwine", "Ginuwine", 0},
        {"genuine", "ginuwine", 0},
        {"Notorius", "Notorious", 0},
        {"Disterbed", "Disturbed", 0},
        {"Jodice", "Jodeci", 0},
    };
    list.Clear();
    for (const Rule &r : rules)
        list.Add(QString::fromLatin1(r.newVal), QString::fromLatin1(r.oldVal), r.caseSensitive)
            ->SetWholeWord(r.wholeWord);
}

namespace {
QString RuleKey(int i, QLatin1StringView suffix) {
    return QString::number(i) + suffix;
}

void MigrateOldKeys() {
    const QString count = SettingsStore::Get(Keys::replacecount, QStringLiteral("xxxx"));
    if (count.isEmpty() || count == QLatin1String("xxxx"))
        return;
    SettingsStore::Delete(Keys::replacecount);
    SettingsStore::Save(Keys::rc, count);
    // Copies until the first missing entry, whatever the stored count says.
    for (int i = 1; !SettingsStore::Get(RuleKey(i, Keys::casesens)).isEmpty(); ++i) {
        const auto move = [i](QLatin1StringView from, QLatin1StringView to) {
            SettingsStore::Save(RuleKey(i, to), SettingsStore::Get(RuleKey(i, from)));
            SettingsStore::Delete(RuleKey(i, from));
        };
        move(Keys::newval, Keys::ruleNew);
        move(Keys::oldval, Keys::ruleOld);
        move(Keys::casesens, Keys::ruleCase);
    }
}
} // namespace

void LoadReplaceLists() {
    BuildBuiltInReplaceList(BuiltInReplaceList);
    MigrateOldKeys();
    const int n = TextUtil::ToInt32(SettingsStore::Get(Keys::rc, QStringLiteral("0"))).value_or(0);
    UserReplaceList.Clear();
    for (int i = 0; i < n; ++i) {
        const QString newVal = SettingsStore::Get(RuleKey(i + 1, Keys::ruleNew));
        const QString oldVal = SettingsStore::Get(RuleKey(i + 1, Keys::ruleOld));
        const int caseFlag = TextUtil::ToInt32(SettingsStore::Get(RuleKey(i + 1, Keys::ruleCase),
                                                                  QStringLiteral("0")))
                                 .value_or(0);
        UserReplaceList.Add(newVal, oldVal, caseFlag);
        if (i > 500)
            break;
    }
}

void SaveUserReplaceList() {
    for (int i = 1; !SettingsStore::Get(RuleKey(i, Keys::casesens)).isEmpty(); ++i) {
        SettingsStore::Delete(RuleKey(i, Keys::casesens));
        SettingsStore::Delete(RuleKey(i, Keys::oldval));
        SettingsStore::Delete(RuleKey(i, Keys::newval));
    }
    const int count = UserReplaceList.Count();
    SettingsStore::Save(Keys::rc, QString::number(count));
    if (count > 0) {
        for (int i = count + 1; !SettingsStore::Get(RuleKey(i, Keys::ruleCase)).isEmpty(); ++i) {
            SettingsStore::Delete(RuleKey(i, Keys::ruleCase));
            SettingsStore::Delete(RuleKey(i, Keys::ruleOld));
            SettingsStore::Delete(RuleKey(i, Keys::ruleNew));
        }
    }
    for (int i = 1; i <= count; ++i) {
        const ReplaceItem *r = UserReplaceList.Item(i);
        SettingsStore::Save(RuleKey(i, Keys::ruleOld), r->OldVal());
        SettingsStore::Save(RuleKey(i, Keys::ruleNew), r->NewVal());
        SettingsStore::Save(RuleKey(i, Keys::ruleCase), QString::number(r->CaseSensitive()));
    }
}

bool ContainsPair(const QString &oldVal, const QString &newVal) {
    for (int i = 1; i <= UserReplaceList.Count(); ++i) {
        const ReplaceItem *r = UserReplaceList.Item(i);
        if (r->OldVal() == oldVal && r->NewVal() == newVal)
            return true;
    }
    return false;
}
