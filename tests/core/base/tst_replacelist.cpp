#include "base/replacelist.h"

#include "base/settingsstore.h"
#include "support/testenv.h"

#include <QtTest>

namespace {
QString Key(int i, const char *suffix) {
    return QString::number(i) + QLatin1String(suffix);
}

const QString kMissing = QStringLiteral("<missing>");

QString Stored(const QString &key) {
    return SettingsStore::Get(key, kMissing);
}

void StoreRule(int i, const QString &oldVal, const QString &newVal, int caseFlag) {
    SettingsStore::Save(Key(i, "o"), oldVal);
    SettingsStore::Save(Key(i, "n"), newVal);
    SettingsStore::Save(Key(i, "c"), QString::number(caseFlag));
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

    void builtInRules_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::addColumn<int>("caseSensitive");
        const char *rules[][3] = {
            {"with", "ft", "0"},
            {" F ", " ft ", "0"},
            {"ft.", "ft ", "0"},
            {"feat.", "ft ", "0"},
            {"fea.", "ft ", "0"},
            {"featuring.", "ft ", "0"},
            {"featuring", "ft", "0"},
            {"feat", "ft", "0"},
            {"f.", "ft", "0"},
            {"cd1", "", "0"},
            {"cd2", "", "0"},
            {"cd3", "", "0"},
            {".", " ", "0"},
            {"(", "", "0"},
            {")", "", "0"},
            {",", "", "0"},
            {"'", "", "0"},
            {"&", "And", "0"},
            {"metalica", "metallica", "0"},
            {"mettalica", "metallica", "0"},
            {" leppard", " lepard", "0"},
            {"deff ", "def ", "0"},
            {"heuy", "huey", "0"},
            {"osborne", "osbourne", "0"},
            {"cheryl crow", "sheryl crow", "0"},
            {"britney ", "britany ", "0"},
            {" speers", " spears", "0"},
            {"hilary", "hillary", "0"},
            {"areosmith", "aerosmith", "0"},
            {"hilery", "hillary", "0"},
            {"hillery", "hillary", "0"},
            {"kendals", "kendalls", "0"},
            {"agulera", "aguilera", "0"},
            {"agulara", "aguilera", "0"},
            {"aguilara", "aguilera", "0"},
            {"marylin", "marilyn", "0"},
            {"pantara", "pantera", "0"},
            {"uncle cracker", "uncle kracker", "0"},
            {"Trans-siber", "Trans-Siber", "1"},
            {"?", "", "0"},
            {"genuwine", "Ginuwine", "0"},
            {"genuine", "ginuwine", "0"},
            {"Notorius", "Notorious", "0"},
            {"Disterbed", "Disturbed", "0"},
            {"Jodice", "Jodeci", "0"},
        };
        int position = 1;
        for (const auto &r : rules) {
            QTest::addRow("rule %d: %s", position, r[0])
                << position << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1])
                << QString::fromLatin1(r[2]).toInt();
            ++position;
        }
    }
    void builtInRules() {
        QFETCH(int, position);
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        QFETCH(int, caseSensitive);
        LoadReplaceLists();
        QCOMPARE(BuiltInReplaceList.Count(), 45);
        const ReplaceItem *r = BuiltInReplaceList.Item(position);
        QVERIFY(r);
        QCOMPARE(r->OldVal(), oldVal);
        QCOMPARE(r->NewVal(), newVal);
        QCOMPARE(r->CaseSensitive(), caseSensitive);
    }

    void builtInPass_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("with inside a word (proper case comes later)") << "Within"
                                                                      << "ftin";
        QTest::newRow("with as a word") << "Jay Z with Kanye"
                                        << "Jay Z ft Kanye";
        QTest::newRow("featuring") << "A Featuring B"
                                   << "A ft B";
        QTest::newRow("feat. then dot rule") << "A feat. B"
                                             << "A ft  B";
        QTest::newRow("leppard") << "Def Leppard"
                                 << "Def lepard";
        QTest::newRow("britney") << "Britney Spears"
                                 << "britany Spears";
        QTest::newRow("disc number and brackets") << "Album (CD1)"
                                                  << "Album ";
        QTest::newRow("ampersand spelled out") << "Simon & Garfunkel"
                                               << "Simon And Garfunkel";
        QTest::newRow("apostrophe removed") << "Guns N' Roses"
                                            << "Guns N Roses";
        QTest::newRow("mettalica") << "Mettalica"
                                   << "metallica";
        QTest::newRow("case-sensitive rule matches") << "Trans-siberian"
                                                     << "Trans-Siberian";
        QTest::newRow("case-sensitive rule ignores other case") << "trans-siberian"
                                                                << "trans-siberian";
        QTest::newRow("every occurrence") << "a?b?c"
                                          << "abc";
        QTest::newRow("nothing to do") << "Madonna"
                                       << "Madonna";
    }
    void builtInPass() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        LoadReplaceLists();
        QCOMPARE(BuiltInReplaceList.ApplyAll(name), expected);
    }

    void userPass_data() {
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::addColumn<int>("caseSensitive");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new text already in place") << "Jay Z"
                                                   << "Jay Z Live" << 0 << "Jay Z Live"
                                                   << "Jay Z Live";
        QTest::newRow("old text alone is extended") << "Jay Z"
                                                    << "Jay Z Live" << 0 << "Jay Z"
                                                    << "Jay Z Live";
        QTest::newRow("old text later in the name") << "Jay Z"
                                                    << "Jay Z Live" << 0 << "The Jay Z"
                                                    << "The Jay Z Live";
        QTest::newRow("new text elsewhere: every old text replaced")
            << "Jay Z"
            << "Jay Z Live" << 0 << "Jay Z and Jay Z Live"
            << "Jay Z Live and Jay Z Live Live";
        QTest::newRow("guard ignores case too") << "jay z"
                                                << "Jay Z Live" << 0 << "JAY Z LIVE"
                                                << "JAY Z LIVE";
        QTest::newRow("case-sensitive rule skips other case") << "Jay Z"
                                                              << "Jay-Z" << 1 << "jay z"
                                                              << "jay z";
        QTest::newRow("empty new text deletes at the start (mended)") << "The "
                                                                      << "" << 0 << "The Band"
                                                                      << "Band";
        QTest::newRow("empty new text deletes inside") << "The "
                                                       << "" << 0 << "Best of The Band"
                                                       << "Best of Band";
        QTest::newRow("empty new text deletes every occurrence") << "x"
                                                                 << "" << 0 << "xAxBx"
                                                                 << "AB";
        QTest::newRow("empty old text does nothing") << ""
                                                     << "Z" << 0 << "Band"
                                                     << "Band";
        QTest::newRow("missing old text does nothing") << "Q"
                                                       << "Z" << 0 << "Band"
                                                       << "Band";
    }
    void userPass() {
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        QFETCH(int, caseSensitive);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        ReplaceList list;
        list.Add(newVal, oldVal, caseSensitive);
        QCOMPARE(list.ApplyGuarded(name), expected);
    }

    void userPassRulesInOrder() {
        ReplaceList list;
        list.Add(QStringLiteral("B"), QStringLiteral("A"), 0);
        list.Add(QStringLiteral("C"), QStringLiteral("B"), 0);
        QCOMPARE(list.ApplyGuarded(QStringLiteral("xAx")), QStringLiteral("xCx"));
    }

    void loadStopsAt502() {
        SettingsStore::Save(QStringLiteral("rc"), QStringLiteral("600"));
        for (int i = 1; i <= 600; ++i)
            StoreRule(i, QStringLiteral("old%1").arg(i), QStringLiteral("new%1").arg(i), i % 2);
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 502);
        QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral("old1"));
        QCOMPARE(UserReplaceList.Item(1)->NewVal(), QStringLiteral("new1"));
        QCOMPARE(UserReplaceList.Item(1)->CaseSensitive(), 1);
        QCOMPARE(UserReplaceList.Item(502)->OldVal(), QStringLiteral("old502"));

        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("502"));
        QCOMPARE(Stored(QStringLiteral("502o")), QStringLiteral("old502"));
        QCOMPARE(Stored(QStringLiteral("502c")), QStringLiteral("0"));
        for (int i : {503, 504, 550, 600}) {
            QCOMPARE(Stored(Key(i, "o")), kMissing);
            QCOMPARE(Stored(Key(i, "n")), kMissing);
            QCOMPARE(Stored(Key(i, "c")), kMissing);
        }
    }

    void missingEntriesReadAsDefaults() {
        SettingsStore::Save(QStringLiteral("rc"), QStringLiteral("2"));
        SettingsStore::Save(QStringLiteral("1o"), QStringLiteral("only old"));
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 2);
        QCOMPARE(UserReplaceList.Item(1)->OldVal(), QStringLiteral("only old"));
        QCOMPARE(UserReplaceList.Item(1)->NewVal(), QString());
        QCOMPARE(UserReplaceList.Item(1)->CaseSensitive(), 0);
        QCOMPARE(UserReplaceList.Item(2)->OldVal(), QString());
    }

    void countTexts_data() {
        QTest::addColumn<QString>("rc");
        QTest::addColumn<int>("loaded");
        QTest::newRow("missing count gives empty list") << kMissing << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-4" << 0;
        QTest::newRow("not a number") << "many" << 0;
        QTest::newRow("three") << "3" << 3;
    }
    void countTexts() {
        QFETCH(QString, rc);
        QFETCH(int, loaded);
        if (rc != kMissing)
            SettingsStore::Save(QStringLiteral("rc"), rc);
        for (int i = 1; i <= 5; ++i)
            StoreRule(i, QStringLiteral("o"), QStringLiteral("n"), 0);
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), loaded);
    }

    void oldKeysMigrated() {
        SettingsStore::Save(QStringLiteral("replacecount"), QStringLiteral("3"));
        for (int i = 1; i <= 3; ++i) {
            SettingsStore::Save(Key(i, "oldval"), QStringLiteral("old%1").arg(i));
            SettingsStore::Save(Key(i, "newval"), QStringLiteral("new%1").arg(i));
            SettingsStore::Save(Key(i, "casesens"), QString::number(i == 2 ? 1 : 0));
        }
        LoadReplaceLists();
        QCOMPARE(Stored(QStringLiteral("replacecount")), kMissing);
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("3"));
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(Stored(Key(i, "o")), QStringLiteral("old%1").arg(i));
            QCOMPARE(Stored(Key(i, "n")), QStringLiteral("new%1").arg(i));
            QCOMPARE(Stored(Key(i, "c")), QString::number(i == 2 ? 1 : 0));
            QCOMPARE(Stored(Key(i, "oldval")), kMissing);
            QCOMPARE(Stored(Key(i, "newval")), kMissing);
            QCOMPARE(Stored(Key(i, "casesens")), kMissing);
        }
        QCOMPARE(UserReplaceList.Count(), 3);
        QCOMPARE(UserReplaceList.Item(2)->OldVal(), QStringLiteral("old2"));
        QCOMPARE(UserReplaceList.Item(2)->NewVal(), QStringLiteral("new2"));
        QCOMPARE(UserReplaceList.Item(2)->CaseSensitive(), 1);
    }

    void migrationStopsAtFirstGap() {
        SettingsStore::Save(QStringLiteral("replacecount"), QStringLiteral("3"));
        SettingsStore::Save(QStringLiteral("1oldval"), QStringLiteral("a"));
        SettingsStore::Save(QStringLiteral("1newval"), QStringLiteral("b"));
        SettingsStore::Save(QStringLiteral("1casesens"), QStringLiteral("0"));
        SettingsStore::Save(QStringLiteral("3oldval"), QStringLiteral("c"));
        SettingsStore::Save(QStringLiteral("3casesens"), QStringLiteral("0"));
        LoadReplaceLists();
        QCOMPARE(Stored(QStringLiteral("1o")), QStringLiteral("a"));
        QCOMPARE(Stored(QStringLiteral("3o")), kMissing);
        QCOMPARE(Stored(QStringLiteral("3oldval")), QStringLiteral("c"));
        QCOMPARE(Stored(QStringLiteral("1casesens")), kMissing);
        // Entries beyond the gap are never reached, by the copy or by a later save.
        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("3casesens")), QStringLiteral("0"));
    }

    void emptyReplacecountIsNoMigration_data() {
        QTest::addColumn<QString>("replacecount");
        QTest::newRow("empty") << "";
        QTest::newRow("placeholder") << "xxxx";
    }
    void emptyReplacecountIsNoMigration() {
        QFETCH(QString, replacecount);
        SettingsStore::Save(QStringLiteral("replacecount"), replacecount);
        SettingsStore::Save(QStringLiteral("1casesens"), QStringLiteral("0"));
        LoadReplaceLists();
        QCOMPARE(Stored(QStringLiteral("rc")), kMissing);
        QCOMPARE(Stored(QStringLiteral("1c")), kMissing);
    }

    void saveRemovesOldFormKeys() {
        for (int i = 1; i <= 2; ++i) {
            SettingsStore::Save(Key(i, "oldval"), QStringLiteral("x"));
            SettingsStore::Save(Key(i, "newval"), QStringLiteral("y"));
            SettingsStore::Save(Key(i, "casesens"), QStringLiteral("0"));
        }
        UserReplaceList.Add(QStringLiteral("new"), QStringLiteral("old"), 1);
        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("1oldval")), kMissing);
        QCOMPARE(Stored(QStringLiteral("2casesens")), kMissing);
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("1"));
        QCOMPARE(Stored(QStringLiteral("1o")), QStringLiteral("old"));
        QCOMPARE(Stored(QStringLiteral("1n")), QStringLiteral("new"));
        QCOMPARE(Stored(QStringLiteral("1c")), QStringLiteral("1"));
    }

    void emptyListSaveKeepsOldEntriesHidden() {
        SettingsStore::Save(QStringLiteral("rc"), QStringLiteral("2"));
        StoreRule(1, QStringLiteral("a"), QStringLiteral("b"), 0);
        StoreRule(2, QStringLiteral("c"), QStringLiteral("d"), 0);
        SaveUserReplaceList();
        QCOMPARE(Stored(QStringLiteral("rc")), QStringLiteral("0"));
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 0);
    }

    void rulesRoundTrip_data() {
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::newRow("blanks at the ends") << " F "
                                            << " ft ";
        QTest::newRow("empty new text") << "cd1"
                                        << "";
        QTest::newRow("comma") << ","
                               << "";
        QTest::newRow("quotes and semicolon") << "\"a\";b"
                                              << "c";
        QTest::newRow("at sign first") << "@Invalid()"
                                       << "x";
        QTest::newRow("non-Latin") << QStringLiteral("Bj\u00f6rk") << QStringLiteral("\u3042");
    }
    void rulesRoundTrip() {
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        UserReplaceList.Add(newVal, oldVal, 0);
        SaveUserReplaceList();
        SettingsStore::Sync();
        UserReplaceList.Clear();
        LoadReplaceLists();
        QCOMPARE(UserReplaceList.Count(), 1);
        QCOMPARE(UserReplaceList.Item(1)->OldVal(), oldVal);
        QCOMPARE(UserReplaceList.Item(1)->NewVal(), newVal);
    }

    void removeMissingIgnored_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<QString>("firstAfter");
        QTest::newRow("position 0") << 0 << QString() << 3 << "a";
        QTest::newRow("negative position") << -1 << QString() << 3 << "a";
        QTest::newRow("past the end") << 4 << QString() << 3 << "a";
        QTest::newRow("missing key") << 0 << "nokey" << 3 << "a";
        QTest::newRow("first position, later rules move up") << 1 << QString() << 2 << "b";
        QTest::newRow("key in other case") << 0 << "KA" << 2 << "b";
    }
    void removeMissingIgnored() {
        QFETCH(int, position);
        QFETCH(QString, key);
        QFETCH(int, countAfter);
        QFETCH(QString, firstAfter);
        ReplaceList list;
        list.Add(QStringLiteral("A"), QStringLiteral("a"), 0, QStringLiteral("ka"));
        list.Add(QStringLiteral("B"), QStringLiteral("b"), 0);
        list.Add(QStringLiteral("C"), QStringLiteral("c"), 0);
        if (key.isEmpty())
            list.Remove(position);
        else
            list.Remove(key);
        QCOMPARE(list.Count(), countAfter);
        QCOMPARE(list.Item(1)->OldVal(), firstAfter);
    }

    void keysIgnoreCase() {
        ReplaceList list;
        QVERIFY(list.Add(QStringLiteral("n1"), QStringLiteral("o1"), 0, QStringLiteral("Abc")));
        QVERIFY(!list.Add(QStringLiteral("n2"), QStringLiteral("o2"), 0, QStringLiteral("aBC")));
        QCOMPARE(list.Count(), 1);
        QVERIFY(list.Item(QStringLiteral("ABC")));
        QCOMPARE(list.Item(QStringLiteral("abc"))->NewVal(), QStringLiteral("n1"));
        QVERIFY(!list.Item(QStringLiteral("other")));
        QVERIFY(!list.Item(2));
        ReplaceItem item(QStringLiteral("o3"), QStringLiteral("n3"), 1);
        QVERIFY(!list.AddItem(item, QStringLiteral("ABC")));
        QVERIFY(list.AddItem(item));
        QCOMPARE(list.Item(2)->OldVal(), QStringLiteral("o3"));
    }

    void containsPair_data() {
        QTest::addColumn<QString>("oldVal");
        QTest::addColumn<QString>("newVal");
        QTest::addColumn<bool>("expected");
        QTest::newRow("exact pair") << "Jay Z"
                                    << "Jay Z Live" << true;
        QTest::newRow("old text in other case") << "jay z"
                                                << "Jay Z Live" << false;
        QTest::newRow("new text in other case") << "Jay Z"
                                                << "jay z live" << false;
        QTest::newRow("swapped") << "Jay Z Live"
                                 << "Jay Z" << false;
        QTest::newRow("only old text matches") << "Jay Z"
                                               << "Other" << false;
        QTest::newRow("second rule") << "b"
                                     << "" << true;
    }
    void containsPair() {
        QFETCH(QString, oldVal);
        QFETCH(QString, newVal);
        QFETCH(bool, expected);
        UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 0);
        UserReplaceList.Add(QString(), QStringLiteral("b"), 0);
        QCOMPARE(ContainsPair(oldVal, newVal), expected);
    }
};

QTEST_GUILESS_MAIN(TestReplaceList)
#include "tst_replacelist.moc"
