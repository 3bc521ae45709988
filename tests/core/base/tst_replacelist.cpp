#include "base/replacelist.h"

#include "base/settingsstore.h"
#include "support/testenv.h"

#include <QtTest>

namespace {
const QString kMissing = QStringLiteral("<missing>");

QString Stored(const QString &key) {
    return SettingsStore::Get(key, kMissing);
}
void Store(const QString &key, const QString &value) {
    SettingsStore::Save(key, value);
}
// Stores rule @p i in the form of @p suffixes ("o,n,c" now, "oldval,newval,casesens" of old).
void StoreRule(int i, const QString &oldVal, const QString &newVal, int caseFlag,
               const char *suffixes = "o,n,c") {
    const QStringList s = QString::fromLatin1(suffixes).split(QLatin1Char(','));
    Store(QString::number(i) + s[0], oldVal);
    Store(QString::number(i) + s[1], newVal);
    Store(QString::number(i) + s[2], QString::number(caseFlag));
}
const QString kGone = kMissing + QLatin1Char('|') + kMissing + QLatin1Char('|') + kMissing;
// Rule @p i as the store holds it: "old|new|case", each part kMissing when absent.
QString StoredRule(int i, const char *suffixes = "o,n,c") {
    QStringList parts;
    for (const QString &s : QString::fromLatin1(suffixes).split(QLatin1Char(',')))
        parts << Stored(QString::number(i) + s);
    return parts.join(QLatin1Char('|'));
}
QString Rule(const ReplaceList &list, int position) {
    const ReplaceItem *r = list.Item(position);
    if (!r)
        return kMissing;
    return r->OldVal() + QLatin1Char('|') + r->NewVal() + QLatin1Char('|') +
           QString::number(r->CaseSensitive());
}
} // namespace

class TestReplaceList : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        TestEnv::ClearStore();
        UserReplaceList.Clear();
    }

    void builtInPass_data() {
        QTest::addColumn<QString>("row"); // name|expected
        QTest::newRow("featuring") << "A Featuring B|A ft B";
        QTest::newRow("feat. then dot rule") << "A feat. B|A ft  B";
        QTest::newRow("markers only as words") << "Feathers With Within|Feathers ft Within";
        QTest::newRow("f. after a letter stays") << "Wolf. f.X|Wolf  ftX";
        QTest::newRow("britney") << "Britney Speers|britany spears";
        QTest::newRow("mettalica") << "Mettalica|metallica";
        QTest::newRow("ginuwine") << "Genuwine, genuine|Ginuwine ginuwine";
        QTest::newRow("misspelled bands")
            << "Pantara Areosmith Disterbed|pantera aerosmith Disturbed";
        QTest::newRow("case-sensitive rule matches") << "Trans-siberian|Trans-Siberian";
        QTest::newRow("case-sensitive rule ignores other case") << "trans-siberian|trans-siberian";
    }
    void builtInPass() {
        QFETCH(QString, row);
        LoadReplaceLists();
        const QStringList c = row.split(QLatin1Char('|'));
        QCOMPARE(BuiltInReplaceList.ApplyAll(c[0]), c[1]);
    }

    void userPass_data() {
        QTest::addColumn<QString>("row"); // old text|new text|name|expected
        QTest::addColumn<int>("caseSensitive");
        QTest::newRow("new text already in place") << "Jay Z|Jay Z Live|Jay Z Live|Jay Z Live" << 0;
        QTest::newRow("old text alone is extended") << "Jay Z|Jay Z Live|Jay Z|Jay Z Live" << 0;
        QTest::newRow("old text later in the name")
            << "Jay Z|Jay Z Live|The Jay Z|The Jay Z Live" << 0;
        QTest::newRow("new text elsewhere: every old text replaced")
            << "Jay Z|Jay Z Live|Jay Z and Jay Z Live|Jay Z Live and Jay Z Live Live" << 0;
        QTest::newRow("guard ignores case too") << "jay z|Jay Z Live|JAY Z LIVE|JAY Z LIVE" << 0;
        QTest::newRow("case-sensitive rule skips other case") << "Jay Z|Jay-Z|jay z|jay z" << 1;
        QTest::newRow("empty new text deletes at the start (mended)") << "The ||The Band|Band" << 0;
        QTest::newRow("empty new text deletes every occurrence") << "x||xAxBx|AB" << 0;
        QTest::newRow("empty old text does nothing") << "|Z|Band|Band" << 0;
    }
    void userPass() {
        QFETCH(QString, row);
        QFETCH(int, caseSensitive);
        const QStringList c = row.split(QLatin1Char('|'));
        ReplaceList list;
        list.Add(QStringLiteral("Q"), QStringLiteral("Zq"), 0); // a rule that does not apply
        list.Add(c[1], c[0], caseSensitive);
        QCOMPARE(list.ApplyGuarded(c[2]), c[3]);
        ReplaceList ordered; // rules apply in order
        ordered.Add(QStringLiteral("C"), QStringLiteral("B"), 0);
        ordered.Add(QStringLiteral("D"), QStringLiteral("C"), 0);
        QCOMPARE(ordered.ApplyGuarded(QStringLiteral("xBx")), QStringLiteral("xDx"));
    }

    void loadStopsAt502() {
        Store(QStringLiteral("rc"), QStringLiteral("600"));
        for (int i = 1; i <= 600; ++i)
            StoreRule(i, QStringLiteral("old%1").arg(i), QStringLiteral("new%1").arg(i), i % 2);
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 502);
        QCOMPARE(Rule(UserReplaceList, 1), QStringLiteral("old1|new1|1"));
        QCOMPARE(Rule(UserReplaceList, 502), QStringLiteral("old502|new502|0"));
        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("502"));
        QCOMPARE(StoredRule(502), QStringLiteral("old502|new502|0"));
        for (int i : {503, 504, 600})
            QCOMPARE(StoredRule(i), kGone);
    }

    void storedCount_data() {
        QTest::addColumn<QString>("rc");
        QTest::addColumn<int>("loaded");
        QTest::newRow("not a number") << "many" << 0;
        QTest::newRow("three") << "3" << 3;
        QTest::newRow("more than stored: missing entries read as empty") << "7" << 7;
    }
    void storedCount() {
        QFETCH(QString, rc);
        QFETCH(int, loaded);
        if (rc != kMissing)
            Store(QStringLiteral("rc"), rc);
        for (int i = 1; i <= 5; ++i)
            StoreRule(i, QStringLiteral("o%1").arg(i), QStringLiteral("n"), 1);
        Store(QStringLiteral("6o"), QStringLiteral("only old"));
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), loaded);
        if (loaded == 7) {
            QCOMPARE(Rule(UserReplaceList, 6), QStringLiteral("only old||0"));
            QCOMPARE(Rule(UserReplaceList, 7), QStringLiteral("||0"));
        }
    }

    // Stores of older versions name the rules "oldval", "newval", "casesens", counted by
    // "replacecount": a load moves them to the new keys, up to the first gap.
    void oldKeysMigrated() {
        Store(QStringLiteral("replacecount"), QStringLiteral("4"));
        for (int i : {1, 2, 4})
            StoreRule(i, QStringLiteral("old%1").arg(i), QStringLiteral("new%1").arg(i), i == 2,
                      "oldval,newval,casesens");
        LoadReplaceLists();
        QCOMPARE(Stored(QStringLiteral("replacecount")), kMissing);
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("4"));
        QCOMPARE(StoredRule(2), QStringLiteral("old2|new2|1"));
        QCOMPARE(StoredRule(1, "oldval,newval,casesens"), kGone);
        QCOMPARE(StoredRule(4), kGone);
        QCOMPARE(Rule(UserReplaceList, 2), QStringLiteral("old2|new2|1"));
        // Entries beyond the gap are never reached, by the copy or by a later save.
        SaveUserReplaceList();
        QCOMPARE(StoredRule(4, "oldval,newval,casesens"), QStringLiteral("old4|new4|0"));
    }

    void noMigrationWithoutACount() {
        for (const char *count : {"", "xxxx"}) {
            Store(QStringLiteral("replacecount"), QLatin1String(count));
            Store(QStringLiteral("1casesens"), QStringLiteral("0"));
            LoadReplaceLists();
            QCOMPARE(Stored(QStringLiteral("rc")) + Stored(QStringLiteral("1c")),
                     kMissing + kMissing);
        }
    }

    void saveReplacesOldEntries() {
        for (int i = 1; i <= 2; ++i)
            StoreRule(i, QStringLiteral("x"), QStringLiteral("y"), 0, "oldval,newval,casesens");
        for (int i = 1; i <= 3; ++i)
            StoreRule(i, QStringLiteral("a"), QStringLiteral("b"), 0);
        UserReplaceList.Add(QStringLiteral("new"), QStringLiteral("old"), 1);
        SaveUserReplaceList();
        QCOMPARE(StoredRule(2, "oldval,newval,casesens"), kGone);
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("1"));
        QCOMPARE(StoredRule(1), QStringLiteral("old|new|1"));
        QCOMPARE(StoredRule(2) + StoredRule(3), kGone + kGone);
        // An empty list only sets the count: the entries stay hidden behind it.
        UserReplaceList.Clear();
        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("0"));
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 0);
    }

    void containsPair() {
        UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 0);
        UserReplaceList.Add(QString(), QStringLiteral("b"), 0);
        QVERIFY(ContainsPair(QStringLiteral("Jay Z"), QStringLiteral("Jay Z Live")));
        QVERIFY(ContainsPair(QStringLiteral("b"), QString()));
        QVERIFY(!ContainsPair(QStringLiteral("jay z"), QStringLiteral("Jay Z Live")));
        QVERIFY(!ContainsPair(QStringLiteral("Jay Z"), QStringLiteral("jay z live")));
    }
};

QTEST_GUILESS_MAIN(TestReplaceList)
#include "tst_replacelist.moc"
